// The whole pupil loop on data made in the program: a teacher builds a subject, a skill and
// two questions through the windows and allows one pupil; the pupil signs in and answers.

#include "authoring/code_list_window.h"
#include "authoring/question_editor_window.h"
#include "authoring/skills_editor_window.h"
#include "main/main_window.h"
#include "platform/testing/fake_services.h"
#include "platform/testing/widget_testing.h"
#include "quiz/permissions_window.h"
#include "quiz/quiz_window.h"
#include "results/level_view_window.h"
#include "store/testing/test_folder.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace velmora;

namespace {

using velmora::platform::testing::child;
using velmora::platform::testing::choose;

void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }

TEST(WholeLoop, TeacherBuildsAndAllowsThePupilAnswers) {
    const auto folder = store::testing::testFolder("loop");
    platform::testing::FakeServices fakes;
    auto services = fakes.services();
    fakes.clock.current = QDateTime(QDate(2009, 3, 2), QTime(10, 20, 30)); // 1430/03/05
    store::DataStore store(folder);
    store.openDataFiles();

    // The teacher's curriculum, through the windows.
    {
        authoring::CodeListWindow subjects(store, services, authoring::CodeList::Subjects);
        subjects.tx->setText(QStringLiteral("الرياضيات"));
        click(subjects.Command1);
    }
    {
        authoring::SkillsEditorWindow skills(store, services, 4);
        choose(skills.c, QStringLiteral("الرياضيات"));
        skills.tx->setText(QStringLiteral("جمع عددين"));
        click(skills.Command1);
    }
    {
        authoring::QuestionEditorWindow questions(store, services);
        const struct {
            const char* text;
            int right;
        } made[] = {{"3 + 4 =", 1}, {"5 + 5 =", 0}};
        for (const auto& q : made) {
            choose(questions.c1, QStringLiteral("الرابع"));
            choose(questions.c, QStringLiteral("الرياضيات"));
            choose(questions.Co, QStringLiteral("جمع عددين"));
            questions.tx->setText(QString::fromUtf8(q.text));
            questions.Text1[0]->setText(QStringLiteral("10"));
            questions.Text1[1]->setText(QStringLiteral("7"));
            click(questions.o[static_cast<std::size_t>(q.right)]);
            click(questions.Command1);
        }
    }
    ASSERT_EQ(store.recordCount(store::files::kQuestions), 2);
    EXPECT_TRUE(fakes.dialogs.messages.empty()) << fakes.dialogs.messages.front().toStdString();

    // A class of three pupils, as the import would write it.
    store::testing::SchoolBuilder school(store);
    school.pupil(4, 1, {"بدر", "خالد"}, "8471");
    school.pupil(4, 1, {"سعد", "ناصر"}, "8471");
    school.pupil(4, 1, {"عمر", "يوسف"}, "8471");

    // The teacher allows pupil 2 a random question of the skill.
    {
        quiz::PermissionsWindow permissions(store, services);
        choose(permissions.a, QStringLiteral("4"));
        choose(permissions.a1, QStringLiteral("1"));
        choose(permissions.Cox, QStringLiteral("الرياضيات"));
        choose(permissions.co, QStringLiteral("جمع عددين"));
        EXPECT_EQ(permissions.xx->text(), QStringLiteral("2"));
        click(permissions.d[1]);
        EXPECT_EQ(permissions.aa1[1]->text(), QStringLiteral("عشوائي"));
    }

    // The program starts again, as it does after the teacher's menu; pupil 2 answers one
    // question right and one wrong, then looks at the level view.
    store::DataStore run(folder);
    main::MainWindow mainWindow(run, services);
    ASSERT_TRUE(mainWindow.startUp());
    QString right;
    QString wrong;
    int mark = -1;
    fakes.random.values = {0.1, 0.9};
    fakes.modal.onOpen = [&](QDialog& window) {
        if (window.objectName() == QStringLiteral("Form13")) {
            right = child<QLabel>(window, "aa1_0")->text();
            wrong = child<QLabel>(window, "ab1_0")->text();
            mark = child<QLabel>(window, "p_0")->property("mark").toInt();
            return;
        }
        auto& quizWindow = dynamic_cast<quiz::QuizWindow&>(window);
        choose(quizWindow.Co, QStringLiteral("جمع عددين"));
        click(quizWindow.o[1]); // "7" for 3 + 4: right
        click(quizWindow.Command1);
        click(quizWindow.o[1]); // "7" for 5 + 5: wrong
        click(quizWindow.Command1);
        click(quizWindow.Command11);
    };
    auto signIn = [&](const QString& pupil) {
        choose(mainWindow.c, QStringLiteral("4"));
        choose(mainWindow.c1, QStringLiteral("1"));
        choose(mainWindow.Co, pupil);
        choose(mainWindow.c2, QStringLiteral("الرياضيات"));
        mainWindow.tt->setText(QStringLiteral("8471"));
        click(mainWindow.Command10);
    };
    signIn(QStringLiteral("سعد ناصر"));
    EXPECT_EQ(fakes.dialogs.messages,
              (std::vector<QString>{QStringLiteral("الاجابه صحيحه"), QStringLiteral("الاجابه خطأ")}));
    EXPECT_EQ(right, QStringLiteral("1"));
    EXPECT_EQ(wrong, QStringLiteral("1"));
    EXPECT_EQ(mark, static_cast<int>(store::Mark::Right));

    // Pupil 1 may not answer.
    fakes.dialogs.messages.clear();
    fakes.modal.onOpen = [&](QDialog& window) {
        auto& quizWindow = dynamic_cast<quiz::QuizWindow&>(window);
        choose(quizWindow.Co, QStringLiteral("جمع عددين"));
    };
    signIn(QStringLiteral("بدر خالد"));
    EXPECT_EQ(fakes.dialogs.messages, std::vector<QString>{QStringLiteral("ليس لك الاذن بالاجابه")});

    // What the files hold.
    ASSERT_EQ(run.recordCount(store::files::kPermissions), 1);
    const auto permission = run.read<store::PermissionRecord>(store::files::kPermissions, 1);
    EXPECT_EQ(std::make_tuple(permission.recNo, permission.grade, permission.section,
                              permission.subject, permission.skill, permission.pupil, permission.mode),
              std::make_tuple(1, std::int16_t{4}, std::int16_t{1}, std::int16_t{0}, std::int16_t{0},
                              std::int16_t{2}, std::int16_t{100}));
    const auto pupil = run.read<store::ClassRecord>(41, 2);
    EXPECT_EQ(pupil.score.get(0, 0, 0), 1);
    EXPECT_EQ(pupil.score.get(0, 0, 1), 1);
    EXPECT_EQ(pupil.lastDay.get(0, 0), 5);
    EXPECT_EQ(pupil.lastMonth.get(0, 0), 3);
    EXPECT_EQ(pupil.lastYear.get(0, 0), 1430);
    for (int other : {1, 3})
        EXPECT_EQ(run.read<store::ClassRecord>(41, other).score.get(0, 0, 0), 0);
    ASSERT_EQ(run.recordCount(store::files::kAnswers), 2);
    const int results[] = {1, 2};
    for (std::int32_t n = 1; n <= 2; ++n) {
        const auto answer = run.read<store::AnswerRecord>(store::files::kAnswers, n);
        EXPECT_EQ(answer.recNo, n);
        EXPECT_EQ(answer.result, results[n - 1]);
        EXPECT_EQ(answer.chosen, 1);
        EXPECT_EQ(answer.pupil, 2);
        EXPECT_EQ(answer.pupilName.trimmed(), "سعد ناصر");
        EXPECT_EQ(store::encode(answer.question),
                  store::encode(run.read<store::QuestionRecord>(store::files::kQuestions, n)));
    }
}

} // namespace
