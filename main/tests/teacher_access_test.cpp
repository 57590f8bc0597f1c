#include "main/admin_menu.h"
#include "store/testing/test_folder.h"
#include "main/main_window.h"
#include "main/teacher_logic.h"
#include "platform/testing/fake_services.h"
#include "store/data_store.h"
#include "store/helpers.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

using namespace velmora;
namespace fs = std::filesystem;

namespace {

constexpr int kClassFile = 42;

class TeacherAccessTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = store::testing::testFolder("teacher");
    }

    // Pupils of class 4/2 written before start-up: four one-word name parts each.
    void writeClass(int pupils) {
        store::DataStore seed(folder);
        seed.openDataFiles();
        for (int i = 1; i <= pupils; ++i) {
            store::ClassRecord pupil;
            pupil.recNo = i;
            const char* parts[] = {"A", "B", "C", "D"};
            for (int p = 0; p < 4; ++p)
                (void)pupil.info.set({p}, store::Text<40>(std::string(parts[p]) + std::to_string(i)));
            pupil.password().assign("pw" + std::to_string(i));
            (void)pupil.score.set({1, 2, 0}, std::int16_t(3));
            seed.write(kClassFile, i, pupil);
        }
    }

    std::unique_ptr<main::MainWindow> startWindow() {
        store = std::make_unique<store::DataStore>(folder);
        auto window = std::make_unique<main::MainWindow>(*store, services);
        EXPECT_TRUE(window->startUp());
        return window;
    }

    static void typeAndEnter(QLineEdit& box, const QString& text) {
        box.insert(text); // QTest types ASCII only
        QTest::keyClick(&box, Qt::Key_Return);
    }

    fs::path folder;
    std::unique_ptr<store::DataStore> store;
    platform::testing::FakeServices fakes;
    platform::Services services = fakes.services();
};

TEST_F(TeacherAccessTest, AccessCodeWithSpacesOpensTheMenuAndClosingItEndsTheProgram) {
    auto window = startWindow();
    std::size_t exitsWhileOpen = 99;
    fakes.modal.onOpen = [&](QDialog&) { exitsWhileOpen = fakes.exiter.exits.size(); };
    typeAndEnter(*window->tm, QStringLiteral(" 6813  "));
    EXPECT_EQ(fakes.modal.opened, std::vector<QString>{QStringLiteral("Form4")});
    EXPECT_EQ(exitsWhileOpen, 0u);
    EXPECT_EQ(fakes.exiter.exits.size(), 1u);
    EXPECT_EQ(window->tm->text(), QStringLiteral(" 6813  ")); // never cleared
    EXPECT_TRUE(fakes.dialogs.messages.empty());
}

TEST_F(TeacherAccessTest, OnlyEnterActsOtherKeysType) {
    auto window = startWindow();
    QTest::keyClicks(window->tm, QStringLiteral("6813"));
    QTest::keyClick(window->tm, Qt::Key_Tab);
    QTest::keyClick(window->tm, Qt::Key_Space);
    EXPECT_EQ(window->tm->text(), QStringLiteral("6813 "));
    QTest::keyClick(window->tm, Qt::Key_Enter); // the keypad's Enter is character 13 too
    EXPECT_EQ(fakes.modal.opened.size(), 1u);
}

TEST_F(TeacherAccessTest, WrongCodeIsReportedAndKept) {
    auto window = startWindow();
    typeAndEnter(*window->tm, QStringLiteral("6814"));
    EXPECT_EQ(fakes.dialogs.messages, std::vector<QString>{QStringLiteral("كلمة السر غير صحيحه")});
    EXPECT_TRUE(fakes.modal.opened.empty());
    EXPECT_TRUE(fakes.exiter.exits.empty());
    EXPECT_EQ(window->tm->text(), QStringLiteral("6814"));
}

TEST_F(TeacherAccessTest, MaskingChangesExactlyNamePartsOneAndThree) {
    writeClass(3);
    auto window = startWindow();
    std::vector<store::ClassRecord> before;
    for (int i = 1; i <= 3; ++i)
        before.push_back(store->read<store::ClassRecord>(kClassFile, i));
    window->c->setCurrentIndex(4);
    window->c1->setCurrentIndex(2);
    typeAndEnter(*window->tm, QStringLiteral("ارسل"));
    EXPECT_EQ(fakes.dialogs.messages, std::vector<QString>{QStringLiteral("تم الارسال")});
    EXPECT_EQ(store->recordCount(kClassFile), 3);
    for (int i = 1; i <= 3; ++i) {
        const std::string mask = "= " + std::to_string(i) + " =";
        auto expected = before[static_cast<std::size_t>(i - 1)];
        (void)expected.info.set({1}, store::Text<40>(mask));
        (void)expected.info.set({3}, store::Text<40>(mask));
        EXPECT_EQ(store->read<store::ClassRecord>(kClassFile, i), expected) << i;
    }
    EXPECT_EQ(store::pupilDisplayName(store->read<store::ClassRecord>(kClassFile, 2)), "A2 = 2 = C2 = 2 =");
    EXPECT_TRUE(fakes.modal.opened.empty());
}

TEST_F(TeacherAccessTest, MaskingWithoutASectionDoesNothing) {
    writeClass(2);
    auto window = startWindow();
    const auto before = store->read<store::ClassRecord>(kClassFile, 1);
    window->c->setCurrentIndex(4);
    window->c1->setCurrentIndex(0); // "اختر"
    typeAndEnter(*window->tm, QStringLiteral(" ارسل "));
    EXPECT_TRUE(fakes.dialogs.messages.empty());
    EXPECT_EQ(store->read<store::ClassRecord>(kClassFile, 1), before);
}

TEST_F(TeacherAccessTest, QuestionListButtonOpensForm28) {
    auto window = startWindow();
    QTest::mouseClick(window->Command5, Qt::LeftButton);
    EXPECT_EQ(fakes.modal.opened, std::vector<QString>{QStringLiteral("Form28")});
    EXPECT_TRUE(fakes.exiter.exits.empty());
}

struct MenuButton {
    const char* name;
    const char* caption;
    const char* opens; // "" when the window is not built yet
};

constexpr MenuButton kMenu[] = {
    {"Command8", "مهارات اولى", "Form6"},   {"Command9", "مهارات ثاني", "Form7"},
    {"Command7", "مهارات ثالث", "Form9"},   {"Command2", "مهارات رابع", "Form5"},
    {"Command1", "مهارات خامس", "Form10"},  {"Command4", "مهارات سادس", "Form11"},
    {"Command6", "المواد", "Form23"},       {"Command14", "الخالفات", "Form33"},
    {"Command11", "الاسئله", "Form25"},     {"Command13", "الاجابات", ""},
    {"Command12", "السماح", "Form26"},      {"Command3", "نتائج الطلاب  ", ""},
    {"Command10", "النظام", ""},            {"Command5", "نقل البيانات", ""},
};

TEST_F(TeacherAccessTest, MenuButtonsCaptionsAndWindows) {
    store = std::make_unique<store::DataStore>(folder);
    store->openDataFiles();
    main::AdminMenu menu(*store, services);
    EXPECT_EQ(menu.objectName(), QStringLiteral("Form4"));
    EXPECT_EQ(menu.windowTitle(), QStringLiteral("Form4"));
    EXPECT_EQ(menu.findChildren<QPushButton*>().size(), 14);
    for (const MenuButton& entry : kMenu) {
        auto* button = menu.findChild<QPushButton*>(QString::fromLatin1(entry.name));
        ASSERT_NE(button, nullptr) << entry.name;
        EXPECT_EQ(button->text(), QString::fromUtf8(entry.caption)) << entry.name;
        EXPECT_EQ(button->isHidden(), std::string_view(entry.name) == "Command5") << entry.name;
        fakes.modal.opened.clear();
        button->click();
        if (*entry.opens)
            EXPECT_EQ(fakes.modal.opened, std::vector<QString>{QString::fromLatin1(entry.opens)}) << entry.name;
        else
            EXPECT_TRUE(fakes.modal.opened.empty()) << entry.name;
    }
    EXPECT_TRUE(fakes.exiter.exits.empty()); // only closing the menu ends the program
}

TEST_F(TeacherAccessTest, MenuStaysOpenForAnotherWindowUntilClosed) {
    auto window = startWindow();
    fakes.modal.onOpen = [&](QDialog& opened) {
        if (opened.objectName() != QStringLiteral("Form4"))
            return;
        opened.findChild<QPushButton*>(QStringLiteral("Command6"))->click();
        opened.findChild<QPushButton*>(QStringLiteral("Command8"))->click();
        EXPECT_TRUE(fakes.exiter.exits.empty());
    };
    typeAndEnter(*window->tm, QStringLiteral("6813"));
    EXPECT_EQ(fakes.modal.opened, (std::vector<QString>{QStringLiteral("Form4"), QStringLiteral("Form23"),
                                                         QStringLiteral("Form6")}));
    EXPECT_EQ(fakes.exiter.exits, std::vector<int>{0});
}

struct CodeCase {
    const char* typed;
    bool opens;
};

void PrintTo(const CodeCase& c, std::ostream* os) { *os << '"' << c.typed << '"'; }

class TeacherCodeRows : public ::testing::TestWithParam<CodeCase> {};

// Only spaces are trimmed; the comparison is exact.
TEST_P(TeacherCodeRows, Enter) {
    const fs::path folder = store::testing::testFolder("teacher");
    store::DataStore store(folder);
    store.openDataFiles();
    platform::testing::FakeServices fakes;
    auto services = fakes.services();
    main::TeacherLogic logic(store, services);
    const auto outcome = logic.enter(QString::fromUtf8(GetParam().typed), QString(), QString());
    EXPECT_EQ(outcome == main::TeacherLogic::Outcome::OpenMenu, GetParam().opens);
    EXPECT_EQ(fakes.dialogs.messages.empty(), GetParam().opens);
}

INSTANTIATE_TEST_SUITE_P(Rows, TeacherCodeRows,
                         ::testing::Values(CodeCase{"6813", true}, CodeCase{"   6813 ", true},
                                           CodeCase{"\t6813", false}, CodeCase{"68 13", false},
                                           CodeCase{"6813\u00a0", false}, CodeCase{"", false},
                                           CodeCase{"06813", false}));

} // namespace
