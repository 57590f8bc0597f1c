// Array fields refuse every index outside their declared bounds, and a refused access
// leaves the record exactly as it was.

#include "store/records_codec.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <numeric>
#include <string>

using namespace velmora::store;

namespace {

// A class record whose every array element holds a distinct value.
ClassRecord numberedRecord() {
    ClassRecord r;
    std::iota(r.score.elements().begin(), r.score.elements().end(), std::int16_t{1});
    std::iota(r.lastYear.elements().begin(), r.lastYear.elements().end(), std::int16_t{1});
    std::iota(r.violationType.elements().begin(), r.violationType.elements().end(), std::int16_t{1});
    for (std::size_t i = 0; i < r.info.elements().size(); ++i)
        r.info.elements()[i].assign(std::to_string(i));
    return r;
}

TEST(BoundedArray, ScoreRefusesEveryIndexOutsideItsBounds) {
    const std::array<std::array<int, 3>, 8> rows = {{
        {21, 0, 0}, {0, 41, 0}, {0, 0, 3}, {-1, 0, 0}, {0, -1, 0}, {0, 0, -1}, {21, 41, 3},
        {std::numeric_limits<int>::min(), 0, 0},
    }};
    ClassRecord r = numberedRecord();
    const auto image = encode(r);
    for (const auto& [s, k, x] : rows) {
        SCOPED_TRACE(testing::Message() << s << "," << k << "," << x);
        EXPECT_EQ(r.score.find(s, k, x), nullptr);
        EXPECT_FALSE(r.score.get(s, k, x).has_value());
        EXPECT_FALSE(r.score.set({s, k, x}, 999));
    }
    EXPECT_TRUE(encode(r) == image);
}

TEST(BoundedArray, OneAndTwoDimensionalFieldsRefuseOutOfBounds) {
    ClassRecord r = numberedRecord();
    const auto image = encode(r);
    const std::array<std::array<int, 2>, 4> days = {{{21, 0}, {0, 41}, {-1, 40}, {20, -1}}};
    for (const auto& [s, k] : days) {
        EXPECT_EQ(r.lastYear.find(s, k), nullptr) << s << "," << k;
        EXPECT_FALSE(r.lastYear.get(s, k).has_value());
        EXPECT_FALSE(r.lastYear.set({s, k}, 1));
    }
    for (int e : {101, -1, 1000}) {
        EXPECT_EQ(r.violationType.find(e), nullptr) << e;
        EXPECT_FALSE(r.violationType.set({e}, 1));
        EXPECT_EQ(r.violationDate.find(e), nullptr);
        EXPECT_FALSE(r.violationTime.get(e).has_value());
    }
    for (int slot : {10, -1}) {
        EXPECT_EQ(r.info.find(slot), nullptr) << slot;
        EXPECT_FALSE(r.info.set({slot}, Text<40>("x")));
    }
    EXPECT_TRUE(encode(r) == image);

    QuestionRecord q;
    EXPECT_EQ(q.choice.find(6), nullptr);
    SkillRecord skill;
    EXPECT_EQ(skill.code.find(0, 6), nullptr);
    EXPECT_EQ(skill.skillName.find(21), nullptr);
    StudentRecord student;
    EXPECT_EQ(student.numbers.find(16), nullptr);
}

// An index of a wider type must not wrap around into the bounds.
TEST(BoundedArray, WideIndicesAreRefusedNotWrapped) {
    ClassRecord r = numberedRecord();
    const auto image = encode(r);
    const std::int64_t wrapsToThree = (std::int64_t{1} << 32) + 3;
    EXPECT_EQ(r.violationType.find(wrapsToThree), nullptr);
    EXPECT_FALSE(r.violationType.get(std::size_t{101}).has_value());
    EXPECT_FALSE(r.violationType.get(std::numeric_limits<std::size_t>::max()).has_value());
    EXPECT_EQ(r.score.find(0, std::int64_t{1} << 32, 0), nullptr);
    EXPECT_EQ(r.lastYear.find(std::uint32_t{1} << 31, 0), nullptr);
    EXPECT_TRUE(encode(r) == image);
}

TEST(BoundedArray, CornersAreAcceptedAndAddressTheirOwnElement) {
    ClassRecord r;
    ASSERT_TRUE(r.score.set({20, 40, 2}, 5));
    ASSERT_TRUE(r.score.set({0, 0, 0}, 6));
    EXPECT_EQ(r.score.get(20, 40, 2), 5);
    EXPECT_EQ(r.score.get(0, 0, 0), 6);
    EXPECT_EQ(r.score.elements().back(), 5);
    EXPECT_EQ(r.score.elements().front(), 6);
    EXPECT_EQ(std::count(r.score.elements().begin(), r.score.elements().end(), 0),
              static_cast<std::ptrdiff_t>(r.score.elements().size() - 2));
    ASSERT_NE(r.violationType.find(100), nullptr);
    EXPECT_EQ(r.violationType.find(100), &r.violationType.elements()[100]);
}

} // namespace
