// Deleting a record of a code list: later records move down and are renumbered, and the
// list file on disk is always either the whole old list or the whole new one.

#include "store/data_store.h"
#include "store_test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

using namespace velmora::store;
using namespace velmora::store::testing;

namespace velmora::store {
void PrintTo(CompactStep step, std::ostream* out) {
    *out << (step == CompactStep::ScratchWritten  ? "ScratchWritten"
             : step == CompactStep::ScratchSynced ? "ScratchSynced"
                                                  : "Renamed");
}
} // namespace velmora::store

namespace {

const std::vector<std::string> kNames = {"رياضيات", "علوم", "لغة عربية", "تربية فنية", "حاسب"};

// Byte image of a list holding the given names, numbered from 1.
Bytes listImage(const std::vector<std::string>& names) {
    Bytes bytes;
    std::int32_t n = 0;
    for (const auto& name : names) {
        CodeRecord code;
        code.recNo = ++n;
        code.name.assign(name);
        const auto image = encode(code);
        bytes.insert(bytes.end(), image.begin(), image.end());
    }
    return bytes;
}

std::vector<std::string> without(std::vector<std::string> names, std::int32_t record) {
    names.erase(names.begin() + (record - 1));
    return names;
}

struct SimulatedCrash {};

class CompactTest : public ::testing::Test {
protected:
    void openWithFiveRecords(int file) {
        store.openDataFiles();
        for (const auto& name : kNames) {
            CodeRecord code;
            code.name.assign(name);
            store.append(file, code);
        }
        ASSERT_EQ(fileBytes(pathOf(file)), listImage(kNames));
    }
    fs::path pathOf(int file) const { return folder / findFile(file)->name; }
    bool scratchExists() const { return fs::exists(folder / "moad.tmp"); }

    // What a fresh start on the folder sees in the list.
    std::vector<std::string> namesAfterRestart(int file) const {
        DataStore restarted(folder.path());
        restarted.openDataFiles();
        std::vector<std::string> names;
        for (std::int32_t i = 1; i <= restarted.count(file); ++i) {
            const auto code = restarted.read<CodeRecord>(file, i);
            EXPECT_EQ(code.recNo, i);
            names.push_back(code.name.trimmed());
        }
        return names;
    }

    TempFolder folder;
    DataStore store{folder.path()};
};

class CompactDeleteTest : public CompactTest, public ::testing::WithParamInterface<std::tuple<int, std::int32_t>> {};

INSTANTIATE_TEST_SUITE_P(ListsAndRecords, CompactDeleteTest,
                         ::testing::Combine(::testing::Values(files::kSubjects, files::kViolationTypes),
                                            ::testing::Values(1, 2, 5)));

TEST_P(CompactDeleteTest, LaterRecordsMoveDownRenumbered) {
    const auto [file, record] = GetParam();
    openWithFiveRecords(file);
    EXPECT_EQ(store.compactListFile(file, record), CompactResult::Deleted);

    const auto remaining = without(kNames, record);
    EXPECT_EQ(firstDifference(fileBytes(pathOf(file)), listImage(remaining)), "");
    EXPECT_EQ(store.count(file), 4);
    EXPECT_FALSE(scratchExists());
    for (std::int32_t i = 1; i <= 4; ++i) {
        const auto code = store.read<CodeRecord>(file, i);
        EXPECT_EQ(code.recNo, i);
        EXPECT_EQ(code.name.trimmed(), remaining[static_cast<std::size_t>(i - 1)]);
    }

    // The store keeps writing to the new list file.
    CodeRecord added;
    added.name.assign("موسيقى");
    EXPECT_EQ(store.append(file, added), 5);
    auto expected = remaining;
    expected.push_back("موسيقى");
    EXPECT_EQ(namesAfterRestart(file), expected);
}

TEST_F(CompactTest, RecordOutsideTheListChangesNothing) {
    openWithFiveRecords(files::kSubjects);
    for (std::int32_t record : {6, 0, -1, 100}) {
        SCOPED_TRACE(record);
        EXPECT_EQ(store.compactListFile(files::kSubjects, record), CompactResult::BeyondEnd);
        EXPECT_EQ(fileBytes(pathOf(files::kSubjects)), listImage(kNames));
        EXPECT_EQ(store.count(files::kSubjects), 5);
        EXPECT_FALSE(scratchExists());
    }
}

TEST_F(CompactTest, StaleScratchFileLeavesNothingBehindInTheList) {
    writeFileBytes(folder / "moad.tmp", Bytes(34 * 10, 0xEE));
    openWithFiveRecords(files::kSubjects);
    EXPECT_EQ(store.compactListFile(files::kSubjects, 2), CompactResult::Deleted);
    EXPECT_EQ(fileBytes(pathOf(files::kSubjects)), listImage(without(kNames, 2)));
    EXPECT_EQ(store.count(files::kSubjects), 4);
    EXPECT_FALSE(scratchExists());
}

TEST_F(CompactTest, ScratchFileThatCannotBeCreatedKeepsTheOldList) {
    openWithFiveRecords(files::kViolationTypes);
    fs::create_directory(folder / "moad.tmp");
    try {
        store.compactListFile(files::kViolationTypes, 2);
        ADD_FAILURE() << "compacted through a folder";
    } catch (const StoreError& error) {
        EXPECT_NE(std::string(error.what()).find("المخالفات.mdb"), std::string::npos) << error.what();
    }
    EXPECT_EQ(fileBytes(pathOf(files::kViolationTypes)), listImage(kNames));
    EXPECT_EQ(store.count(files::kViolationTypes), 5);
    EXPECT_EQ(store.read<CodeRecord>(files::kViolationTypes, 5).name.trimmed(), kNames[4]);
}

class CompactCrashTest : public CompactTest, public ::testing::WithParamInterface<CompactStep> {};

INSTANTIATE_TEST_SUITE_P(Steps, CompactCrashTest,
                         ::testing::Values(CompactStep::ScratchWritten, CompactStep::ScratchSynced,
                                           CompactStep::Renamed),
                         [](const auto& param) { return ::testing::PrintToString(param.param); });

TEST_P(CompactCrashTest, ListOnDiskIsWhollyOldOrWhollyNew) {
    const CompactStep crashAt = GetParam();
    openWithFiveRecords(files::kSubjects);
    const Bytes oldList = listImage(kNames);
    const Bytes newList = listImage(without(kNames, 2));
    std::vector<CompactStep> steps;
    store.compactStepHook = [&](CompactStep step) {
        steps.push_back(step);
        if (step == crashAt)
            throw SimulatedCrash{};
    };
    EXPECT_THROW(store.compactListFile(files::kSubjects, 2), SimulatedCrash);
    ASSERT_FALSE(steps.empty());
    EXPECT_EQ(steps.back(), crashAt);

    const bool renamed = crashAt == CompactStep::Renamed;
    const Bytes disk = fileBytes(pathOf(files::kSubjects));
    EXPECT_EQ(firstDifference(disk, renamed ? newList : oldList), "");
    EXPECT_FALSE(scratchExists());
    EXPECT_EQ(store.count(files::kSubjects), renamed ? 4 : 5);
    EXPECT_EQ(store.read<CodeRecord>(files::kSubjects, 2).name.trimmed(), kNames[renamed ? 2 : 1]);
    EXPECT_EQ(namesAfterRestart(files::kSubjects), renamed ? without(kNames, 2) : kNames);

    // Without the crash the same store finishes the deletion.
    store.compactStepHook = nullptr;
    if (!renamed) {
        EXPECT_EQ(store.compactListFile(files::kSubjects, 2), CompactResult::Deleted);
        EXPECT_EQ(fileBytes(pathOf(files::kSubjects)), newList);
        EXPECT_FALSE(scratchExists());
    }
    EXPECT_EQ(namesAfterRestart(files::kSubjects), without(kNames, 2));
}

} // namespace
