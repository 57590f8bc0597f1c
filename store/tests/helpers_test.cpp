// The small shared rules: numbers typed as text, rounding, pupil names, marks, and the
// file numbers of class and skills files.

#include "store/file_table.h"
#include "store/helpers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <initializer_list>
#include <set>
#include <string>

using namespace velmora::store;

namespace {

TEST(NumericValue, IsTheNumberTheTextStartsWith) {
    struct Row {
        const char* text;
        double value;
    };
    const Row rows[] = {
        {"6572abc", 6572}, {"", 0}, {"abc", 0}, {" 12", 12}, {"\t 8", 8}, {"-3.5", -3.5},
        {".5", 0.5}, {"1e3", 1000}, {"2.5E-1", 0.25}, {"1d2", 100}, {"1e", 1}, {"1e+", 1},
        {"+7", 7}, {"-", 0}, {".", 0}, {"12.", 12}, {"1.2.3", 1.2}, {"1 2 3", 123},
        {"4 .5", 4.5}, {"- 3", -3}, {"-.5", -0.5}, {"+.5", 0.5}, {"1.5e-3", 0.0015}, {"\u0661", 0}, {"x12", 0}, {"1e-400", 0},
    };
    for (const auto& row : rows)
        EXPECT_DOUBLE_EQ(numericValue(row.text), row.value) << '"' << row.text << '"';
    EXPECT_EQ(numericValue("1e400"), INFINITY);
    EXPECT_EQ(numericValue("-1e400"), -INFINITY);
}

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
    struct Row {
        double value;
        std::int64_t rounded;
    };
    const Row rows[] = {
        {2.5, 2}, {3.5, 4}, {-2.5, -2}, {-3.5, -4}, {0.5, 0}, {-0.5, 0}, {1.5, 2},
        {2.4999, 2}, {2.5001, 3}, {-2.5001, -3}, {7, 7}, {32767.5, 32768},
    };
    for (const auto& row : rows)
        EXPECT_EQ(roundHalfEven(row.value), row.rounded) << row.value;
}

TEST(IntegerValue, RoundsAndRefusesWhatDoesNotFitSixteenBits) {
    struct Row {
        const char* text;
        std::optional<std::int16_t> value;
    };
    const Row rows[] = {
        {"12", 12}, {"2.5", 2}, {"3.5", 4}, {"-2.5", -2}, {"abc", 0}, {"", 0},
        {"32767", 32767}, {"32767.4", 32767}, {"32767.5", std::nullopt}, {"32768", std::nullopt},
        {"-32768", -32768}, {"-32768.5", -32768}, {"-32768.6", std::nullopt}, {"-32769", std::nullopt},
        {"70000", std::nullopt}, {"1e5", std::nullopt}, {"1e400", std::nullopt}, {"1e-400", 0},
    };
    for (const auto& row : rows)
        EXPECT_EQ(integerValue(row.text), row.value) << '"' << row.text << '"';
}

TEST(DivideHalfEven, RoundsQuotientHalvesToEven) {
    struct Row {
        std::int64_t numerator, denominator, quotient;
    };
    const Row rows[] = {
        {0, 34, 0}, {16, 34, 0}, {17, 34, 0}, {18, 34, 1}, {51, 34, 2}, {85, 34, 2},
        {119, 34, 4}, {102, 34, 3}, {13564 * 3 + 6782, 13564, 4}, {13564 * 2 + 6782, 13564, 2},
    };
    for (const auto& row : rows)
        EXPECT_EQ(divideHalfEven(row.numerator, row.denominator), row.quotient)
            << row.numerator << "/" << row.denominator;
}

TEST(PupilDisplayName, AppendsEachPartAfterOneSpaceAndTrims) {
    struct Row {
        const char* what;
        std::optional<std::string> parts[4]; // nothing = never written
        std::string name;
    };
    const Row rows[] = {
        {"four parts", {"Ali", "Hasan", "Omar", "Saad"}, "Ali Hasan Omar Saad"},
        {"whole name in part 0", {"محمد علي", std::nullopt, std::nullopt, std::nullopt}, "محمد علي"},
        {"parts 0 and 2", {"A", "", "C", ""}, "A C"},
        {"blank, A, blank, B", {"", "A", "", "B"}, "A B"},
        {"masked parts", {"A", "= 2 =", "C", "= 2 ="}, "A = 2 = C = 2 ="},
        // a part's own leading spaces stay: only the ends of the whole are trimmed
        {"spaces around parts", {"  Ali ", " Saad", std::nullopt, std::nullopt}, "Ali  Saad"},
        {"nothing written", {std::nullopt, std::nullopt, std::nullopt, std::nullopt}, ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        ClassRecord pupil;
        for (int k = 0; k < 4; ++k)
            if (row.parts[k])
                pupil.info.find(k)->assign(*row.parts[k]);
        const std::string name = pupilDisplayName(pupil);
        EXPECT_EQ(name, row.name);
        EXPECT_EQ(name.find('\0'), std::string::npos);
    }
}

TEST(MarkOf, TickAfterOneRightAnswerXForOnlyWrongOnes) {
    EXPECT_EQ(markOf(0, 0), Mark::Unanswered);
    EXPECT_EQ(markOf(0, 3), Mark::Wrong);
    EXPECT_EQ(markOf(1, 0), Mark::Right);
    EXPECT_EQ(markOf(1, 9), Mark::Right);
    EXPECT_EQ(markOf(32767, 0), Mark::Right);
}

TEST(FileTable, ClassFileNumbersAreGradeThenSectionDigit) {
    EXPECT_EQ(classFileNumber(3, 5), 35);
    ASSERT_NE(findFile(35), nullptr);
    EXPECT_EQ(findFile(35)->name, "sf35.mdb");
    for (int g = 1; g <= 6; ++g)
        for (int s = 1; s <= 6; ++s) {
            const auto number = classFileNumber(g, s);
            ASSERT_TRUE(number.has_value());
            const FileSpec* fileSpec = findFile(*number);
            ASSERT_NE(fileSpec, nullptr);
            EXPECT_EQ(fileSpec->name, "sf" + std::to_string(g) + std::to_string(s) + ".mdb");
            EXPECT_EQ(fileSpec->type, RecordType::Class);
        }
    for (auto [g, s] : std::initializer_list<std::pair<int, int>>{{0, 1}, {7, 1}, {1, 0}, {1, 7}, {-1, -1}})
        EXPECT_EQ(classFileNumber(g, s), std::nullopt) << g << "," << s;
}

TEST(FileTable, SkillsFileOfEachGrade) {
    const int expected[] = {7, 8, 9, 3, 5, 6};
    for (int g = 1; g <= 6; ++g) {
        const auto number = skillsFileOfGrade(g);
        ASSERT_EQ(number, expected[g - 1]) << g;
        EXPECT_EQ(findFile(*number)->name, "مهارات" + std::to_string(g) + ".mdb");
    }
    EXPECT_EQ(skillsFileOfGrade(0), std::nullopt);
    EXPECT_EQ(skillsFileOfGrade(7), std::nullopt);
}

TEST(FileTable, FiftyFilesInOpeningOrder) {
    const int order[] = {111, 1,  11, 12, 13, 14, 15, 16, 21, 22, 23, 24, 25, 26, 10, 31, 32,
                         33,  34, 35, 36, 41, 42, 43, 44, 45, 46, 51, 52, 53, 54, 55, 56, 61,
                         62,  63, 64, 65, 66, 2,  3,  5,  6,  7,  8,  9,  17, 18, 4,  19};
    std::set<std::string_view> names;
    for (std::size_t i = 0; i < dataFiles().size(); ++i) {
        const FileSpec& fileSpec = dataFiles()[i];
        EXPECT_EQ(fileSpec.number, order[i]) << i;
        EXPECT_EQ(findFile(fileSpec.number), &fileSpec);
        EXPECT_EQ(findFileByName(fileSpec.name), &fileSpec);
        EXPECT_EQ(fileSpec.counted, fileSpec.type != RecordType::Class) << fileSpec.name;
        names.insert(fileSpec.name);
    }
    EXPECT_EQ(names.size(), kDataFileCount);
    ASSERT_NE(findFile(files::kScratch), nullptr);
    EXPECT_EQ(findFile(files::kScratch)->name, "moad.tmp");
    EXPECT_FALSE(names.contains("moad.tmp"));
    EXPECT_EQ(findFile(0), nullptr);
    EXPECT_EQ(findFile(20), nullptr);
}

} // namespace
