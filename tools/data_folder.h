#pragma once
// Paths of the data files in a folder, and the error a command reports to the user.

#include "store/file_table.h"

#include <filesystem>
#include <stdexcept>

namespace velmora::tools {

// A refused command: what() is the message for stderr; the tool exits with status 1.
class ToolError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

inline std::filesystem::path dataFilePath(const std::filesystem::path& folder,
                                          const store::FileSpec& dataFile) {
    return folder /
           std::filesystem::path(std::u8string(dataFile.name.begin(), dataFile.name.end()));
}

} // namespace velmora::tools
