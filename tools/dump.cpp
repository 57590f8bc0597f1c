#include "tools/dump.h"

#include "store/data_store.h"
#include "tools/data_folder.h"
#include "tools/record_json.h"

#include <charconv>
#include <string>

namespace velmora::tools {
namespace {

namespace fs = std::filesystem;

template <class R>
void printRecords(const store::DataStore& store, int file, std::int32_t first, std::int32_t last,
                  std::ostream& out) {
    store.forEachRecord(file, first, last,
                        [&](std::int32_t n, std::span<const std::uint8_t> bytes) {
                            out << recordJson(n, store::decode<R>(bytes)) << '\n';
                        });
}

void printRecords(const store::DataStore& store, const store::FileSpec& dataFile,
                  std::int32_t first, std::int32_t last, std::ostream& out) {
    using store::RecordType;
    switch (dataFile.type) {
    case RecordType::Student:
        return printRecords<store::StudentRecord>(store, dataFile.number, first, last, out);
    case RecordType::Class:
        return printRecords<store::ClassRecord>(store, dataFile.number, first, last, out);
    case RecordType::Skill:
        return printRecords<store::SkillRecord>(store, dataFile.number, first, last, out);
    case RecordType::Code:
        return printRecords<store::CodeRecord>(store, dataFile.number, first, last, out);
    case RecordType::Question:
        return printRecords<store::QuestionRecord>(store, dataFile.number, first, last, out);
    case RecordType::Answer:
        return printRecords<store::AnswerRecord>(store, dataFile.number, first, last, out);
    case RecordType::Permission:
        return printRecords<store::PermissionRecord>(store, dataFile.number, first, last, out);
    }
    throw std::logic_error("unknown record type");
}

// Opening the store creates every missing data file; a dump must not write, so it
// refuses a folder that lacks one.
void requireDataFiles(const fs::path& folder, const store::FileSpec& wanted) {
    std::error_code ec;
    if (!fs::is_directory(folder, ec))
        throw ToolError(folder.string() + " is not a folder");
    if (!fs::is_regular_file(dataFilePath(folder, wanted), ec))
        throw ToolError(folder.string() + " has no file " + std::string(wanted.name));
    for (const auto& dataFile : store::dataFiles())
        if (!fs::is_regular_file(dataFilePath(folder, dataFile), ec))
            throw ToolError(folder.string() + " is not a complete data folder: " +
                            std::string(dataFile.name) + " is missing");
}

} // namespace

const store::FileSpec* dataFileOf(std::string_view numberOrName) {
    int number = 0;
    const char* end = numberOrName.data() + numberOrName.size();
    const auto parsed = std::from_chars(numberOrName.data(), end, number);
    const bool numeric = !numberOrName.empty() && parsed.ec == std::errc{} && parsed.ptr == end;
    for (const auto& dataFile : store::dataFiles())
        if (numeric ? dataFile.number == number : dataFile.name == numberOrName)
            return &dataFile;
    return nullptr;
}

void dumpRecords(const fs::path& folder, std::string_view file, std::optional<std::int64_t> record,
                 std::ostream& out) {
    const store::FileSpec* dataFile = dataFileOf(file);
    if (dataFile == nullptr)
        throw ToolError("unknown data file: " + std::string(file));
    requireDataFiles(folder, *dataFile);

    store::DataStore store(folder);
    store.openDataFiles();
    const std::int32_t count = store.count(dataFile->number);
    if (record && (*record < 1 || *record > count))
        throw ToolError("record " + std::to_string(*record) + " is not a record of " +
                        std::string(dataFile->name) + ", which holds " + std::to_string(count));
    const auto first = record ? static_cast<std::int32_t>(*record) : 1;
    const auto last = record ? static_cast<std::int32_t>(*record) : count;
    printRecords(store, *dataFile, first, last, out);
}

} // namespace velmora::tools
