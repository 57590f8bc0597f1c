#include "authoring/code_list_logic.h"
#include "store/testing/test_folder.h"
#include "authoring/code_list_window.h"
#include "platform/testing/fake_services.h"
#include "store/data_store.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

using namespace velmora;
using authoring::CodeList;
using authoring::CodeListLogic;
using authoring::CodeListWindow;
namespace fs = std::filesystem;

namespace {

class CodeListTest : public ::testing::TestWithParam<CodeList> {
protected:
    void SetUp() override {
        folder = store::testing::testFolder("code_list");
        store = std::make_unique<store::DataStore>(folder);
        store->openDataFiles();
    }

    [[nodiscard]] int file() const {
        return GetParam() == CodeList::Subjects ? store::files::kSubjects : store::files::kViolationTypes;
    }

    void addEntries(std::initializer_list<const char*> names) {
        for (const char* name : names) {
            store::CodeRecord entry;
            entry.name.assign(name);
            store->append(file(), entry);
        }
    }

    void addEntries(int howMany) {
        for (int i = 1; i <= howMany; ++i) {
            store::CodeRecord entry;
            entry.name.assign("entry " + std::to_string(i));
            store->append(file(), entry);
        }
    }

    // (recNo, trimmed name) of every record of the file.
    std::vector<std::pair<std::int32_t, std::string>> entries() const {
        std::vector<std::pair<std::int32_t, std::string>> all;
        for (std::int32_t n = 1; n <= store->recordCount(file()); ++n) {
            const auto entry = store->read<store::CodeRecord>(file(), n);
            all.emplace_back(entry.recNo, entry.name.trimmed());
        }
        return all;
    }

    fs::path folder;
    std::unique_ptr<store::DataStore> store;
    platform::testing::FakeServices fakes;
    platform::Services services = fakes.services();
};

using Entries = std::vector<std::pair<std::int32_t, std::string>>;

TEST_P(CodeListTest, FirstSaveOnAnEmptyListCreatesEntryOne) {
    CodeListLogic logic(*store, services, GetParam());
    EXPECT_EQ(logic.file(), file());
    EXPECT_EQ(logic.target(), 1);
    ASSERT_TRUE(logic.save(QStringLiteral("  لغتي  ")));
    EXPECT_EQ(entries(), (Entries{{1, "لغتي"}}));
    EXPECT_EQ(store->count(file()), 1);
    EXPECT_EQ(logic.target(), 2);

    // An empty name is stored as spaces, never as a free (all-zero) field.
    ASSERT_TRUE(logic.save(QString()));
    const auto empty = store->read<store::CodeRecord>(file(), 2);
    EXPECT_EQ(empty.recNo, 2);
    EXPECT_EQ(empty.name.value(), std::string(30, ' '));
    EXPECT_TRUE(fakes.dialogs.messages.empty());
}

TEST_P(CodeListTest, RenameThenDeleteRenumbersTheLaterEntries) {
    addEntries({"A", "B", "C", "D"});
    CodeListLogic logic(*store, services, GetParam());
    logic.page(0);
    ASSERT_EQ(logic.load(1), QStringLiteral("B"));
    EXPECT_EQ(logic.target(), 2);
    ASSERT_TRUE(logic.save(QStringLiteral(" Bee ")));
    EXPECT_EQ(entries(), (Entries{{1, "A"}, {2, "Bee"}, {3, "C"}, {4, "D"}}));
    EXPECT_EQ(logic.target(), 5);

    logic.page(0);
    ASSERT_TRUE(logic.load(1).has_value());
    ASSERT_TRUE(logic.remove());
    EXPECT_EQ(entries(), (Entries{{1, "A"}, {2, "C"}, {3, "D"}}));
    EXPECT_EQ(store->count(file()), 3);
    EXPECT_EQ(logic.target(), 4);
    EXPECT_EQ(fakes.dialogs.messages, std::vector<QString>{QStringLiteral("تم الحذف")});
}

TEST_P(CodeListTest, TwentyEntriesRefuseANewOneButAllowARename) {
    addEntries(20);
    CodeListLogic logic(*store, services, GetParam());
    EXPECT_EQ(logic.target(), 21);
    EXPECT_FALSE(logic.save(QStringLiteral("one too many")));
    EXPECT_EQ(fakes.dialogs.messages, std::vector<QString>{QStringLiteral("لايمكن الحفظ")});
    EXPECT_EQ(store->recordCount(file()), 20);
    EXPECT_EQ(store->count(file()), 20);

    logic.page(19); // record 20 in row 0
    ASSERT_EQ(logic.load(0), QStringLiteral("entry 20"));
    EXPECT_TRUE(logic.save(QStringLiteral("last")));
    EXPECT_EQ(entries().back(), (std::pair<std::int32_t, std::string>{20, "last"}));
}

TEST_P(CodeListTest, DeleteBeyondTheEndChangesNothing) {
    addEntries({"A", "B"});
    const auto before = entries();
    CodeListLogic logic(*store, services, GetParam());
    EXPECT_FALSE(logic.remove());
    EXPECT_EQ(fakes.dialogs.messages, std::vector<QString>{QStringLiteral("لايمكن الحذف")});
    EXPECT_EQ(entries(), before);
    EXPECT_EQ(logic.target(), 3);
}

TEST_P(CodeListTest, RowsPastTheEndAreEmptyAndCannotBeLoaded) {
    addEntries({"A", "B", "C"});
    CodeListLogic logic(*store, services, GetParam());
    const auto rows = logic.page(1);
    EXPECT_EQ(rows[0].number, QStringLiteral("2"));
    EXPECT_EQ(rows[0].name.trimmed(), QStringLiteral("B"));
    EXPECT_EQ(rows[0].name.size(), 30); // as stored, padding kept
    EXPECT_EQ(rows[1].number, QStringLiteral("3"));
    EXPECT_TRUE(rows[2].number.isEmpty());
    EXPECT_EQ(logic.tag(0), 2);
    EXPECT_EQ(logic.tag(2), 0);
    EXPECT_FALSE(logic.load(2).has_value());
    EXPECT_FALSE(logic.load(12).has_value());
    EXPECT_EQ(logic.target(), 4);
}

// The window: the bar stands at 1 after opening and the list is not drawn until it moves,
// a save or a delete.
TEST_P(CodeListTest, EnterInTheNameBoxSavesNothing) {
    CodeListWindow window(*store, services, GetParam());
    window.show();
    window.tx->setText(QStringLiteral("العلوم"));
    QTest::keyClick(window.tx, Qt::Key_Return);
    QTest::keyClick(window.tx, Qt::Key_Enter);
    EXPECT_TRUE(entries().empty());
    EXPECT_EQ(window.tx->text(), QStringLiteral("العلوم"));
}

TEST_P(CodeListTest, DeletedIsReportedOnceTheBoxIsEmptied) {
    addEntries({"A", "B"});
    CodeListWindow window(*store, services, GetParam());
    window.v->setValue(0); // the list is drawn once the bar moves
    QTest::mouseDClick(window.l2[1], Qt::LeftButton); // entry 2
    ASSERT_EQ(window.tx->text().trimmed(), QStringLiteral("B"));
    QString boxWhileShown = QStringLiteral("unchanged");
    QString targetWhileShown;
    fakes.dialogs.onMessage = [&](const QString&) {
        boxWhileShown = window.tx->text();
        targetWhileShown = window.lf->text();
    };
    QTest::mouseClick(window.Command2, Qt::LeftButton);
    EXPECT_EQ(fakes.dialogs.messages.back(), CodeListLogic::deletedMessage());
    EXPECT_TRUE(boxWhileShown.isEmpty());
    EXPECT_EQ(targetWhileShown, QStringLiteral("2"));
}

TEST_P(CodeListTest, WindowScrollPositionRules) {
    addEntries({"A", "B", "C"});
    CodeListWindow window(*store, services, GetParam());
    EXPECT_EQ(window.v->value(), 1);
    EXPECT_EQ(window.v->minimum(), 0);
    EXPECT_EQ(window.v->maximum(), 4);
    EXPECT_EQ(window.lf->text(), QStringLiteral("4"));
    for (QLabel* row : window.l2)
        EXPECT_TRUE(row->text().isEmpty());

    window.tx->setText(QStringLiteral("D"));
    QTest::mouseClick(window.Command1, Qt::LeftButton);
    EXPECT_TRUE(window.tx->text().isEmpty());
    EXPECT_EQ(window.lf->text(), QStringLiteral("5"));
    EXPECT_EQ(window.l1[0]->text(), QStringLiteral("2")); // drawn from entry 2
    EXPECT_EQ(window.l1[2]->text(), QStringLiteral("4"));
    EXPECT_EQ(window.v->maximum(), 4); // set once, at opening

    window.v->setValue(0);
    EXPECT_EQ(window.l1[0]->text(), QStringLiteral("1"));
    EXPECT_EQ(window.l2[0]->text().trimmed(), QStringLiteral("A"));

    // Double-click on entry 3, then delete it: the list is redrawn from entry 1.
    window.v->setValue(1);
    QTest::mouseDClick(window.l2[1], Qt::LeftButton);
    EXPECT_EQ(window.lf->text(), QStringLiteral("3"));
    EXPECT_EQ(window.tx->text(), QStringLiteral("C"));
    QTest::mouseClick(window.Command2, Qt::LeftButton);
    EXPECT_EQ(window.v->value(), 0);
    EXPECT_TRUE(window.tx->text().isEmpty());
    EXPECT_EQ(window.lf->text(), QStringLiteral("4"));
    EXPECT_EQ(window.l2[0]->text().trimmed(), QStringLiteral("A"));
    EXPECT_EQ(window.l2[2]->text().trimmed(), QStringLiteral("D"));
    EXPECT_EQ(window.l1[2]->text(), QStringLiteral("3"));
    EXPECT_TRUE(window.l1[3]->text().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(BothLists, CodeListTest, ::testing::Values(CodeList::Subjects, CodeList::ViolationTypes),
                         [](const auto& param) {
                             return param.param == CodeList::Subjects ? std::string("Subjects")
                                                                     : std::string("ViolationTypes");
                         });

TEST(CodeListWindows, CaptionsOfTheTwoLists) {
    const fs::path folder = store::testing::testFolder("code_list");
    store::DataStore store(folder);
    store.openDataFiles();
    platform::testing::FakeServices fakes;
    auto services = fakes.services();

    CodeListWindow subjects(store, services, CodeList::Subjects);
    EXPECT_EQ(subjects.objectName(), QStringLiteral("Form23"));
    EXPECT_EQ(subjects.windowTitle(), QStringLiteral("Form23"));
    EXPECT_EQ(subjects.Command2->text(), QStringLiteral("حذف المادة"));
    EXPECT_EQ(subjects.findChild<QLabel*>(QStringLiteral("Label1_1"))->text(), QStringLiteral("المادة"));
    EXPECT_EQ(subjects.findChild<QLabel*>(QStringLiteral("Image1")), nullptr);

    CodeListWindow violations(store, services, CodeList::ViolationTypes);
    EXPECT_EQ(violations.objectName(), QStringLiteral("Form33"));
    EXPECT_TRUE(violations.windowTitle().isEmpty());
    EXPECT_EQ(violations.Command2->text(), QStringLiteral("حذف المخالفة"));
    EXPECT_EQ(violations.findChild<QLabel*>(QStringLiteral("Label1_1"))->text(), QStringLiteral("المخالفة"));
    EXPECT_NE(violations.findChild<QLabel*>(QStringLiteral("Image1")), nullptr);

    for (CodeListWindow* window : {&subjects, &violations}) {
        EXPECT_EQ(window->Command1->text(), QStringLiteral("حفظ"));
        EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("Label2_0"))->text(), QStringLiteral("الرمز"));
        EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("Label2_1"))->text(), QStringLiteral("الماده"));
        EXPECT_NE(window->findChild<QLabel*>(QStringLiteral("l2_11")), nullptr);
        EXPECT_EQ(window->layoutDirection(), Qt::RightToLeft);
    }
}

} // namespace
