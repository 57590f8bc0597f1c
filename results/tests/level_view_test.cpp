#include "platform/testing/fake_services.h"
#include "store/testing/test_folder.h"
#include "results/level_view_window.h"
#include "store/testing/school_builder.h"

#include <QLabel>
#include <QScrollBar>
#include <gtest/gtest.h>

using namespace velmora;
using store::Mark;

namespace {

class LevelViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = store::testing::testFolder("level");
        store = std::make_unique<store::DataStore>(folder);
        store::testing::SchoolBuilder school(*store);
        school.subject("لغتي");
        school.subject("الرياضيات");
        // Subject 1 has skills in records 1, 3 and 4; record 2 holds only subject 0.
        school.skill(4, 1, 1, "الجمع", "الرياضيات");
        school.skill(4, 0, 2, "القراءة", "لغتي");
        school.skill(4, 1, 3, "الطرح", "الرياضيات");
        school.skill(4, 1, 4, "   ", "الرياضيات"); // written blank: listed, empty title
        for (int i = 1; i <= 3; ++i)
            school.pupil(4, 2, {"طالب", std::to_string(i).c_str()}, "1");
        auto pupil = store->read<store::ClassRecord>(42, 3);
        ASSERT_TRUE(pupil.score.set({1, 0, 0}, 2));
        ASSERT_TRUE(pupil.score.set({1, 0, 1}, 7));
        ASSERT_TRUE(pupil.score.set({1, 1, 1}, 5)); // record 2's position: not listed
        ASSERT_TRUE(pupil.score.set({1, 3, 1}, 3));
        store->write(42, 3, pupil);
    }

    std::filesystem::path folder;
    std::unique_ptr<store::DataStore> store;
};

TEST_F(LevelViewTest, ListsWrittenSlotsInRecordOrderWithTheirOwnCounts) {
    const auto page = results::LevelLogic(*store).page(4, 2, 3, 1);
    EXPECT_EQ(page.pupilName, QStringLiteral("طالب 3"));
    ASSERT_TRUE(page.cells[0].filled && page.cells[1].filled && page.cells[2].filled);
    EXPECT_FALSE(page.cells[3].filled);
    EXPECT_EQ(page.cells[0].title, QStringLiteral("الجمع"));
    EXPECT_EQ(std::tie(page.cells[0].right, page.cells[0].wrong), std::make_tuple(2, 7));
    EXPECT_EQ(page.cells[0].mark, Mark::Right);
    // Record 3 moved up one cell but keeps the counts of its own position, 2.
    EXPECT_EQ(page.cells[1].title, QStringLiteral("الطرح"));
    EXPECT_EQ(std::tie(page.cells[1].right, page.cells[1].wrong), std::make_tuple(0, 0));
    EXPECT_EQ(page.cells[1].mark, Mark::Unanswered);
    EXPECT_EQ(page.cells[2].title, QString());
    EXPECT_EQ(page.cells[2].wrong, 3);
    EXPECT_EQ(page.cells[2].mark, Mark::Wrong);
}

TEST_F(LevelViewTest, PupilBeyondTheClassAndSubjectsWithoutSkills) {
    results::LevelLogic logic(*store);
    const auto beyond = logic.page(4, 2, 9, 1);
    EXPECT_EQ(beyond.pupilName, QString());
    EXPECT_TRUE(beyond.cells[0].filled);
    EXPECT_EQ(beyond.cells[0].right + beyond.cells[0].wrong, 0);

    const auto none = logic.page(4, 2, 1, 5);
    EXPECT_EQ(none.pupilName, QStringLiteral("طالب 1"));
    for (const auto& cell : none.cells)
        EXPECT_FALSE(cell.filled);
    EXPECT_EQ(logic.subjectTitle(1), QStringLiteral("الرياضيات"));
    EXPECT_EQ(logic.subjectTitle(7), QString());
}

TEST_F(LevelViewTest, OnlyFortyCellsAndNoCountsPastTheLastSkillSlot) {
    store::testing::SchoolBuilder school(*store);
    for (int record = 1; record <= 45; ++record)
        school.skill(4, 0, record, "مهارة " + std::to_string(record), "لغتي");
    const auto page = results::LevelLogic(*store).page(4, 2, 3, 0);
    for (const auto& cell : page.cells)
        EXPECT_TRUE(cell.filled);
    EXPECT_EQ(page.cells[39].title, QStringLiteral("مهارة 40"));
}

TEST_F(LevelViewTest, WindowFillsOnceHandedOverAndFollowsItsScrollBars) {
    for (int i = 4; i <= 60; ++i)
        store::testing::SchoolBuilder(*store).pupil(4, 2, {"طالب", std::to_string(i).c_str()}, "1");
    results::LevelViewWindow view(*store);
    EXPECT_EQ(view.objectName(), QStringLiteral("Form13"));
    EXPECT_EQ(view.windowTitle(), QStringLiteral("Form13"));
    view.handOver(QStringLiteral("الرياضيات"), 1, 4, 3, 2);
    EXPECT_EQ(view.l1->text(), QStringLiteral("طالب 3"));
    EXPECT_EQ(view.ll->text(), QStringLiteral("الرياضيات"));
    EXPECT_EQ(view.m[0]->text(), QStringLiteral("الجمع"));
    EXPECT_EQ(view.aa1[0]->text(), QStringLiteral("2"));
    EXPECT_EQ(view.ab1[0]->text(), QStringLiteral("7"));
    EXPECT_EQ(view.p[0]->property("mark").toInt(), static_cast<int>(Mark::Right));
    EXPECT_FALSE(view.p[0]->pixmap().isNull());
    EXPECT_TRUE(view.m[3]->text().isEmpty());
    EXPECT_TRUE(view.p[3]->pixmap().isNull());

    // Every pupil of a 60-pupil class can be reached.
    EXPECT_EQ(view.v->maximum(), 60);
    view.v->setValue(60);
    EXPECT_EQ(view.l1->text(), QStringLiteral("طالب 60"));
    EXPECT_EQ(view.aa1[0]->text(), QStringLiteral("0"));

    view.v1->setValue(0);
    EXPECT_EQ(view.ll->text(), QStringLiteral("لغتي"));
    EXPECT_EQ(view.m[0]->text(), QStringLiteral("القراءة"));
    EXPECT_EQ(view.l1->text(), QStringLiteral("طالب 60"));
}

} // namespace
