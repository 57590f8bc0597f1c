#include "main/main_window.h"
#include "platform/single_instance.h"
#include "platform/testing/fake_services.h"
#include "platform/testing/widget_testing.h"
#include "store/data_store.h"
#include "store/testing/test_folder.h"

#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <gtest/gtest.h>

#include <filesystem>

using namespace velmora;
namespace fs = std::filesystem;

namespace {

using velmora::platform::testing::child;
using velmora::platform::testing::choose;

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = store::testing::testFolder("main");
    }

    void writeSubjects(std::initializer_list<const char*> names) {
        store::DataStore store(folder);
        store::testing::SchoolBuilder school(store);
        for (const char* name : names)
            school.subject(name);
    }

    static QStringList itemsOf(const QComboBox& list) {
        QStringList items;
        for (int i = 0; i < list.count(); ++i)
            items << list.itemText(i);
        return items;
    }

    fs::path folder;
    platform::testing::FakeServices fakes;
};

TEST_F(MainWindowTest, StartUpInAnEmptyFolderCreatesTheFiftyEmptyFiles) {
    store::DataStore store(folder);
    auto services = fakes.services();
    main::MainWindow window(store, services);
    ASSERT_TRUE(window.startUp());

    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.insert(entry.path().filename().string());
        EXPECT_EQ(fs::file_size(entry.path()), 0u) << entry.path();
    }
    EXPECT_EQ(names.size(), 50u);
    for (const auto& fileSpec : store::dataFiles())
        EXPECT_TRUE(names.contains(std::string(fileSpec.name))) << fileSpec.name;
    EXPECT_FALSE(names.contains("moad.tmp"));
    for (const auto& fileSpec : store::dataFiles())
        EXPECT_EQ(store.count(fileSpec.number), 0);
    EXPECT_EQ(child<QComboBox>(window, "c2")->count(), 0);
    EXPECT_TRUE(fakes.dialogs.messages.empty());
}

TEST_F(MainWindowTest, ListsHoldSubjectsAndClassNumbersWithNothingChosen) {
    writeSubjects({"  لغتي  ", "الرياضيات", "العلوم"});
    store::DataStore store(folder);
    auto services = fakes.services();
    main::MainWindow window(store, services);
    ASSERT_TRUE(window.startUp());

    auto* c = child<QComboBox>(window, "c");
    auto* c1 = child<QComboBox>(window, "c1");
    auto* c2 = child<QComboBox>(window, "c2");
    auto* co = child<QComboBox>(window, "Co");
    const QStringList numbers = {QStringLiteral("اختر"), QStringLiteral("1"), QStringLiteral("2"),
                                 QStringLiteral("3"),    QStringLiteral("4"), QStringLiteral("5"),
                                 QStringLiteral("6")};
    EXPECT_EQ(itemsOf(*c), numbers);
    EXPECT_EQ(itemsOf(*c1), numbers);
    EXPECT_EQ(itemsOf(*c2), (QStringList{QStringLiteral("لغتي"), QStringLiteral("الرياضيات"),
                                         QStringLiteral("العلوم")}));
    EXPECT_EQ(co->count(), 0);
    for (QComboBox* list : {c, c1, c2})
        EXPECT_EQ(list->currentIndex(), -1) << list->objectName().toStdString();

    EXPECT_TRUE(child<QFrame>(window, "f1")->isHidden());
    EXPECT_TRUE(child<QFrame>(window, "Frq")->isHidden());
    EXPECT_EQ(child<QLineEdit>(window, "tt")->echoMode(), QLineEdit::Password);
    EXPECT_EQ(child<QLineEdit>(window, "tm")->echoMode(), QLineEdit::Password);
    EXPECT_EQ(child<QLineEdit>(window, "ta")->echoMode(), QLineEdit::Password);
    EXPECT_EQ(child<QPushButton>(window, "Command10")->text(), QStringLiteral("دخول الطالب"));
    EXPECT_EQ(child<QPushButton>(window, "Command5")->text(), QStringLiteral("عرض الاسئله"));
    EXPECT_EQ(window.objectName(), QStringLiteral("Form1"));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Velmora"));
    EXPECT_EQ(window.layoutDirection(), Qt::RightToLeft);
}

TEST_F(MainWindowTest, TodayIsTheHijriDateOfTheClock) {
    store::DataStore store(folder);
    fakes.clock.current = QDateTime(QDate(2009, 3, 2), QTime(8, 0));
    auto services = fakes.services();
    main::MainWindow window(store, services);
    ASSERT_TRUE(window.startUp());
    EXPECT_EQ(store.today, "1430/03/05    ");
}

TEST_F(MainWindowTest, SecondInstanceOnTheFolderIsRefusedWithoutTouchingIt) {
    platform::FileLockInstanceGuard running;
    ASSERT_TRUE(running.acquire(folder));

    platform::FileLockInstanceGuard guard;
    platform::Services services{fakes.dialogs, fakes.modal,   fakes.clock, fakes.random,
                                fakes.printer, fakes.exiter, guard};
    store::DataStore store(folder);
    main::MainWindow window(store, services);
    EXPECT_FALSE(window.startUp());
    EXPECT_EQ(fakes.dialogs.messages, std::vector<QString>{QStringLiteral("البرنامج شغال")});
    EXPECT_EQ(fakes.exiter.exits.size(), 1u);
    EXPECT_TRUE(fs::is_empty(folder));
    EXPECT_EQ(child<QComboBox>(window, "c")->count(), 0);
}

TEST_F(MainWindowTest, UnopenableDataFileStopsStartUpNamingIt) {
    fs::create_directory(folder / "aselh.mdb"); // a folder where the question bank belongs
    store::DataStore store(folder);
    auto services = fakes.services();
    main::MainWindow window(store, services);
    try {
        window.startUp();
        FAIL() << "start-up went on";
    } catch (const store::StoreError& error) {
        EXPECT_NE(std::string(error.what()).find("aselh.mdb"), std::string::npos);
    }
    // Files after the failing one in the opening order were not created.
    EXPECT_FALSE(fs::exists(folder / "sf31.mdb"));
    EXPECT_FALSE(fs::exists(folder / "المواد.mdb"));
}

} // namespace
