#pragma once
// JSON string literals of UTF-8 text.

#include <string>
#include <string_view>

namespace velmora::tools {

// Appends text as a quoted JSON string: quotes, backslashes and control characters
// escaped, everything else (valid UTF-8) copied as it is.
void appendJsonString(std::string& out, std::string_view utf8);

} // namespace velmora::tools
