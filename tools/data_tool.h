#pragma once
// velmora-data: writes a sample school into a data folder and prints data files as JSON.

#include <ostream>
#include <string>
#include <vector>

namespace velmora::tools {

// Runs the tool on its arguments (program name excluded). Returns the exit status:
// 0 done, 1 refused or failed (message on err), 2 wrong arguments (usage on err).
int runDataTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace velmora::tools
