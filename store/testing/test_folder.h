#pragma once
// A fresh, empty scratch folder for the running test. Test cases may run in separate
// processes at the same time, so each gets its own: <scratch>/<area>/<suite>/<test>.

#include "store/testing/school_builder.h"

#include <gtest/gtest.h>

namespace velmora::store::testing {

inline std::filesystem::path testFolder(const char* area) {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    return freshFolder(std::filesystem::path(VELMORA_TEST_TMP) / area / info->test_suite_name(),
                       info->name());
}

} // namespace velmora::store::testing
