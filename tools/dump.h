#pragma once
// Prints the records of one data file as JSON, one object per line.

#include "store/file_table.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <ostream>
#include <string_view>

namespace velmora::tools {

// A data file of the folder by its number ("4") or its name ("المواد.mdb"); nothing for
// anything else (the compaction's scratch file included).
const store::FileSpec* dataFileOf(std::string_view numberOrName);

// Prints every record of the file, or only `record`. Throws ToolError for an unknown file,
// a folder that lacks any data file (opening the store would create it) and a record
// outside 1..record count.
void dumpRecords(const std::filesystem::path& folder, std::string_view file,
                 std::optional<std::int64_t> record, std::ostream& out);

} // namespace velmora::tools
