#include "authoring/skills_editor_logic.h"
#include "store/testing/test_folder.h"
#include "authoring/skills_editor_window.h"
#include "platform/testing/fake_services.h"
#include "store/data_store.h"
#include "store/skills.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

using namespace velmora;
using authoring::SkillsEditorLogic;
using authoring::SkillsEditorWindow;
namespace fs = std::filesystem;

namespace {

constexpr int kGrade = 4;
constexpr int kFile = 3; // grade 4's skills file

class SkillsEditorTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = store::testing::testFolder("skills_editor");
    }

    // Subjects and skills written before the program starts; then the store is opened as
    // start-up opens it.
    void open(std::initializer_list<const char*> subjects = {"لغتي", "الرياضيات"}) {
        {
            store::DataStore seed(folder);
            store::testing::SchoolBuilder school(seed);
            for (const char* name : subjects)
                school.subject(name);
            for (const auto& [record, subject, text] : seededSkills) {
                auto skill = seed.read<store::SkillRecord>(kFile, record);
                skill.skillName.elements()[static_cast<std::size_t>(subject)].assign(text);
                skill.subjectName.elements()[static_cast<std::size_t>(subject)].assign(
                    std::data(subjects)[subject]);
                seed.write(kFile, record, skill);
            }
        }
        store = std::make_unique<store::DataStore>(folder);
        store->openDataFiles();
    }

    // Subject s gets skills 1..howMany named "<prefix> n".
    void seedSkills(int subject, int howMany, const std::string& prefix) {
        for (int n = 1; n <= howMany; ++n)
            seededSkills.push_back({n, subject, prefix + " " + std::to_string(n)});
    }

    store::SkillRecord record(std::int32_t n) const { return store->read<store::SkillRecord>(kFile, n); }
    std::string skillOf(std::int32_t n, int subject) const {
        return record(n).skillName.elements()[static_cast<std::size_t>(subject)].trimmed();
    }

    SkillsEditorLogic::SkillInput input(const char* skill, std::array<const char*, 3> codes = {"", "", ""}) const {
        return {{QString::fromUtf8(codes[0]), QString::fromUtf8(codes[1]), QString::fromUtf8(codes[2])},
                QString::fromUtf8(skill),
                QStringLiteral("الرياضيات")};
    }

    struct Seeded {
        std::int32_t record;
        int subject;
        std::string text;
    };
    std::vector<Seeded> seededSkills;
    fs::path folder;
    std::unique_ptr<store::DataStore> store;
    platform::testing::FakeServices fakes;
    platform::Services services = fakes.services();
};

TEST_F(SkillsEditorTest, EmptyFileFirstSaveCreatesRecordOne) {
    open();
    SkillsEditorLogic logic(*store, services, kGrade);
    EXPECT_EQ(logic.file(), kFile);
    EXPECT_EQ(logic.subjectItems(), (QStringList{QStringLiteral("لغتي"), QStringLiteral("الرياضيات")}));
    ASSERT_TRUE(logic.chooseSubject(1));
    EXPECT_EQ(logic.count(), 0);
    EXPECT_EQ(logic.target(), 1);
    const auto rows = logic.page(1, 0);
    ASSERT_TRUE(rows.has_value());
    for (const QString& row : *rows)
        EXPECT_TRUE(row.isEmpty());

    ASSERT_TRUE(logic.save(1, input("  الجمع  ", {"3", "2.5", "x"})));
    const auto saved = record(1);
    EXPECT_EQ(saved.recNo, 0);
    EXPECT_EQ(skillOf(1, 1), "الجمع");
    EXPECT_EQ(saved.subjectName.elements()[1].trimmed(), "الرياضيات");
    EXPECT_EQ(saved.code.get(1, 0), std::int16_t{3});
    EXPECT_EQ(saved.code.get(1, 1), std::int16_t{2}); // halves to even
    EXPECT_EQ(saved.code.get(1, 2), std::int16_t{0});
    EXPECT_TRUE(saved.skillName.elements()[0].neverWritten());
    EXPECT_EQ(logic.target(), 2);
    EXPECT_EQ(store->count(kFile), 1);
    EXPECT_TRUE(fakes.dialogs.messages.empty());
}

TEST_F(SkillsEditorTest, ShorterSubjectAppendsIntoTheSharedRecordAndOthersStillSeeEverySkill) {
    seedSkills(0, 5, "A");
    seedSkills(1, 2, "B");
    open();
    SkillsEditorLogic logic(*store, services, kGrade);
    EXPECT_EQ(logic.target(), 6); // the start-up count until a subject is chosen
    ASSERT_TRUE(logic.chooseSubject(1));
    EXPECT_EQ(logic.count(), 2);
    EXPECT_EQ(logic.target(), 3);
    ASSERT_TRUE(logic.save(1, input("B 3")));
    EXPECT_EQ(skillOf(3, 1), "B 3");
    EXPECT_EQ(skillOf(3, 0), "A 3");
    EXPECT_EQ(logic.target(), 4);

    // The file's count is not lowered: the question editor lists all of A's skills.
    EXPECT_EQ(store->count(kFile), 5);
    const auto listed = store::skillsOfSubject(*store, kGrade, 0, "لغتي");
    ASSERT_EQ(listed.size(), 5u);
    EXPECT_EQ(listed.back().name, "A 5");
    EXPECT_EQ(store::skillsOfSubject(*store, kGrade, 1, "الرياضيات").size(), 3u);
}

TEST_F(SkillsEditorTest, SkillSavedEmptyKeepsItsSlot) {
    open();
    SkillsEditorLogic logic(*store, services, kGrade);
    ASSERT_TRUE(logic.chooseSubject(1));
    ASSERT_TRUE(logic.save(1, input("   ")));
    EXPECT_EQ(record(1).skillName.elements()[1].value(), std::string(100, ' '));
    ASSERT_TRUE(logic.chooseSubject(1));
    EXPECT_EQ(logic.target(), 2);
    const auto rows = logic.page(1, 0);
    ASSERT_TRUE(rows.has_value());
    EXPECT_TRUE((*rows)[0].trimmed().isEmpty());
    EXPECT_EQ(logic.tag(0), 1);
}

TEST_F(SkillsEditorTest, StaleTagStillLoadsItsRecordAndEditKeepsTheCount) {
    seedSkills(1, 5, "B");
    open();
    SkillsEditorLogic logic(*store, services, kGrade);
    ASSERT_TRUE(logic.chooseSubject(1));
    const auto first = logic.page(1, 1);
    EXPECT_EQ((*first)[0].trimmed(), QStringLiteral("B 2"));
    EXPECT_EQ((*first)[3].trimmed(), QStringLiteral("B 5"));
    EXPECT_TRUE((*first)[4].isEmpty());
    const auto later = logic.page(1, 3); // row 3 blank now, its tag still 5
    EXPECT_TRUE((*later)[3].isEmpty());
    ASSERT_EQ(logic.load(1, 3), QStringLiteral("B 5"));
    EXPECT_EQ(logic.target(), 5);
    ASSERT_TRUE(logic.save(1, input("B five")));
    EXPECT_EQ(skillOf(5, 1), "B five");
    EXPECT_EQ(record(5).code.get(1, 0), std::int16_t{0}); // codes come from the empty boxes
    EXPECT_EQ(logic.target(), 6);
    EXPECT_EQ(store->recordCount(kFile), 5);
}

TEST_F(SkillsEditorTest, EveryActionWithoutASubjectAsksForOne) {
    seedSkills(0, 2, "A");
    open();
    SkillsEditorLogic logic(*store, services, kGrade);
    EXPECT_FALSE(logic.chooseSubject(-1));
    EXPECT_FALSE(logic.page(-1, 0).has_value());
    EXPECT_FALSE(logic.load(-1, 0).has_value());
    EXPECT_FALSE(logic.save(-1, input("x")));
    EXPECT_EQ(fakes.dialogs.messages, std::vector<QString>(4, QStringLiteral("اختر الماده")));
    EXPECT_EQ(store->recordCount(kFile), 2);
}

struct CodeCase {
    const char* typed;
    bool accepted;
    std::int16_t stored;
};

void PrintTo(const CodeCase& c, std::ostream* os) { *os << '"' << c.typed << '"'; }

class SkillCodeRange : public SkillsEditorTest, public ::testing::WithParamInterface<CodeCase> {};

// A code outside 16 bits is refused before anything is written.
TEST_P(SkillCodeRange, CodeBoxes) {
    open();
    SkillsEditorLogic logic(*store, services, kGrade);
    ASSERT_TRUE(logic.chooseSubject(1));
    const CodeCase& c = GetParam();
    const bool saved = logic.save(1, input("skill", {"1", "2", c.typed}));
    EXPECT_EQ(saved, c.accepted);
    if (c.accepted) {
        EXPECT_EQ(record(1).code.get(1, 2), c.stored);
        EXPECT_TRUE(fakes.dialogs.messages.empty());
    } else {
        EXPECT_EQ(store->recordCount(kFile), 0);
        EXPECT_EQ(logic.target(), 1);
        EXPECT_EQ(logic.count(), 0);
        ASSERT_EQ(fakes.dialogs.messages.size(), 1u);
        EXPECT_EQ(fakes.dialogs.messages[0], SkillsEditorLogic::codeRangeMessage());
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, SkillCodeRange,
                         ::testing::Values(CodeCase{"32767", true, 32767}, CodeCase{"-32768", true, -32768},
                                           CodeCase{"32767.4", true, 32767}, CodeCase{"12abc", true, 12},
                                           CodeCase{"", true, 0}, CodeCase{"32768", false, 0},
                                           CodeCase{"-32769", false, 0}, CodeCase{"1e9", false, 0}));

TEST_F(SkillsEditorTest, SubjectWithoutASlotIsRefused) {
    std::vector<std::string> names;
    for (int i = 1; i <= 22; ++i)
        names.push_back("subject " + std::to_string(i));
    {
        store::DataStore seed(folder);
        seed.openDataFiles();
        for (const auto& name : names) {
            store::CodeRecord subject;
            subject.name.assign(name);
            seed.append(store::files::kSubjects, subject);
        }
    }
    store = std::make_unique<store::DataStore>(folder);
    store->openDataFiles();
    SkillsEditorLogic logic(*store, services, kGrade);
    EXPECT_EQ(logic.subjectItems().size(), 22);
    EXPECT_TRUE(logic.chooseSubject(20)); // the last subject with a slot
    EXPECT_FALSE(logic.chooseSubject(21));
    EXPECT_FALSE(logic.save(21, input("x")));
    EXPECT_FALSE(logic.load(21, 0).has_value());
    EXPECT_EQ(fakes.dialogs.messages, std::vector<QString>(3, SkillsEditorLogic::noSlotMessage()));
    EXPECT_EQ(store->recordCount(kFile), 0);
}

TEST_F(SkillsEditorTest, FullSubjectRefusesANewSkillButEditsALoadedOne) {
    seedSkills(0, 40, "A");
    seedSkills(1, 3, "B");
    open();
    SkillsEditorLogic logic(*store, services, kGrade);
    ASSERT_TRUE(logic.chooseSubject(1));
    EXPECT_EQ(logic.target(), 4);
    EXPECT_FALSE(logic.chooseSubject(0));
    EXPECT_EQ(logic.target(), 4); // left as it was
    EXPECT_EQ(logic.count(), 3);
    EXPECT_FALSE(logic.save(0, input("A 41")));
    EXPECT_EQ(fakes.dialogs.messages, std::vector<QString>{SkillsEditorLogic::listFullMessage()});
    EXPECT_EQ(skillOf(4, 0), "A 4");

    logic.page(0, 0);
    ASSERT_EQ(logic.load(0, 1), QStringLiteral("A 2"));
    EXPECT_TRUE(logic.save(0, input("A two")));
    EXPECT_EQ(skillOf(2, 0), "A two");
    EXPECT_FALSE(logic.save(0, input("again"))); // no longer loaded
}

TEST_F(SkillsEditorTest, LongSubjectNameIsStoredCutAndStillListed) {
    const std::string longName = "التربية الاسلامية والوطنية"; // 26 characters
    open({"لغتي", longName.c_str()});
    SkillsEditorLogic logic(*store, services, kGrade);
    ASSERT_TRUE(logic.chooseSubject(1));
    auto skill = input("الوضوء");
    skill.subjectName = QString::fromStdString(longName);
    ASSERT_TRUE(logic.save(1, skill));
    EXPECT_EQ(record(1).subjectName.elements()[1].value(), QString::fromStdString(longName).left(20).toStdString());
    const auto listed = store::skillsOfSubject(*store, kGrade, 1, longName);
    ASSERT_EQ(listed.size(), 1u);
    EXPECT_EQ(listed[0].name, "الوضوء");
}

TEST_F(SkillsEditorTest, EditorCountOutlivesTheWindowPerGrade) {
    seedSkills(0, 5, "A");
    seedSkills(1, 2, "B");
    open();
    {
        SkillsEditorLogic logic(*store, services, kGrade);
        ASSERT_TRUE(logic.chooseSubject(1));
    }
    EXPECT_EQ(SkillsEditorLogic(*store, services, kGrade).target(), 3);
    EXPECT_EQ(SkillsEditorLogic(*store, services, 1).target(), 1); // grade 1's empty file
}

// The window: the bar at 1 when it opens, so a subject of five skills shows skills 2..5.
TEST_F(SkillsEditorTest, WindowShowsFromTheBarPositionAndClearsAfterSave) {
    seedSkills(1, 5, "B");
    open();
    SkillsEditorWindow window(*store, services, kGrade);
    EXPECT_EQ(window.v->value(), 1);
    EXPECT_EQ(window.v->maximum(), 32767);
    EXPECT_EQ(window.c->currentIndex(), -1);
    EXPECT_EQ(window.lf->text(), QStringLiteral("6"));
    for (QLabel* row : window.l2)
        EXPECT_TRUE(row->text().isEmpty());

    window.c->setCurrentIndex(1);
    Q_EMIT window.c->activated(1);
    EXPECT_EQ(window.lf->text(), QStringLiteral("6"));
    EXPECT_EQ(window.l2[0]->text().trimmed(), QStringLiteral("B 2"));
    EXPECT_EQ(window.l2[3]->text().trimmed(), QStringLiteral("B 5"));
    EXPECT_TRUE(window.l2[4]->text().isEmpty());
    window.v->setValue(0);
    EXPECT_EQ(window.l2[0]->text().trimmed(), QStringLiteral("B 1"));

    QTest::mouseDClick(window.l2[2], Qt::LeftButton);
    EXPECT_EQ(window.lf->text(), QStringLiteral("3"));
    EXPECT_EQ(window.tx->text(), QStringLiteral("B 3"));
    window.nx[0]->setText(QStringLiteral("7"));
    window.tx->setText(QStringLiteral("B three"));
    QTest::mouseClick(window.Command1, Qt::LeftButton);
    EXPECT_EQ(window.lf->text(), QStringLiteral("6"));
    EXPECT_TRUE(window.tx->text().isEmpty());
    EXPECT_TRUE(window.nx[0]->text().isEmpty());
    EXPECT_EQ(window.l2[2]->text().trimmed(), QStringLiteral("B three"));
    EXPECT_EQ(record(3).code.get(1, 0), std::int16_t{7});
    EXPECT_EQ(record(3).subjectName.elements()[1].trimmed(), "الرياضيات");
}

struct GradeCase {
    int grade;
    const char* name;
    const char* caption;
};

void PrintTo(const GradeCase& g, std::ostream* os) { *os << g.name; }

class SkillsEditorDesign : public SkillsEditorTest, public ::testing::WithParamInterface<GradeCase> {};

TEST_P(SkillsEditorDesign, NameCaptionAndFile) {
    open();
    const GradeCase& g = GetParam();
    SkillsEditorWindow window(*store, services, g.grade);
    EXPECT_EQ(window.objectName(), QString::fromLatin1(g.name));
    EXPECT_EQ(window.windowTitle(), QString::fromUtf8(g.caption));
    EXPECT_EQ(window.Command2 != nullptr, g.grade == 2);
    EXPECT_EQ(window.findChild<QPushButton*>(QStringLiteral("Command2")) != nullptr, g.grade == 2);
    EXPECT_EQ(SkillsEditorLogic(*store, services, g.grade).file(), *store::skillsFileOfGrade(g.grade));
    EXPECT_EQ(window.Command1->text(), QStringLiteral("حفظ"));
    EXPECT_NE(window.findChild<QLabel*>(QStringLiteral("l3_11")), nullptr);
    EXPECT_NE(window.findChild<QLineEdit*>(QStringLiteral("nx_2")), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Grades, SkillsEditorDesign,
                         ::testing::Values(GradeCase{1, "Form6", "مهارات اولى"}, GradeCase{2, "Form7", "مهارات ثاني"},
                                           GradeCase{3, "Form9", "مهارات ثالث"}, GradeCase{4, "Form5", "مهارات رابع"},
                                           GradeCase{5, "Form10", "مهارات خامسaa"},
                                           GradeCase{6, "Form11", "مهارات سادس"}));

} // namespace
