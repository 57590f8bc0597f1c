#include "authoring/question_editor_logic.h"
#include "authoring/question_editor_window.h"
#include "authoring/question_list_logic.h"
#include "authoring/question_list_window.h"
#include "platform/testing/fake_services.h"
#include "platform/testing/widget_testing.h"
#include "store/data_store.h"
#include "store/file_table.h"
#include "store/testing/test_folder.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

using namespace velmora;
using authoring::QuestionEditorLogic;
using authoring::QuestionTexts;
using store::QuestionRecord;
namespace fs = std::filesystem;

namespace {

using velmora::platform::testing::child;
using velmora::platform::testing::choose;

const QString kChooseSubject = QStringLiteral("اختر الماده");
const QString kChooseGrade = QStringLiteral("اختر الصف");
const QString kChooseSkill = QStringLiteral("اختر المهاره");
const QString kChooseAnswer = QStringLiteral("اختر الاجابه الصحيحه");
const QString kNoSlot = QStringLiteral("لا مكان لهذه الماده في السجلات: تتسع السجلات لاحدى وعشرين ماده فقط");

QuestionTexts texts(const char* question, std::initializer_list<const char*> choices) {
    QuestionTexts t;
    t.text = QString::fromUtf8(question);
    std::size_t i = 0;
    for (const char* choice : choices)
        t.choices[i++] = QString::fromUtf8(choice);
    return t;
}

class QuestionEditorTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = store::testing::testFolder("questions");
        store = std::make_unique<store::DataStore>(folder);
        store->openDataFiles();
        // Subjects 0 and 1; grade 1 holds two skills of subject 0 and one of subject 1,
        // grade 2 one skill of subject 0.
        addSubject("لغتي");
        addSubject("الرياضيات");
        putSkill(1, 1, 0, "لغتي", "قراءة الحروف");
        putSkill(1, 1, 1, "الرياضيات", "الجمع");
        putSkill(1, 2, 0, "لغتي", "كتابة الحروف");
        putSkill(2, 1, 0, "لغتي", "قراءة الكلمات");
    }

    void addSubject(const std::string& name) {
        store::CodeRecord subject;
        subject.name.assign(name);
        store->append(store::files::kSubjects, subject);
    }

    // Writes one skill slot as the skills editor does, keeping the record's other slots.
    void putSkill(int grade, std::int32_t record, int subject, const std::string& subjectName,
                  const std::string& skillName) {
        const int file = *store::skillsFileOfGrade(grade);
        auto skill = store->read<store::SkillRecord>(file, record);
        skill.skillName.find(subject)->assign(skillName);
        skill.subjectName.find(subject)->assign(subjectName);
        store->write(file, record, skill);
        store->setCount(file, std::max(store->count(file), record));
    }

    QuestionRecord question(std::int32_t n) const { return store->read<QuestionRecord>(store::files::kQuestions, n); }
    std::int64_t bankLength() const { return store->fileLength(store::files::kQuestions); }

    // A logic with grade, subject and skill chosen.
    std::unique_ptr<QuestionEditorLogic> ready(int grade = 1, int subject = 0, int skill = 0) {
        auto logic = std::make_unique<QuestionEditorLogic>(*store, services);
        logic->chooseGrade(grade);
        logic->chooseSubject(subject);
        logic->chooseSkill(skill);
        return logic;
    }

    fs::path folder;
    std::unique_ptr<store::DataStore> store;
    platform::testing::FakeServices fakes;
    platform::Services services = fakes.services();
};

TEST_F(QuestionEditorTest, SaveChecksRunInOrderAndWriteNothing) {
    QuestionEditorLogic logic(*store, services);
    const auto full = texts("كم؟", {"1", "2"});
    auto refusedWith = [&](const QString& message) {
        fakes.dialogs.messages.clear();
        EXPECT_FALSE(logic.save(full));
        ASSERT_EQ(fakes.dialogs.messages.size(), 1u);
        EXPECT_EQ(fakes.dialogs.messages.back(), message);
        EXPECT_EQ(bankLength(), 0);
    };
    logic.markChoice(0);
    refusedWith(kChooseSubject);

    logic.chooseSubject(0); // no grade yet: the choice itself asks for it
    EXPECT_EQ(fakes.dialogs.messages.back(), kChooseGrade);
    refusedWith(kChooseGrade);

    logic.chooseGrade(0); // the prompt item is no grade
    refusedWith(kChooseGrade);

    logic.chooseGrade(1);
    refusedWith(kChooseSkill); // the skill list follows only a new subject choice
    logic.chooseSubject(0);
    refusedWith(kChooseSkill);

    logic.chooseSkill(1);
    logic.markChoice(-1);
    refusedWith(kChooseAnswer);

    logic.markChoice(1);
    fakes.dialogs.messages.clear();
    EXPECT_TRUE(logic.save(full));
    EXPECT_TRUE(fakes.dialogs.messages.empty());
    EXPECT_EQ(bankLength(), 604);
}

// The correct choice counts only when marked beside a choice before the first empty box.
struct ScanRow {
    const char* name;
    std::array<const char*, 6> choices;
    int marked;
    int answer; // -1: refused
    int filled; // choices stored
};

void PrintTo(const ScanRow& row, std::ostream* os) { *os << row.name; }

class CorrectChoiceScan : public QuestionEditorTest, public ::testing::WithParamInterface<ScanRow> {};

TEST_P(CorrectChoiceScan, StopsAtTheFirstEmptyChoice) {
    const ScanRow& row = GetParam();
    auto logic = ready();
    QuestionTexts t;
    t.text = QStringLiteral("سؤال");
    for (std::size_t i = 0; i < 6; ++i)
        t.choices[i] = QString::fromUtf8(row.choices[i]);
    logic->markChoice(row.marked);
    const bool saved = logic->save(t);
    if (row.answer < 0) {
        EXPECT_FALSE(saved);
        EXPECT_EQ(fakes.dialogs.messages.back(), kChooseAnswer);
        EXPECT_EQ(bankLength(), 0);
        EXPECT_EQ(logic->marked(), row.marked); // a refused save keeps the marker
        return;
    }
    ASSERT_TRUE(saved);
    const auto q = question(1);
    EXPECT_EQ(q.answer, row.answer);
    for (int i = 0; i < 6; ++i) {
        const auto& choice = q.choice.elements()[static_cast<std::size_t>(i)];
        if (i < row.filled)
            EXPECT_EQ(choice.trimmed(), store::trimSpaces(row.choices[static_cast<std::size_t>(i)])) << i;
        else
            EXPECT_TRUE(choice.neverWritten()) << i; // a new question leaves them unwritten
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CorrectChoiceScan,
    ::testing::Values(
        ScanRow{"MarkBeforeGap", {"أ", "ب", "", "د", "", ""}, 1, 1, 2},
        ScanRow{"MarkAfterGapRefused", {"أ", "ب", "", "د", "", ""}, 3, -1, 0},
        ScanRow{"MarkOnGapRefused", {"أ", "", "ج", "", "", ""}, 1, -1, 0},
        ScanRow{"SpacesOnlyIsEmpty", {"أ", "   ", "ج", "", "", ""}, 2, -1, 0},
        ScanRow{"FirstEmptyStoresNone", {"", "ب", "", "", "", ""}, 0, -1, 0},
        ScanRow{"SixChoicesLastMarked", {"1", "2", "3", "4", "5", "6"}, 5, 5, 6},
        ScanRow{"TabIsNotTrimmed", {"أ", "\t", "", "", "", ""}, 1, 1, 2},
        ScanRow{"PaddedChoicesStoredTrimmed", {"  أ  ", " ب", "", "", "", ""}, 0, 0, 2}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(QuestionEditorTest, NewQuestionIsWrittenWholeAndTheEditorReturnsToAddMode) {
    auto logic = ready(1, 0, 1);
    EXPECT_EQ(logic->nextNumber(), 1);
    logic->markChoice(2);
    ASSERT_TRUE(logic->save(texts("  ما الحرف؟ ", {"ا", "ب", "ت"})));

    const auto q = question(1);
    EXPECT_EQ(q.recNo, 1);
    EXPECT_EQ(q.grade, 1);
    EXPECT_EQ(q.subject, 0);
    EXPECT_EQ(q.skill, 1);
    EXPECT_EQ(q.kind, 1);
    EXPECT_EQ(q.answer, 2);
    EXPECT_EQ(q.labels.elements()[0].trimmed(), "الاول");
    EXPECT_EQ(q.labels.elements()[1].trimmed(), "لغتي");
    EXPECT_EQ(q.skillName.trimmed(), "كتابة الحروف");
    EXPECT_EQ(q.text.value(), store::Text<100>("ما الحرف؟").value());
    EXPECT_EQ(q.spare, store::Spare<50>{});
    EXPECT_EQ(store->count(store::files::kQuestions), 1);
    EXPECT_EQ(logic->nextNumber(), 2);
    EXPECT_EQ(logic->editNumber(), 0);
    EXPECT_EQ(logic->marked(), -1); // the next question starts with no marker
    // Grade, subject and skill stay for the next question.
    EXPECT_EQ(logic->grade(), 1);
    EXPECT_EQ(logic->subject(), 0);
    EXPECT_EQ(logic->skill(), 1);
}

TEST_F(QuestionEditorTest, NewQuestionNumberComesFromTheFileLengthAtSaving) {
    auto logic = ready();
    // Another writer adds a question behind the process-wide count.
    QuestionRecord other;
    other.recNo = 1;
    store->write(store::files::kQuestions, 1, other);
    ASSERT_EQ(store->count(store::files::kQuestions), 0);

    logic->markChoice(0);
    ASSERT_TRUE(logic->save(texts("س", {"ج"})));
    EXPECT_EQ(question(2).recNo, 2);
    EXPECT_EQ(question(1), other);
    EXPECT_EQ(logic->nextNumber(), 3);
}

TEST_F(QuestionEditorTest, EditRoundTripRewritesTheQuestionAndClearsDroppedChoices) {
    auto logic = ready(1, 0, 1);
    logic->markChoice(3);
    ASSERT_TRUE(logic->save(texts("الاول", {"a", "b", "c", "d"})));
    logic->markChoice(0);
    ASSERT_TRUE(logic->save(texts("الثاني", {"x"})));
    // Bytes the editor never writes must survive an edit.
    auto stored = question(1);
    stored.spare.bytes.fill(7);
    store->write(store::files::kQuestions, 1, stored);

    QuestionEditorLogic editor(*store, services);
    const auto shown = editor.callUp(QStringLiteral("1"));
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->text, QStringLiteral("الاول"));
    EXPECT_EQ(shown->choices, (std::array<QString, 6>{QStringLiteral("a"), QStringLiteral("b"),
                                                       QStringLiteral("c"), QStringLiteral("d"), {}, {}}));
    EXPECT_EQ(editor.editNumber(), 1);
    EXPECT_EQ(editor.nextNumber(), 1);
    EXPECT_EQ(editor.grade(), 1);
    EXPECT_EQ(editor.subject(), 0);
    EXPECT_EQ(editor.skillItems(), (QStringList{QStringLiteral("قراءة الحروف"), QStringLiteral("كتابة الحروف")}));
    EXPECT_EQ(editor.skill(), 1);
    EXPECT_EQ(editor.marked(), 3);
    EXPECT_TRUE(fakes.dialogs.messages.empty());

    // Fewer choices now: the marker on d lies past the first empty box.
    auto changed = *shown;
    changed.text = QStringLiteral("الاول معدل");
    changed.choices[2].clear();
    EXPECT_FALSE(editor.save(changed));
    EXPECT_EQ(fakes.dialogs.messages.back(), kChooseAnswer);
    EXPECT_EQ(editor.editNumber(), 1);

    editor.markChoice(1);
    ASSERT_TRUE(editor.save(changed));
    const auto q = question(1);
    EXPECT_EQ(q.recNo, 1);
    EXPECT_EQ(q.text.trimmed(), "الاول معدل");
    EXPECT_EQ(q.answer, 1);
    EXPECT_EQ(q.choice.elements()[1].trimmed(), "b");
    for (std::size_t i = 2; i < 6; ++i) {
        EXPECT_EQ(q.choice.elements()[i].trimmed(), "") << i; // c and d cannot come back
        if (i < 4) {
            EXPECT_FALSE(q.choice.elements()[i].neverWritten()) << i;
        }
    }
    EXPECT_EQ(q.spare, stored.spare);
    EXPECT_EQ(question(2).text.trimmed(), "الثاني");
    EXPECT_EQ(store->count(store::files::kQuestions), 2);
    EXPECT_EQ(editor.editNumber(), 0);
    EXPECT_EQ(editor.nextNumber(), 3);

    // Back in add mode: the next save appends.
    editor.markChoice(0);
    ASSERT_TRUE(editor.save(texts("الثالث", {"y"})));
    EXPECT_EQ(question(3).text.trimmed(), "الثالث");
    EXPECT_EQ(question(1).text.trimmed(), "الاول معدل");
}

TEST_F(QuestionEditorTest, NumbersOutsideTheBankAreIgnored) {
    auto logic = ready();
    for (int i = 0; i < 2; ++i) {
        logic->markChoice(0);
        ASSERT_TRUE(logic->save(texts("س", {"ج"})));
    }
    fakes.dialogs.messages.clear();
    for (const char* typed : {"0", "3", "-1", "abc", "", "0.4", "2.6"}) {
        EXPECT_FALSE(logic->callUp(QString::fromUtf8(typed))) << typed;
        EXPECT_EQ(logic->editNumber(), 0) << typed;
    }
    EXPECT_TRUE(fakes.dialogs.messages.empty());
    EXPECT_TRUE(logic->callUp(QStringLiteral(" 1 سؤال")));
    EXPECT_EQ(logic->editNumber(), 1);
}

TEST_F(QuestionEditorTest, CallingUpRefillsTheSkillsOfTheQuestionsGrade) {
    // A grade-2 question of subject 0.
    auto writer = ready(2, 0, 0);
    writer->markChoice(0);
    ASSERT_TRUE(writer->save(texts("س", {"ج"})));

    // The editor shows subject 0 of grade 1; calling the question up keeps the subject
    // but must list grade 2's skills.
    auto logic = ready(1, 0, 1);
    ASSERT_EQ(logic->skillItems().size(), 2);
    ASSERT_TRUE(logic->callUp(QStringLiteral("1")));
    EXPECT_EQ(logic->grade(), 2);
    EXPECT_EQ(logic->subject(), 0);
    EXPECT_EQ(logic->skillItems(), QStringList{QStringLiteral("قراءة الكلمات")});
    EXPECT_EQ(logic->skill(), 0);
}

TEST_F(QuestionEditorTest, CalledUpSkillNoLongerListedSelectsNoSkill) {
    auto logic = ready(1, 0, 1);
    logic->markChoice(0);
    ASSERT_TRUE(logic->save(texts("س", {"ج"})));
    // The subject's second skill now belongs to another subject.
    putSkill(1, 2, 0, "العلوم", "كتابة الحروف");

    QuestionEditorLogic editor(*store, services);
    ASSERT_TRUE(editor.callUp(QStringLiteral("1")));
    EXPECT_EQ(editor.skillItems().size(), 1);
    EXPECT_EQ(editor.skill(), -1);
    EXPECT_FALSE(editor.save(texts("س", {"ج"})));
    EXPECT_EQ(fakes.dialogs.messages.back(), kChooseSkill);
    EXPECT_EQ(question(1).skill, 1);
}

TEST_F(QuestionEditorTest, DamagedQuestionSelectsOnlyWhatExists) {
    QuestionRecord damaged;
    damaged.recNo = 1;
    damaged.grade = 9;
    damaged.subject = 7;
    damaged.skill = -2;
    damaged.answer = 6;
    store->append(store::files::kQuestions, damaged);
    auto logic = ready(1, 0, 0);
    ASSERT_TRUE(logic->callUp(QStringLiteral("1")));
    EXPECT_EQ(logic->grade(), -1);
    EXPECT_EQ(logic->subject(), -1);
    EXPECT_TRUE(logic->skillItems().isEmpty());
    EXPECT_EQ(logic->skill(), -1);
    EXPECT_EQ(logic->marked(), -1);
    EXPECT_EQ(fakes.dialogs.messages.back(), kChooseSubject);
}

TEST_F(QuestionEditorTest, SubjectWithoutARecordSlotIsRefused) {
    for (int i = 2; i < 22; ++i)
        addSubject("ماده " + std::to_string(i));
    QuestionEditorLogic logic(*store, services);
    ASSERT_EQ(logic.subjectItems().size(), 22);
    logic.chooseGrade(1);
    logic.chooseSubject(20); // the last slot of the records is usable
    EXPECT_TRUE(fakes.dialogs.messages.empty());

    logic.chooseSubject(0);
    logic.chooseSkill(0);
    logic.chooseSubject(21);
    EXPECT_EQ(fakes.dialogs.messages.back(), kNoSlot);
    EXPECT_TRUE(logic.skillItems().isEmpty());
    EXPECT_EQ(logic.skill(), -1);
    logic.markChoice(0);
    EXPECT_FALSE(logic.save(texts("س", {"ج"})));
    EXPECT_EQ(fakes.dialogs.messages.back(), kNoSlot);
    EXPECT_EQ(bankLength(), 0);
}

TEST_F(QuestionEditorTest, SkillListFollowsTheFileNotTheSharedCount) {
    // A subject whose name is longer than the 20 characters the skills file keeps.
    const std::string longName = "التربية الاسلامية والقران";
    addSubject(longName);
    putSkill(1, 3, 2, longName, "التلاوة");
    putSkill(1, 4, 2, longName, "الحفظ");
    // A skills editor left the grade's count at a shorter subject's length.
    store->setCount(*store::skillsFileOfGrade(1), 1);

    auto logic = ready(1, 2, -1);
    EXPECT_EQ(logic->skillItems(), (QStringList{QStringLiteral("التلاوة"), QStringLiteral("الحفظ")}));
    logic->chooseSubject(0);
    EXPECT_EQ(logic->skillItems().size(), 2);
}

TEST_F(QuestionEditorTest, ListPagesThroughTheBank) {
    auto logic = ready(1, 0, 0);
    for (int i = 1; i <= 8; ++i) {
        logic->markChoice(0);
        ASSERT_TRUE(logic->save(texts(("سؤال " + std::to_string(i)).c_str(), {"ج"})));
    }

    auto numbers = [&](int p) {
        std::vector<int> out;
        for (const auto& row : authoring::questionListRows(*store, p))
            out.push_back(row.number);
        return out;
    };
    EXPECT_EQ(numbers(0), (std::vector<int>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(numbers(1), (std::vector<int>{2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(numbers(5), (std::vector<int>{6, 7, 8}));
    EXPECT_TRUE(numbers(8).empty());
    EXPECT_TRUE(numbers(32767).empty());

    const auto row = authoring::questionListRows(*store, 2).front();
    EXPECT_EQ(row.number, 3);
    EXPECT_EQ(row.grade, QStringLiteral("الاول"));
    EXPECT_EQ(row.subject, QStringLiteral("لغتي"));
    EXPECT_EQ(row.skill, QStringLiteral("قراءة الحروف"));
    EXPECT_EQ(row.text, QStringLiteral("سؤال 3"));
}

// The windows, worked through their widgets.
class QuestionWindowsTest : public QuestionEditorTest {
protected:
    static QStringList column(const authoring::QuestionListGrid& list) {
        QStringList shown;
        for (QLabel* label : list.lx)
            shown << label->text();
        return shown;
    }
};

TEST_F(QuestionWindowsTest, EditorOpensWithNothingChosenAndNoList) {
    auto logic = ready();
    for (int i = 0; i < 2; ++i) {
        logic->markChoice(0);
        ASSERT_TRUE(logic->save(texts("س", {"ج"})));
    }

    authoring::QuestionEditorWindow window(*store, services);
    EXPECT_EQ(window.objectName(), QStringLiteral("Form25"));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("مهارات خامس"));
    EXPECT_EQ(window.c1->count(), 7);
    EXPECT_EQ(window.c1->currentIndex(), -1);
    EXPECT_EQ(window.c->count(), 2);
    EXPECT_EQ(window.c->currentIndex(), -1);
    EXPECT_EQ(window.Co->count(), 0);
    EXPECT_EQ(window.lf->text(), QStringLiteral("3"));
    EXPECT_EQ(window.list.v->value(), 1);
    EXPECT_EQ(column(window.list), QStringList(6, QString()));
    for (int i = 0; i < 6; ++i)
        EXPECT_FALSE(window.o[static_cast<std::size_t>(i)]->isChecked());
    EXPECT_FALSE(window.o[6]->isVisible());
    EXPECT_FALSE(window.o[6]->icon().isNull());
    EXPECT_FALSE(window.o[7]->icon().isNull());
    EXPECT_EQ(child<QLabel>(window, QStringLiteral("Label1_0"))->text(), QStringLiteral("الخيار ات"));
    EXPECT_TRUE(fakes.dialogs.messages.empty());
}

TEST_F(QuestionWindowsTest, EditorSavesCallsUpAndLeavesNoMarkerSelected) {
    authoring::QuestionEditorWindow window(*store, services);
    window.show();
    choose(*window.c1, 1);
    choose(*window.c, 0);
    EXPECT_EQ(window.Co->count(), 2);
    EXPECT_EQ(window.Co->currentIndex(), -1);
    choose(*window.Co, 1);
    window.tx->setText(QStringLiteral("ما الحرف؟"));
    window.Text1[0]->setText(QStringLiteral("ا"));
    window.Text1[1]->setText(QStringLiteral("ب"));
    window.o[0]->click();
    window.o[1]->click();
    EXPECT_FALSE(window.o[0]->isChecked());
    EXPECT_TRUE(window.o[1]->isChecked());
    window.o[1]->click(); // clicking the marked choice again keeps it marked
    EXPECT_TRUE(window.o[1]->isChecked());
    EXPECT_EQ(window.o[1]->icon().cacheKey(), window.o[6]->icon().cacheKey());
    EXPECT_EQ(window.o[0]->icon().cacheKey(), window.o[7]->icon().cacheKey());

    window.te->setText(QStringLiteral("7"));
    window.Command1->click();
    EXPECT_TRUE(fakes.dialogs.messages.empty());
    EXPECT_EQ(question(1).answer, 1);
    EXPECT_EQ(window.lf->text(), QStringLiteral("2"));
    EXPECT_TRUE(window.tx->text().isEmpty());
    EXPECT_TRUE(window.Text1[0]->text().isEmpty());
    for (int i = 0; i < 6; ++i) {
        EXPECT_FALSE(window.o[static_cast<std::size_t>(i)]->isChecked()) << i;
        EXPECT_EQ(window.o[static_cast<std::size_t>(i)]->icon().cacheKey(), window.o[7]->icon().cacheKey());
    }
    EXPECT_EQ(window.c1->currentIndex(), 1);
    EXPECT_EQ(window.Co->currentIndex(), 1);
    EXPECT_EQ(window.te->text(), QStringLiteral("7"));
    // The save redraws the list from the scroll position 1: question 2 onwards.
    EXPECT_EQ(column(window.list)[0], QString());
    window.list.v->setValue(0);
    EXPECT_EQ(column(window.list)[0], QStringLiteral("1"));
    EXPECT_EQ(window.list.l1[0]->text(), QStringLiteral("الاول"));

    // Enter in te calls the question up without pressing the save button.
    choose(*window.c1, 2);
    choose(*window.c, 1);
    window.te->setText(QStringLiteral("1"));
    QTest::keyClick(window.te, Qt::Key_Return);
    EXPECT_EQ(store->count(store::files::kQuestions), 1);
    EXPECT_EQ(window.c1->currentIndex(), 1);
    EXPECT_EQ(window.c->currentIndex(), 0);
    EXPECT_EQ(window.Co->count(), 2);
    EXPECT_EQ(window.Co->currentIndex(), 1);
    EXPECT_TRUE(window.o[1]->isChecked());
    EXPECT_EQ(window.tx->text(), QStringLiteral("ما الحرف؟"));
    EXPECT_EQ(window.Text1[1]->text(), QStringLiteral("ب"));
    EXPECT_EQ(window.lf->text(), QStringLiteral("1"));
}

TEST_F(QuestionWindowsTest, EditorRowDoubleClickOnlyAsksForTheSubject) {
    authoring::QuestionEditorWindow window(*store, services);
    window.show();
    QTest::mouseDClick(window.list.l2[0], Qt::LeftButton);
    ASSERT_EQ(fakes.dialogs.messages.size(), 1u);
    EXPECT_EQ(fakes.dialogs.messages.back(), kChooseSubject);
    choose(*window.c1, 1);
    choose(*window.c, 0);
    QTest::mouseDClick(window.list.l2[3], Qt::LeftButton);
    EXPECT_EQ(fakes.dialogs.messages.size(), 1u);
}

TEST_F(QuestionWindowsTest, QuestionListFillsOnlyWhenItsBarMoves) {
    auto logic = ready();
    for (int i = 1; i <= 4; ++i) {
        logic->markChoice(0);
        ASSERT_TRUE(logic->save(texts(("سؤال " + std::to_string(i)).c_str(), {"ج"})));
    }

    authoring::QuestionListWindow window(*store, services);
    window.show();
    EXPECT_EQ(window.objectName(), QStringLiteral("Form28"));
    EXPECT_EQ(window.list.v->value(), 1);
    EXPECT_EQ(column(window.list), QStringList(6, QString()));
    window.list.v->setValue(0);
    EXPECT_EQ(column(window.list),
              (QStringList{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"), {}, {}}));
    EXPECT_EQ(window.list.l3[3]->text(), QStringLiteral("سؤال 4"));
    window.list.v->setValue(2);
    EXPECT_EQ(column(window.list),
              (QStringList{QStringLiteral("3"), QStringLiteral("4"), {}, {}, {}, {}}));
    EXPECT_TRUE(window.list.l3[2]->text().isEmpty());

    QTest::mouseDClick(window.list.l2[0], Qt::LeftButton);
    EXPECT_TRUE(fakes.dialogs.messages.empty());
    EXPECT_TRUE(fakes.modal.opened.empty());
}

} // namespace
