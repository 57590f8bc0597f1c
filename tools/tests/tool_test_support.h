#pragma once
// A fresh scratch folder per test and a way to run the tool in-process.

#include "tools/data_tool.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace velmora::tools::testing {

struct ToolRun {
    int status;
    std::string out;
    std::string err;
};

inline ToolRun runTool(const std::vector<std::string>& args) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = runDataTool(args, out, err);
    return {status, out.str(), err.str()};
}

// Gives each test its own folder (not yet created) under the build's scratch folder.
class ToolFolderTest : public ::testing::Test {
protected:
    ToolFolderTest() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir = std::filesystem::path(VELMORA_TEST_TMP) / "datatool" /
              (std::string(info->test_suite_name()) + "." + info->name() + "." +
               std::to_string(::getpid()));
        std::filesystem::remove_all(dir);
    }
    ~ToolFolderTest() override {
        std::error_code ec;
        std::filesystem::remove_all(dir, ec);
    }

    std::filesystem::path dir;
};

} // namespace velmora::tools::testing
