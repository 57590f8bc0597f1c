#include "tools/data_tool.h"

#include "tools/dump.h"
#include "tools/sample.h"

#include <charconv>
#include <cstdint>
#include <limits>
#include <optional>

namespace velmora::tools {
namespace {

constexpr std::string_view kUsage =
    "usage: velmora-data sample DIR\n"
    "       velmora-data dump DIR FILE [RECORD]\n"
    "\n"
    "  sample  writes a sample school (subjects, violation types, skills, questions,\n"
    "          classes, answer permissions) into DIR, creating it if missing; refused\n"
    "          when a data file in DIR already holds records\n"
    "  dump    prints the records of FILE (a file number such as 4, or a name such as\n"
    "          sf41.mdb) as JSON, one object per line; only RECORD when given\n";

// A record number as typed; a number too large for 64 bits stays out of range as the
// largest (or smallest) value. Nothing when the text is not a whole number.
std::optional<std::int64_t> recordArgument(std::string_view text) {
    std::int64_t value = 0;
    const char* end = text.data() + text.size();
    const auto parsed = std::from_chars(text.data(), end, value);
    if (text.empty() || parsed.ptr != end)
        return std::nullopt;
    if (parsed.ec == std::errc::result_out_of_range)
        return text.front() == '-' ? std::numeric_limits<std::int64_t>::min()
                                   : std::numeric_limits<std::int64_t>::max();
    if (parsed.ec != std::errc{})
        return std::nullopt;
    return value;
}

} // namespace

int runDataTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const auto usage = [&] {
        err << kUsage;
        return 2;
    };
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        out << kUsage;
        return 0;
    }
    if (args.size() < 2 || args[1].empty())
        return usage();
    const std::string& command = args[0];
    try {
        if (command == "sample" && args.size() == 2) {
            const SampleSummary s = writeSampleSchool(args[1]);
            out << "sample school written to " << args[1] << ": " << s.subjects << " subjects, "
                << s.violationTypes << " violation types, " << s.skills << " skills, "
                << s.questions << " questions, " << s.classes << " classes of " << s.pupils
                << " pupils, " << s.permissions << " answer permissions\n";
            return 0;
        }
        if (command == "dump" && (args.size() == 3 || args.size() == 4)) {
            std::optional<std::int64_t> record;
            if (args.size() == 4) {
                record = recordArgument(args[3]);
                if (!record)
                    return usage();
            }
            dumpRecords(args[1], args[2], record, out);
            return 0;
        }
    } catch (const std::exception& e) {
        out.flush();
        err << "velmora-data: " << e.what() << '\n';
        return 1;
    }
    return usage();
}

} // namespace velmora::tools
