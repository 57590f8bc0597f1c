#include "platform/single_instance.h"

#include <QDir>
#include <gtest/gtest.h>

#include <filesystem>

using velmora::platform::FileLockInstanceGuard;
namespace fs = std::filesystem;

namespace {
fs::path freshFolder(const char* name) {
    const fs::path dir = fs::path(VELMORA_TEST_TMP) / "instance" / name;
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir;
}
} // namespace

TEST(SingleInstance, SecondGuardOnTheSameFolderIsRefused) {
    const fs::path folder = freshFolder("same");
    FileLockInstanceGuard first;
    ASSERT_TRUE(first.acquire(folder));
    FileLockInstanceGuard second;
    EXPECT_FALSE(second.acquire(folder));
    // The same folder named another way is still the same school.
    FileLockInstanceGuard third;
    EXPECT_FALSE(third.acquire(folder / "." / ""));
}

TEST(SingleInstance, OtherFoldersAndEndedInstancesDoNotBlock) {
    const fs::path a = freshFolder("a");
    const fs::path b = freshFolder("b");
    {
        FileLockInstanceGuard first;
        ASSERT_TRUE(first.acquire(a));
        FileLockInstanceGuard other;
        EXPECT_TRUE(other.acquire(b));
    }
    // The lock dies with its holder, as it does when a process crashes.
    FileLockInstanceGuard next;
    EXPECT_TRUE(next.acquire(a));
}

TEST(SingleInstance, LockLivesOutsideTheDataFolder) {
    const fs::path folder = freshFolder("outside");
    FileLockInstanceGuard guard;
    ASSERT_TRUE(guard.acquire(folder));
    EXPECT_TRUE(fs::is_empty(folder));
    EXPECT_FALSE(FileLockInstanceGuard::lockPathFor(folder).startsWith(
        QString::fromStdString(folder.string())));
}
