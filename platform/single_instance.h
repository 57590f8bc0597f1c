#pragma once
// One running copy per data folder, through an advisory lock on a file kept outside the
// folder (in the runtime or temporary directory, named after the folder's path). The
// system drops the lock when a process dies, so a crash never blocks the next start.

#include "platform/services.h"

namespace velmora::platform {

class FileLockInstanceGuard final : public InstanceGuard {
public:
    FileLockInstanceGuard() = default;
    ~FileLockInstanceGuard() override;
    FileLockInstanceGuard(const FileLockInstanceGuard&) = delete;
    FileLockInstanceGuard& operator=(const FileLockInstanceGuard&) = delete;

    bool acquire(const std::filesystem::path& dataFolder) override;

    // Where the lock of a data folder lives.
    static QString lockPathFor(const std::filesystem::path& dataFolder);

private:
    int fd_ = -1;
};

} // namespace velmora::platform
