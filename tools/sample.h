#pragma once
// Writes the sample school into a data folder through the store.

#include <filesystem>

namespace velmora::tools {

struct SampleSummary {
    int subjects = 0;
    int violationTypes = 0;
    int skills = 0;
    int questions = 0;
    int classes = 0;
    int pupils = 0;
    int permissions = 0;
};

// Creates the folder if missing, opens (creates) the data files and writes the sample,
// syncing once at the end. Throws ToolError, before writing anything, when a data file of
// the folder already holds bytes or the path is not a folder.
SampleSummary writeSampleSchool(const std::filesystem::path& folder);

} // namespace velmora::tools
