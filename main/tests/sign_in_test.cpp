#include "main/main_window.h"
#include "platform/testing/fake_services.h"
#include "platform/testing/widget_testing.h"
#include "store/testing/school_builder.h"
#include "store/testing/test_folder.h"

#include <QComboBox>
#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace velmora;

namespace {

using velmora::platform::testing::child;
using velmora::platform::testing::choose;

class SignInTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = store::testing::testFolder("signin");
        {
            store::DataStore seed(folder);
            store::testing::SchoolBuilder school(seed);
            school.subject("لغتي");
            school.subject("الرياضيات");
            school.pupil(4, 2, {"سالم", "احمد", "علي", "الحربي"}, "8471");
            school.pupil(4, 2, {"A", "", "C", ""}, "  8471  ");
            school.pupil(4, 2, {"فهد"}, "1234");
            school.pupil(4, 1, {"ماجد"}, "1");
        }
        store = std::make_unique<store::DataStore>(folder);
        services.emplace(fakes.services());
        window = std::make_unique<main::MainWindow>(*store, *services);
        ASSERT_TRUE(window->startUp());
    }

    static QStringList itemsOf(const QComboBox* list) {
        QStringList items;
        for (int i = 0; i < list->count(); ++i)
            items << list->itemText(i);
        return items;
    }
    void signInAs(int pupil, const QString& password, int subject = 1) {
        choose(window->c, 4);
        choose(window->c1, 2);
        choose(window->Co, pupil);
        if (subject >= 0)
            choose(window->c2, subject);
        window->tt->setText(password);
        QTest::mouseClick(window->Command10, Qt::LeftButton);
    }

    std::filesystem::path folder;
    std::unique_ptr<store::DataStore> store;
    platform::testing::FakeServices fakes;
    std::optional<platform::Services> services;
    std::unique_ptr<main::MainWindow> window;
};

TEST_F(SignInTest, PupilListFollowsTheChosenClass) {
    choose(window->c, 4); // section still at nothing: the list is not touched
    EXPECT_EQ(window->Co->count(), 0);
    choose(window->c1, 0); // the prompt reads as 0
    EXPECT_EQ(window->Co->count(), 0);
    choose(window->c1, 2);
    EXPECT_EQ(itemsOf(window->Co),
              (QStringList{QStringLiteral("اختر الطالب"), QStringLiteral("سالم احمد علي الحربي"),
                           QStringLiteral("A C"), QStringLiteral("فهد")}));
    EXPECT_EQ(window->Co->currentIndex(), -1);
    choose(window->c1, 1);
    EXPECT_EQ(itemsOf(window->Co),
              (QStringList{QStringLiteral("اختر الطالب"), QStringLiteral("ماجد")}));
}

TEST_F(SignInTest, ChoosingAPupilOpensTheSignInOrTheViolationPanel) {
    choose(window->c, 4);
    choose(window->c1, 2);
    choose(window->Co, 0); // the prompt too
    EXPECT_FALSE(window->f1->isHidden());
    EXPECT_TRUE(window->Frq->isHidden());
    window->ta->setText(QStringLiteral("6572abc"));
    choose(window->Co, 2);
    EXPECT_TRUE(window->f1->isHidden());
    EXPECT_FALSE(window->Frq->isHidden());
    window->ta->setText(QStringLiteral("657"));
    choose(window->Co, 2);
    EXPECT_FALSE(window->f1->isHidden());
}

TEST_F(SignInTest, RightPasswordOpensTheQuizWithTheContext) {
    QString caption;
    QString pupilName;
    fakes.modal.onOpen = [&](QDialog& quiz) {
        caption = quiz.windowTitle();
        pupilName = quiz.findChild<QLabel*>(QStringLiteral("l"))->text();
    };
    signInAs(2, QStringLiteral(" 8471 "));
    EXPECT_EQ(fakes.modal.opened, std::vector<QString>{QStringLiteral("Form19")});
    EXPECT_EQ(caption, QStringLiteral("صف رابع"));
    EXPECT_EQ(pupilName, QStringLiteral("A C"));
    EXPECT_TRUE(fakes.dialogs.messages.empty());
    // The next pupil at the computer starts with an empty password box.
    EXPECT_TRUE(window->tt->text().isEmpty());
}

TEST_F(SignInTest, WrongPasswordIsRefusedAndKept) {
    signInAs(2, QStringLiteral("x8471"));
    EXPECT_EQ(fakes.dialogs.messages, std::vector<QString>{QStringLiteral("الرقم السري غير صحيح")});
    EXPECT_TRUE(fakes.modal.opened.empty());
    EXPECT_EQ(window->tt->text(), QStringLiteral("x8471"));
}

TEST_F(SignInTest, MissingChoicesDoNothing) {
    signInAs(1, QStringLiteral("8471"), -1); // no subject
    signInAs(0, QStringLiteral("8471"));     // the prompt of the pupil list
    EXPECT_TRUE(fakes.modal.opened.empty());
    EXPECT_TRUE(fakes.dialogs.messages.empty());
}

} // namespace
