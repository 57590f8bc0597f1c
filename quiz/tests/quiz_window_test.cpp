#include "quiz_fixture.h"
#include "platform/testing/widget_testing.h"

#include "quiz/quiz_window.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

using namespace velmora;
using namespace velmora::quiz;
using quiz::testing::QuizFixture;
using quiz::testing::text;

namespace {

using velmora::platform::testing::child;
using velmora::platform::testing::choose;

class QuizWindowTest : public QuizFixture {
protected:
};

TEST_F(QuizWindowTest, OpensWithContextDateAndSkillsButNoQuestion) {
    auto services = fakes.services();
    QuizWindow window(*store, services, context());
    EXPECT_EQ(window.objectName(), QStringLiteral("Form19"));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("صف رابع"));
    EXPECT_EQ(child<QLabel>(window, "l")->text(), QStringLiteral("سالم احمد"));
    EXPECT_EQ(child<QLabel>(window, "aa")->text(), QStringLiteral("4"));
    EXPECT_EQ(child<QLabel>(window, "ll")->text(), QStringLiteral("الرياضيات"));
    EXPECT_EQ(child<QLineEdit>(window, "td")->text(), QStringLiteral("18"));
    EXPECT_EQ(child<QLineEdit>(window, "tm")->text(), QStringLiteral("6"));
    EXPECT_EQ(child<QLineEdit>(window, "ty")->text(), QStringLiteral("1447"));
    auto* skills = child<QComboBox>(window, "Co");
    EXPECT_EQ(skills->count(), 2);
    EXPECT_EQ(skills->currentIndex(), -1);
    EXPECT_TRUE(child<QLabel>(window, "mh")->text().isEmpty());
    EXPECT_EQ(child<QLabel>(window, "ls")->text(), QStringLiteral("0"));
    for (int k = 0; k < 6; ++k)
        EXPECT_TRUE(child<QToolButton>(window, ("o_" + std::to_string(k)).c_str())->isHidden());
}

TEST_F(QuizWindowTest, AnsweringThroughTheWidgets) {
    builder->permit(4, 2, math, 0, pupil, 1);
    auto services = fakes.services();
    QuizWindow window(*store, services, context());
    choose(child<QComboBox>(window, "Co"), 0);
    EXPECT_EQ(child<QLabel>(window, "mh")->text(), QStringLiteral("2 + 3 ="));
    EXPECT_EQ(child<QLabel>(window, "xx")->text(), QStringLiteral("3"));
    EXPECT_FALSE(child<QToolButton>(window, "o_2")->isHidden());
    EXPECT_TRUE(child<QToolButton>(window, "o_3")->isHidden());
    EXPECT_EQ(child<QLabel>(window, "sf_1")->text(), QStringLiteral("5"));

    // Confirming with nothing selected records nothing.
    QTest::mouseClick(child<QPushButton>(window, "Command1"), Qt::LeftButton);
    EXPECT_EQ(fakes.dialogs.messages.back(), text(messages::kNoChoice));

    QTest::mouseClick(child<QToolButton>(window, "o_2"), Qt::LeftButton);
    QTest::mouseClick(child<QToolButton>(window, "o_1"), Qt::LeftButton);
    EXPECT_EQ(window.selectedChoice(), 1);
    EXPECT_FALSE(child<QToolButton>(window, "o_2")->isChecked());
    child<QLineEdit>(window, "td")->setText(QStringLiteral("9"));
    QTest::mouseClick(child<QPushButton>(window, "Command1"), Qt::LeftButton);
    EXPECT_EQ(fakes.dialogs.messages.back(), text(messages::kRight));
    EXPECT_EQ(child<QLabel>(window, "ls")->text(), QStringLiteral("1"));
    EXPECT_EQ(store->read<store::AnswerRecord>(18, 1).day, 9);
    // The next question starts with no choice selected.
    EXPECT_FALSE(window.selectedChoice());
    EXPECT_FALSE(child<QToolButton>(window, "o_1")->isChecked());
}

TEST_F(QuizWindowTest, LevelButtonOpensTheLevelViewAndExitEndsTheProgram) {
    auto services = fakes.services();
    QuizWindow window(*store, services, context());
    QTest::mouseClick(child<QPushButton>(window, "Command11"), Qt::LeftButton);
    EXPECT_EQ(fakes.modal.opened, std::vector<QString>{QStringLiteral("Form13")});
    QTest::mouseClick(child<QPushButton>(window, "Command10"), Qt::LeftButton);
    EXPECT_EQ(fakes.exiter.exits, std::vector<int>{0});
}

} // namespace
