#include "quiz_fixture.h"

#include "store/helpers.h"

using namespace velmora;
using namespace velmora::quiz;
using quiz::testing::QuizFixture;
using quiz::testing::text;

namespace {

class QuizLogicTest : public QuizFixture {
protected:
    QuizLogic logic() {
        services.emplace(fakes.services());
        return QuizLogic(*store, *services, context());
    }
    std::optional<platform::Services> services;
};

TEST_F(QuizLogicTest, SkillListHasOneItemPerSkillPositionWithQuestions) {
    builder->question(4, math, 51, "بعيدة", "beyond the list", {"a", "b"}, 0);
    builder->question(4, math, 3, "الجمع", "same text, other position", {"a", "b"}, 0);
    auto quiz = logic();
    const auto skills = quiz.skillList();
    ASSERT_TRUE(skills);
    // Positions 0, 1 and 3 in increasing order; the first question of each names it.
    EXPECT_EQ(*skills, (QStringList{QStringLiteral("الجمع"), QStringLiteral("الطرح"),
                                    QStringLiteral("الجمع")}));
    EXPECT_TRUE(fakes.exiter.exits.empty());
}

TEST_F(QuizLogicTest, DamagedQuestionAnywhereEndsTheProgram) {
    builder->question(6, math + 1, -1, "x", "damaged", {"a"}, 0);
    auto quiz = logic();
    EXPECT_FALSE(quiz.skillList());
    EXPECT_EQ(fakes.dialogs.messages, std::vector<QString>{QStringLiteral("7 خطاء في السؤال")});
    EXPECT_EQ(fakes.exiter.exits.size(), 1u);
}

TEST_F(QuizLogicTest, RandomModeReachesEveryQuestionOfTheSkill) {
    builder->permit(4, 2, math, 0, pupil, 100);
    auto quiz = logic();
    fakes.random.values = {0.0, 0.34, 0.67, 0.999};
    std::vector<std::int32_t> drawn;
    for (int i = 0; i < 4; ++i) {
        const auto shown = quiz.draw(QStringLiteral("الجمع"));
        ASSERT_TRUE(shown);
        EXPECT_EQ(shown->count, 3);
        drawn.push_back(quiz.currentQuestion());
    }
    EXPECT_EQ(drawn, (std::vector<std::int32_t>{q1, q2, q3, q3}));
}

TEST_F(QuizLogicTest, FixedModeAlwaysDrawsThatQuestionAndOutOfRangeDrawsAtRandom) {
    builder->permit(4, 2, math, 0, pupil, 2);
    builder->permit(4, 2, math, 1, pupil, 5); // the skill has one question
    auto quiz = logic();
    fakes.random.values = {0.9, 0.9, 0.9};
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(quiz.draw(QStringLiteral("الجمع")));
        EXPECT_EQ(quiz.currentQuestion(), q2);
    }
    ASSERT_TRUE(quiz.draw(QStringLiteral("الطرح")));
    EXPECT_EQ(quiz.currentQuestion(), q4);
    EXPECT_EQ(fakes.random.values.size(), 2u); // one random draw was used
}

TEST_F(QuizLogicTest, RefusalsKeepThePreviousQuestion) {
    builder->permit(4, 2, math, 1, pupil, 100);
    builder->permit(4, 2, math, 0, pupil, 0);   // the first matching record decides
    builder->permit(4, 2, math, 0, pupil, 100);
    builder->permit(4, 2, math, 0, pupil + 1, 100);
    auto quiz = logic();
    ASSERT_TRUE(quiz.draw(QStringLiteral("الطرح")));
    EXPECT_FALSE(quiz.draw(QStringLiteral("الجمع")));
    EXPECT_EQ(fakes.dialogs.messages, std::vector<QString>{text(messages::kNotAllowed)});
    EXPECT_EQ(quiz.currentQuestion(), q4);

    // No record at all for another class's pupil.
    QuizContext other = context();
    other.section = 3;
    QuizLogic stranger(*store, *services, other);
    EXPECT_FALSE(stranger.draw(QStringLiteral("الطرح")));
    EXPECT_EQ(fakes.dialogs.messages.size(), 2u);
}

TEST_F(QuizLogicTest, ChoicesStopAtTheFirstEmptyOne) {
    builder->permit(4, 2, math, 0, pupil, 3);
    auto quiz = logic();
    const auto shown = quiz.draw(QStringLiteral(" الجمع"));
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->text, QStringLiteral("1 + 1 ="));
    EXPECT_EQ(shown->choices, (QStringList{QStringLiteral("1"), QStringLiteral("2"),
                                           QStringLiteral("3")}));
}

TEST_F(QuizLogicTest, RightAnswerChangesOnlyItsCountDateAndAppendsTheWholeQuestion) {
    builder->permit(4, 2, math, 0, pupil, 1);
    auto quiz = logic();
    ASSERT_TRUE(quiz.draw(QStringLiteral("الجمع")));
    const auto before = store->read<store::ClassRecord>(42, pupil);
    const auto beforeBytes = store::encode(before);
    const auto bankBytes = store::encode(store->read<store::QuestionRecord>(10, q1));
    fakes.clock.current = QDateTime(QDate(2026, 12, 9), QTime(14, 5, 9));

    const Confirmation done = quiz.confirm(1, QStringLiteral("9"), QStringLiteral("6"),
                                           QStringLiteral("1447"));
    ASSERT_TRUE(done.recorded);
    EXPECT_EQ(done.right, 1);
    EXPECT_EQ(done.wrong, 0);
    EXPECT_EQ(fakes.dialogs.messages, std::vector<QString>{text(messages::kRight)});

    const auto afterBytes = store::encode(store->read<store::ClassRecord>(42, pupil));
    std::vector<std::size_t> changed;
    for (std::size_t i = 0; i < afterBytes.size(); ++i)
        if (afterBytes[i] != beforeBytes[i])
            changed.push_back(i);
    // score(math=0, skill 0, right) at 404; lastDay/Month/Year (0, 0) at 5570, 7292, 9014.
    EXPECT_EQ(changed, (std::vector<std::size_t>{404, 5570, 7292, 9014, 9015}));
    EXPECT_EQ(afterBytes[404], 1);
    EXPECT_EQ(afterBytes[5570], 9);
    EXPECT_EQ(afterBytes[7292], 6);

    ASSERT_EQ(store->count(18), 1);
    const auto answer = store->read<store::AnswerRecord>(18, 1);
    EXPECT_EQ(answer.recNo, 1);
    EXPECT_EQ(store::encode(answer.question), bankBytes);
    EXPECT_EQ(answer.result, 1);
    EXPECT_EQ(answer.chosen, 1);
    EXPECT_EQ(answer.day, 9);
    EXPECT_EQ(answer.month, 6);
    EXPECT_EQ(answer.year, 1447);
    EXPECT_EQ(answer.grade, 4);
    EXPECT_EQ(answer.section, 2);
    EXPECT_EQ(answer.pupil, pupil);
    EXPECT_EQ(answer.time.trimmed(), "02:05:09 م");
    EXPECT_EQ(store->lastTime, "02:05:09 م");
    EXPECT_EQ(answer.pupilName.trimmed(), "سالم احمد");
    // The fixed question is drawn again.
    ASSERT_TRUE(done.next);
    EXPECT_EQ(quiz.currentQuestion(), q1);
}

TEST_F(QuizLogicTest, WrongAnswerCountsAsWrongAndAppendsAfterRecordsOfOthers) {
    builder->permit(4, 2, math, 1, pupil, 100);
    store::AnswerRecord earlier;
    store->write(18, 1, earlier); // written by another run: the count is taken from the file
    auto quiz = logic();
    ASSERT_TRUE(quiz.draw(QStringLiteral("الطرح")));
    const Confirmation done = quiz.confirm(1, QStringLiteral("1"), QStringLiteral("1"),
                                           QStringLiteral("1447"));
    ASSERT_TRUE(done.recorded);
    EXPECT_EQ(done.wrong, 1);
    EXPECT_EQ(fakes.dialogs.messages.back(), text(messages::kWrong));
    EXPECT_EQ(store->read<store::ClassRecord>(42, pupil).score.get(math, 1, 1), 1);
    EXPECT_EQ(store->count(18), 2);
    EXPECT_EQ(store->read<store::AnswerRecord>(18, 2).result, 2);
}

TEST_F(QuizLogicTest, RefusedConfirmationsWriteNothing) {
    builder->question(4, math, 41, "خارج السجل", "no slot", {"a", "b"}, 0);
    builder->permit(4, 2, math, 0, pupil, 1);
    builder->permit(4, 2, math, 41, pupil, 100);
    auto quiz = logic();
    const auto classBefore = fileBytes(42);

    // No choice selected.
    EXPECT_FALSE(quiz.confirm(std::nullopt, QStringLiteral("1"), QStringLiteral("1"),
                              QStringLiteral("1447"))
                     .recorded);
    ASSERT_TRUE(quiz.draw(QStringLiteral("الجمع")));
    // A date that does not fit 16 bits.
    EXPECT_FALSE(quiz.confirm(0, QStringLiteral("70000"), QStringLiteral("1"),
                              QStringLiteral("1447"))
                     .recorded);
    // A skill position the class record has no slot for shows 0 counts and records nothing.
    const auto shown = quiz.draw(QStringLiteral("خارج السجل"));
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->right, 0);
    EXPECT_FALSE(quiz.confirm(0, QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("1447"))
                     .recorded);

    EXPECT_EQ(fakes.dialogs.messages,
              (std::vector<QString>{text(messages::kNoChoice), text(messages::kBadDate),
                                    text(messages::kNoSlot)}));
    EXPECT_EQ(fileBytes(42), classBefore);
    EXPECT_EQ(store->fileLength(18), 0);
}

TEST_F(QuizLogicTest, CountAtTheLimitStaysButTheAnswerIsLogged) {
    auto record = store->read<store::ClassRecord>(42, pupil);
    ASSERT_TRUE(record.score.set({math, 0, 0}, 32767));
    store->write(42, pupil, record);
    builder->permit(4, 2, math, 0, pupil, 1);
    auto quiz = logic();
    ASSERT_TRUE(quiz.draw(QStringLiteral("الجمع")));
    ASSERT_TRUE(quiz.confirm(1, QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("1447"))
                    .recorded);
    EXPECT_EQ(store->read<store::ClassRecord>(42, pupil).score.get(math, 0, 0), 32767);
    EXPECT_EQ(store->count(18), 1);
}

TEST_F(QuizLogicTest, PasswordChange) {
    auto quiz = logic();
    auto stored = [&] { return store->read<store::ClassRecord>(42, pupil).password().value(); };
    const std::string original = stored();

    // The stored password is trimmed, the typed one is taken as it is.
    fakes.dialogs.inputAnswers = {QStringLiteral(" 8471")};
    quiz.changePassword();
    EXPECT_EQ(fakes.dialogs.messages, std::vector<QString>{text(messages::kWrongPassword)});

    // Cancel in either dialog changes nothing and says nothing.
    fakes.dialogs.inputAnswers = {std::nullopt};
    quiz.changePassword();
    fakes.dialogs.inputAnswers = {QStringLiteral("8471"), std::nullopt};
    quiz.changePassword();
    EXPECT_EQ(fakes.dialogs.messages.size(), 1u);
    EXPECT_EQ(stored(), original);

    // Passwords that could never be typed again are refused.
    fakes.dialogs.inputAnswers = {QStringLiteral("8471"), QString(41, QLatin1Char('x')),
                                  QStringLiteral("8471"), QStringLiteral("密码")};
    quiz.changePassword();
    quiz.changePassword();
    EXPECT_EQ(fakes.dialogs.messages.size(), 3u);
    EXPECT_EQ(stored(), original);

    fakes.dialogs.inputAnswers = {QStringLiteral("8471"), QStringLiteral("سر 2")};
    quiz.changePassword();
    EXPECT_EQ(store->read<store::ClassRecord>(42, pupil).password().trimmed(), "سر 2");

    // An empty answer, typed and confirmed, stores an empty password.
    fakes.dialogs.inputAnswers = {QStringLiteral("سر 2"), QString()};
    quiz.changePassword();
    const auto cleared = store->read<store::ClassRecord>(42, pupil).password();
    EXPECT_FALSE(cleared.neverWritten());
    EXPECT_EQ(cleared.trimmed(), "");
}

TEST_F(QuizLogicTest, TodayFillsTheDateBoxesWithoutLeadingZeros) {
    store->today = "1447/06/08    ";
    const auto today = logic().todayBoxes();
    EXPECT_EQ(today.day, QStringLiteral("8"));
    EXPECT_EQ(today.month, QStringLiteral("6"));
    EXPECT_EQ(today.year, QStringLiteral("1447"));
}

} // namespace
