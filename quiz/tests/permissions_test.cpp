#include "platform/testing/fake_services.h"
#include "platform/testing/widget_testing.h"
#include "quiz/permissions_window.h"
#include "store/testing/school_builder.h"
#include "store/testing/test_folder.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

using namespace velmora;
using namespace velmora::quiz;
using Kind = PermissionState::Kind;

namespace {

using velmora::platform::testing::child;
using velmora::platform::testing::choose;

class PermissionsTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = store::testing::testFolder("permissions");
        store = std::make_unique<store::DataStore>(folder);
        school = std::make_unique<store::testing::SchoolBuilder>(*store);
        school->subject("لغتي");
        math = school->subject("الرياضيات");
        school->skill(4, math, 1, "الجمع", "الرياضيات");
        school->skill(4, math, 2, "الطرح", "الرياضيات");
        school->skill(4, math, 3, "الضرب", "الرياضيات");
        for (int i = 0; i < 3; ++i)
            school->question(4, math, 0, "الجمع", "سؤال الجمع " + std::to_string(i + 1), {"a", "b"}, 0);
        school->question(4, math, 1, "الطرح", "سؤال الطرح", {"a", "b"}, 0);
        school->question(4, math, 2, "الضرب", "سؤال 1", {"a", "b"}, 0);
        school->question(4, math, 2, "الضرب", "سؤال 2", {"a", "b"}, 0);
        for (const char* name : {"سالم", "فهد", "ماجد"})
            school->pupil(4, 2, {name}, "1");
    }

    // A window with grade 4, section 2, the subject and the skill chosen.
    std::unique_ptr<PermissionsWindow> open(int skill) {
        services.emplace(fakes.services());
        auto window = std::make_unique<PermissionsWindow>(*store, *services);
        choose(window->a, 4);
        choose(window->a1, 1);
        choose(window->Cox, math);
        choose(window->co, skill);
        return window;
    }
    std::vector<store::PermissionRecord> permissions() const {
        std::vector<store::PermissionRecord> all;
        for (std::int32_t n = 1; n <= store->recordCount(17); ++n)
            all.push_back(store->read<store::PermissionRecord>(17, n));
        return all;
    }

    std::filesystem::path folder;
    std::unique_ptr<store::DataStore> store;
    std::unique_ptr<store::testing::SchoolBuilder> school;
    platform::testing::FakeServices fakes;
    std::optional<platform::Services> services;
    int math = 0;
};

TEST_F(PermissionsTest, OpensOnGradeThreeWithTheFirstSubjectAndEmptyRows) {
    auto services_ = fakes.services();
    PermissionsWindow window(*store, services_);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("نتائج رابع"));
    EXPECT_EQ(window.a->currentText(), QStringLiteral("3"));
    EXPECT_EQ(window.a1->currentIndex(), -1);
    EXPECT_EQ(window.Cox->currentIndex(), 0);
    EXPECT_EQ(window.co->count(), 0);
    EXPECT_EQ(window.all->text(), QStringLiteral("ممنوع"));
    EXPECT_TRUE(window.l1[0]->text().isEmpty());
    // A subject chosen while the grade shows the prompt leaves the skill list empty.
    choose(window.a, 0);
    choose(window.Cox, math);
    EXPECT_EQ(window.co->count(), 0);
}

TEST_F(PermissionsTest, ImageClicksAppendOnceThenRewriteInPlace) {
    auto window = open(0);
    EXPECT_EQ(window->xx->text(), QStringLiteral("3"));
    EXPECT_EQ(window->aa1[0]->text(), QStringLiteral("ممنوع"));
    EXPECT_EQ(window->l1[2]->text(), QStringLiteral("ماجد"));
    EXPECT_TRUE(window->l1[3]->text().isEmpty());

    QTest::mouseClick(window->d[1], Qt::LeftButton);
    EXPECT_EQ(window->aa1[1]->text(), QStringLiteral("عشوائي"));
    auto all = permissions();
    ASSERT_EQ(all.size(), 1u);
    EXPECT_EQ(all[0].recNo, 1);
    EXPECT_EQ(std::tie(all[0].grade, all[0].section, all[0].subject, all[0].skill, all[0].pupil,
                       all[0].mode),
              std::make_tuple(std::int16_t{4}, std::int16_t{2}, std::int16_t(math), std::int16_t{0},
                              std::int16_t{2}, std::int16_t{100}));
    QTest::mouseClick(window->d[1], Qt::LeftButton);
    EXPECT_EQ(permissions().at(0).mode, 0);
    QTest::mouseClick(window->d[1], Qt::LeftButton);
    EXPECT_EQ(permissions().size(), 1u);
    EXPECT_EQ(permissions().at(0).mode, 100);
    // An empty row does nothing.
    QTest::mouseClick(window->d[5], Qt::LeftButton);
    EXPECT_EQ(permissions().size(), 1u);
}

TEST_F(PermissionsTest, StateTextStepsThroughTheQuestions) {
    auto window = open(0);
    QTest::mouseClick(window->d[0], Qt::LeftButton);
    std::vector<int> modes;
    QStringList texts;
    for (int i = 0; i < 4; ++i) {
        QTest::mouseClick(window->aa1[0], Qt::LeftButton);
        texts << window->aa1[0]->text();
        modes.push_back(permissions().at(0).mode);
    }
    EXPECT_EQ(texts, (QStringList{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                                  QStringLiteral("عشوائي")}));
    EXPECT_EQ(modes, (std::vector<int>{1, 2, 3, 100}));
    // A forbidden row does not step.
    QTest::mouseClick(window->aa1[1], Qt::LeftButton);
    EXPECT_EQ(permissions().size(), 1u);
}

TEST_F(PermissionsTest, OneQuestionSkillTogglesButDoesNotStep) {
    auto window = open(1);
    QTest::mouseClick(window->d[0], Qt::LeftButton);
    QTest::mouseClick(window->aa1[0], Qt::LeftButton);
    EXPECT_EQ(window->aa1[0]->text(), QStringLiteral("عشوائي"));
    EXPECT_EQ(permissions().at(0).mode, 100);
}

TEST_F(PermissionsTest, ClassWideStateCyclesAndApplyToAllCreatesMissingRecords) {
    school->permit(4, 2, math, 2, 1, 0);
    auto window = open(2);
    QStringList states;
    QStringList questions;
    for (int i = 0; i < 4; ++i) {
        QTest::mouseClick(window->all, Qt::LeftButton);
        states << window->all->text();
        questions << window->nnb->text();
    }
    EXPECT_EQ(states, (QStringList{QStringLiteral("عشوائي"), QStringLiteral("1"),
                                   QStringLiteral("2"), QStringLiteral("ممنوع")}));
    EXPECT_EQ(questions, (QStringList{QString(), QStringLiteral("سؤال 1"), QStringLiteral("سؤال 2"),
                                      QString()}));
    QTest::mouseClick(window->all, Qt::LeftButton);
    QTest::mouseClick(window->all, Qt::LeftButton);
    QTest::mouseClick(window->all, Qt::LeftButton); // 2
    QTest::mouseClick(window->Command3, Qt::LeftButton);
    const auto all = permissions();
    ASSERT_EQ(all.size(), 3u); // pupil 1's record rewritten, two appended
    for (const auto& p : all)
        EXPECT_EQ(p.mode, 2);
    EXPECT_EQ(all[0].pupil, 1);
    for (int k = 0; k < 3; ++k)
        EXPECT_EQ(window->aa1[k]->text(), QStringLiteral("2"));
}

TEST_F(PermissionsTest, StepFromANumberTheSkillNoLongerHasGoesBackToRandom) {
    school->permit(4, 2, math, 2, 1, 5); // the skill has 2 questions now
    auto window = open(2);
    EXPECT_EQ(window->aa1[0]->text(), QStringLiteral("5"));
    QTest::mouseClick(window->aa1[0], Qt::LeftButton);
    EXPECT_EQ(window->aa1[0]->text(), QStringLiteral("عشوائي"));
    EXPECT_EQ(permissions().at(0).mode, 100);
}

TEST_F(PermissionsTest, LastMatchingRecordDecidesARowAndIsTheOneWritten) {
    school->permit(4, 2, math, 0, 3, 100);
    school->permit(4, 2, math, 0, 3, 0);
    school->permit(4, 2, math, 0, 3, -5); // a negative mode changes nothing but is the row's
    auto window = open(0);
    EXPECT_EQ(window->aa1[2]->text(), QStringLiteral("ممنوع"));
    QTest::mouseClick(window->d[2], Qt::LeftButton);
    EXPECT_EQ(permissions().at(2).mode, 100);
    EXPECT_EQ(permissions().at(1).mode, 0);
}

TEST_F(PermissionsTest, ClicksWithoutAChosenSkillAreIgnored) {
    auto window = open(0);
    choose(window->a1, 2); // another section empties the skill list
    QTest::mouseClick(window->d[0], Qt::LeftButton);
    QTest::mouseClick(window->Command3, Qt::LeftButton);
    EXPECT_TRUE(permissions().empty());
}

TEST_F(PermissionsTest, LargeClassesPageSoEveryPupilCanBeReached) {
    for (int i = 4; i <= 35; ++i)
        school->pupil(4, 2, {"طالب", std::to_string(i).c_str()}, "1");
    auto window = open(0);
    EXPECT_FALSE(window->pages->isHidden());
    EXPECT_EQ(window->pages->maximum(), 5);
    window->pages->setValue(5);
    EXPECT_EQ(window->l1[29]->text(), QStringLiteral("طالب 35"));
    QTest::mouseClick(window->d[29], Qt::LeftButton);
    EXPECT_EQ(permissions().at(0).pupil, 35);
}

} // namespace
