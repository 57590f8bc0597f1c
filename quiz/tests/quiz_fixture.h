#pragma once
// A grade-4 class with one subject, three skills and their questions, for quiz tests.

#include "platform/testing/fake_services.h"
#include "store/testing/test_folder.h"
#include "quiz/quiz_logic.h"
#include "store/testing/school_builder.h"

#include <gtest/gtest.h>

namespace velmora::quiz::testing {

class QuizFixture : public ::testing::Test {
protected:
    void SetUp() override {
        folder = store::testing::testFolder("quiz");
        store = std::make_unique<store::DataStore>(folder);
        store::testing::SchoolBuilder school(*store);
        store->today = "1447/06/18    ";
        math = school.subject("الرياضيات");
        school.subject("العلوم");
        // Skill position 0 has three questions, position 1 one, position 2 none.
        q1 = school.question(4, math, 0, "الجمع", "2 + 3 =", {"4", "5", "6"}, 1);
        q2 = school.question(4, math, 0, "الجمع", "4 + 4 =", {"8", "9"}, 0);
        school.question(5, math, 0, "الجمع", "other grade", {"a", "b"}, 0);
        school.question(4, math + 1, 0, "الجمع", "other subject", {"a", "b"}, 0);
        q3 = school.question(4, math, 0, "  الجمع ", "1 + 1 =", {"1", "2", "3", "", "5", "6"}, 1);
        q4 = school.question(4, math, 1, "الطرح", "5 - 2 =", {"3", "2"}, 0);
        pupil = school.pupil(4, 2, {"سالم", "احمد"}, "  8471 ");
        school.pupil(4, 2, {"فهد"}, "1111");
        builder = std::make_unique<store::testing::SchoolBuilder>(*store);
    }

    QuizContext context() const {
        QuizContext c;
        c.grade = 4;
        c.gradeText = QStringLiteral("4");
        c.section = 2;
        c.subject = math;
        c.subjectName = QStringLiteral("الرياضيات");
        c.pupil = pupil;
        c.pupilName = QStringLiteral("سالم احمد");
        return c;
    }

    std::vector<std::uint8_t> fileBytes(int file) const {
        std::vector<std::uint8_t> bytes;
        const auto fileSpec = store::findFile(file);
        const std::int32_t n = store->wholeRecordCount(file);
        for (std::int32_t i = 1; i <= n; ++i) {
            std::vector<std::uint8_t> record(static_cast<std::size_t>(fileSpec->recordLength));
            store->readRecord(file, i, record);
            bytes.insert(bytes.end(), record.begin(), record.end());
        }
        return bytes;
    }

    std::filesystem::path folder;
    std::unique_ptr<store::DataStore> store;
    std::unique_ptr<store::testing::SchoolBuilder> builder;
    platform::testing::FakeServices fakes;
    int math = 0;
    std::int32_t q1 = 0, q2 = 0, q3 = 0, q4 = 0, pupil = 0;
};

inline QString text(const char16_t* value) { return QString::fromUtf16(value); }

} // namespace velmora::quiz::testing
