// The open data folder: creating and opening the fifty files, record counts, whole-record
// reads and writes, walking records in runs, and files that cannot be opened.

#include "store/data_store.h"
#include "store_test_support.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

using namespace velmora::store;
using namespace velmora::store::testing;

namespace {

// Image of record n of a file: its number, then bytes that differ from record to record.
Bytes recordImage(std::size_t length, std::int32_t n) {
    Bytes image(length);
    for (std::size_t k = 0; k < length; ++k)
        image[k] = static_cast<std::uint8_t>((static_cast<std::size_t>(n) * 131 + k * 7) % 251 + 1);
    const Bytes number = i32(n);
    std::copy(number.begin(), number.end(), image.begin());
    return image;
}

Bytes fileOf(std::size_t length, std::int32_t records) {
    Bytes bytes;
    bytes.reserve(length * static_cast<std::size_t>(records));
    for (std::int32_t n = 1; n <= records; ++n) {
        const Bytes image = recordImage(length, n);
        bytes.insert(bytes.end(), image.begin(), image.end());
    }
    return bytes;
}

class DataStoreTest : public ::testing::Test {
protected:
    fs::path pathOf(int file) const { return folder / findFile(file)->name; }
    Bytes readRaw(int file, std::int32_t record) const {
        Bytes bytes(static_cast<std::size_t>(findFile(file)->recordLength), 0xCC); // not zero: reads must fill it
        store.readRecord(file, record, bytes);
        return bytes;
    }

    TempFolder folder;
    DataStore store{folder.path()};
};

TEST_F(DataStoreTest, OpeningAnEmptyFolderCreatesTheFiftyFilesEmpty) {
    store.openDataFiles();
    std::set<std::string> onDisk;
    for (const auto& entry : fs::directory_iterator(folder.path())) {
        onDisk.insert(entry.path().filename().native());
        EXPECT_TRUE(entry.is_regular_file()) << entry.path();
        EXPECT_EQ(entry.file_size(), 0u) << entry.path();
    }
    std::set<std::string> expected;
    for (const auto& fileSpec : dataFiles()) {
        expected.insert(std::string(fileSpec.name));
        EXPECT_EQ(store.count(fileSpec.number), 0) << fileSpec.name;
    }
    EXPECT_EQ(onDisk, expected);
    EXPECT_EQ(onDisk.size(), 50u);
    EXPECT_FALSE(onDisk.contains("moad.tmp"));
    // The subjects list, named in UTF-8 byte for byte.
    EXPECT_TRUE(onDisk.contains("\xd8\xa7\xd9\x84\xd9\x85\xd9\x88\xd8\xa7\xd8\xaf.mdb"));
}

TEST_F(DataStoreTest, OpeningKeepsExistingFilesAndCountsTheirRecords) {
    const Bytes subjects = fileOf(34, 3);
    writeFileBytes(pathOf(files::kSubjects), subjects);
    writeFileBytes(pathOf(files::kPermissions), Bytes(16 * 5 / 2)); // 2.5 records
    writeFileBytes(pathOf(files::kAnswers), Bytes(686 * 7 / 2));     // 3.5 records
    store.openDataFiles();
    EXPECT_EQ(store.count(files::kSubjects), 3);
    EXPECT_EQ(store.count(files::kPermissions), 2);
    EXPECT_EQ(store.count(files::kAnswers), 4);
    EXPECT_EQ(fileBytes(pathOf(files::kSubjects)), subjects);
    EXPECT_EQ(readRaw(files::kSubjects, 3), recordImage(34, 3));
}

TEST_F(DataStoreTest, RecordCountRoundsHalvesToEvenWholeRecordCountRoundsDown) {
    struct Row {
        std::size_t length;
        std::int32_t rounded, whole;
    };
    const Row rows[] = {{0, 0, 0},   {16, 0, 0},  {17, 0, 0},  {18, 1, 0},  {34, 1, 1},
                        {51, 2, 1},  {85, 2, 2},  {101, 3, 2}, {102, 3, 3}, {119, 4, 3}};
    store.openDataFiles();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.length);
        writeFileBytes(pathOf(files::kViolationTypes), Bytes(row.length, 'x'));
        EXPECT_EQ(store.fileLength(files::kViolationTypes), static_cast<std::int64_t>(row.length));
        EXPECT_EQ(store.recordCount(files::kViolationTypes), row.rounded);
        EXPECT_EQ(store.wholeRecordCount(files::kViolationTypes), row.whole);
        EXPECT_EQ(store.refreshCount(files::kViolationTypes), row.rounded);
        EXPECT_EQ(store.count(files::kViolationTypes), row.rounded);
    }
}

TEST_F(DataStoreTest, PartialLastRecordReadsAsItsBytesThenZeros) {
    const Bytes whole = fileOf(34, 2);
    writeFileBytes(pathOf(files::kSubjects), Bytes(whole.begin(), whole.begin() + 34 + 17));
    store.openDataFiles();
    Bytes expected = recordImage(34, 2);
    std::fill(expected.begin() + 17, expected.end(), 0);
    EXPECT_EQ(readRaw(files::kSubjects, 1), recordImage(34, 1));
    EXPECT_EQ(readRaw(files::kSubjects, 2), expected);
    EXPECT_EQ(readRaw(files::kSubjects, 3), Bytes(34, 0));
}

TEST_F(DataStoreTest, ReadingRecord41OfA40RecordSkillsFileGivesZeros) {
    writeFileBytes(pathOf(7), fileOf(2776, 40));
    store.openDataFiles();
    EXPECT_EQ(store.count(7), 40);
    EXPECT_EQ(readRaw(7, 40), recordImage(2776, 40));
    EXPECT_EQ(readRaw(7, 41), Bytes(2776, 0));
    const auto skill = store.read<SkillRecord>(7, 41);
    EXPECT_TRUE(skill == SkillRecord{});
    EXPECT_TRUE(skill.skillName.find(0)->neverWritten());
}

TEST_F(DataStoreTest, AppendWritesAtCountPlusOneWithItsNumber) {
    store.openDataFiles();
    CodeRecord subject;
    subject.recNo = 99;
    subject.name.assign("علوم");
    EXPECT_EQ(store.append(files::kSubjects, subject), 1);
    subject.name.assign("رياضيات");
    EXPECT_EQ(store.append(files::kSubjects, subject), 2);
    EXPECT_EQ(store.count(files::kSubjects), 2);
    EXPECT_EQ(store.fileLength(files::kSubjects), 68);

    const Bytes disk = fileBytes(pathOf(files::kSubjects));
    EXPECT_EQ(Bytes(disk.begin() + 34, disk.begin() + 38), i32(2));
    const auto second = store.read<CodeRecord>(files::kSubjects, 2);
    EXPECT_EQ(second.recNo, 2);
    EXPECT_EQ(second.name.trimmed(), "رياضيات");
    EXPECT_EQ(store.read<CodeRecord>(files::kSubjects, 1).name.trimmed(), "علوم");

    // After another writer grew the file, a refreshed count appends behind it.
    writeFileBytes(pathOf(files::kSubjects), fileOf(34, 4));
    EXPECT_EQ(store.refreshCount(files::kSubjects), 4);
    EXPECT_EQ(store.append(files::kSubjects, subject), 5);
    EXPECT_EQ(store.read<CodeRecord>(files::kSubjects, 5).recNo, 5);
}

TEST_F(DataStoreTest, WriteReplacesARecordInPlace) {
    writeFileBytes(pathOf(files::kPermissions), fileOf(16, 3));
    store.openDataFiles();
    PermissionRecord permission;
    permission.recNo = 2;
    permission.mode = PermissionRecord::kRandom;
    store.write(files::kPermissions, 2, permission);

    Bytes expected = fileOf(16, 3);
    const auto image = encode(permission);
    std::copy(image.begin(), image.end(), expected.begin() + 16);
    EXPECT_EQ(fileBytes(pathOf(files::kPermissions)), expected);
    EXPECT_EQ(store.count(files::kPermissions), 3);
    EXPECT_TRUE(store.read<PermissionRecord>(files::kPermissions, 2) == permission);
}

TEST_F(DataStoreTest, RecordNumbersBelowOneAreRefused) {
    writeFileBytes(pathOf(files::kSubjects), fileOf(34, 2));
    store.openDataFiles();
    Bytes buffer(34);
    for (std::int32_t record : {0, -1}) {
        SCOPED_TRACE(record);
        EXPECT_THROW(store.readRecord(files::kSubjects, record, buffer), StoreError);
        EXPECT_THROW(store.writeRecord(files::kSubjects, record, buffer), StoreError);
        EXPECT_THROW(store.forEachRecord(files::kSubjects, record, 2, [](auto, auto) {}), StoreError);
    }
    EXPECT_EQ(fileBytes(pathOf(files::kSubjects)), fileOf(34, 2));
    try {
        store.readRecord(files::kSubjects, 0, buffer);
    } catch (const StoreError& error) {
        EXPECT_NE(std::string(error.what()).find("المواد.mdb"), std::string::npos) << error.what();
    }
}

struct WalkRow {
    const char* what;
    int file;
    std::int32_t records, first, last;
};

class ForEachRecordTest : public DataStoreTest, public ::testing::WithParamInterface<WalkRow> {};

// A run holds 1 MiB of records: 65536 permissions or 77 pupils.
INSTANTIATE_TEST_SUITE_P(
    Runs, ForEachRecordTest,
    ::testing::Values(WalkRow{"all permissions and past the end", files::kPermissions, 65546, 1, 65550},
                      WalkRow{"permissions across a run", files::kPermissions, 65546, 65530, 65540},
                      WalkRow{"all pupils and past the end", 11, 80, 1, 85},
                      WalkRow{"pupils across a run", 11, 80, 76, 79},
                      WalkRow{"one record", files::kSubjects, 3, 2, 2},
                      WalkRow{"nothing when last is before first", files::kSubjects, 3, 3, 2},
                      WalkRow{"empty file", files::kSubjects, 0, 1, 3}),
    [](const auto& param) {
        std::string name = param.param.what;
        for (char& c : name)
            if (!std::isalnum(static_cast<unsigned char>(c)))
                c = '_';
        return name;
    });

TEST_P(ForEachRecordTest, VisitsEachRecordWithItsBytesAndZerosPastTheEnd) {
    const WalkRow& row = GetParam();
    const auto length = static_cast<std::size_t>(findFile(row.file)->recordLength);
    writeFileBytes(pathOf(row.file), fileOf(length, row.records));
    store.openDataFiles();
    std::int32_t expected = row.first;
    store.forEachRecord(row.file, row.first, row.last, [&](std::int32_t n, std::span<const std::uint8_t> bytes) {
        ASSERT_EQ(n, expected);
        ++expected;
        const Bytes want = n <= row.records ? recordImage(length, n) : Bytes(length, 0);
        ASSERT_EQ(firstDifference(bytes, want), "") << "record " << n;
    });
    EXPECT_EQ(expected, std::max(row.first, row.last + 1));
}

TEST_F(DataStoreTest, ForEachRecordStopsWhenAskedTo) {
    writeFileBytes(pathOf(11), fileOf(13564, 80));
    store.openDataFiles();
    for (std::int32_t stopAt : {1, 77, 78, 80}) {
        std::vector<std::int32_t> visited;
        store.forEachRecord(11, 1, 100, [&](std::int32_t n, std::span<const std::uint8_t> bytes) {
            visited.push_back(n);
            EXPECT_EQ(firstDifference(bytes, recordImage(13564, n)), "");
            return n < stopAt;
        });
        ASSERT_EQ(visited.size(), static_cast<std::size_t>(stopAt));
        EXPECT_EQ(visited.back(), stopAt);
    }
}

TEST_F(DataStoreTest, AFileThatCannotBeOpenedIsNamedInTheError) {
    // A folder in place of a data file; permission bits would not stop root.
    int tag = 0;
    for (std::string_view name : {"msand.mdb", "sf42.mdb", "المواد.mdb", "المخالفات.mdb"}) {
        SCOPED_TRACE(std::string(name));
        TempFolder other("blocked" + std::to_string(tag++));
        fs::create_directory(other / name);
        DataStore blocked(other.path());
        try {
            blocked.openDataFiles();
            ADD_FAILURE() << "opened a folder as a data file";
        } catch (const StoreError& error) {
            EXPECT_NE(std::string(error.what()).find(name), std::string::npos) << error.what();
        }
    }
}

TEST_F(DataStoreTest, UsingAFileBeforeOpeningIsAnErrorNamingIt) {
    Bytes buffer(34);
    try {
        store.readRecord(files::kViolationTypes, 1, buffer);
        ADD_FAILURE() << "read from a file that was never opened";
    } catch (const StoreError& error) {
        EXPECT_NE(std::string(error.what()).find("المخالفات.mdb"), std::string::npos) << error.what();
    }
    store.openDataFiles();
    Bytes tooShort(33);
    EXPECT_THROW(store.readRecord(files::kSubjects, 1, tooShort), std::invalid_argument);
}

} // namespace
