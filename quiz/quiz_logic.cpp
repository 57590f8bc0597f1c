#include "quiz/quiz_logic.h"

#include "platform/time_text.h"
#include "store/helpers.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace velmora::quiz {

using store::files::kAnswers;
using store::files::kPermissions;
using store::files::kQuestions;

namespace messages {
QString damagedQuestion(std::int32_t record) {
    return QString::number(record) + QStringLiteral(" خطاء في السؤال");
}
} // namespace messages

namespace {
QString text(const char16_t* value) { return QString::fromUtf16(value); }

constexpr std::int16_t kCountLimit = 32767;
} // namespace

QuizLogic::QuizLogic(store::DataStore& store, platform::Services& services, QuizContext context)
    : store_(store), services_(services), context_(std::move(context)) {}

int QuizLogic::classFile() const { return 10 * context_.grade + context_.section; }

store::ClassRecord QuizLogic::pupilRecord() const {
    return store_.read<store::ClassRecord>(classFile(), context_.pupil);
}

std::pair<int, int> QuizLogic::countsOf(const store::ClassRecord& pupil, int skill) const {
    // A skill or subject without a slot in the class record has no counts.
    return {pupil.score.get(context_.subject, skill, 0).value_or(0),
            pupil.score.get(context_.subject, skill, 1).value_or(0)};
}

QuizLogic::Today QuizLogic::todayBoxes() const {
    const QStringList parts = QString::fromStdString(store_.today).trimmed().split(QLatin1Char('/'));
    auto number = [&parts](int i) {
        const QString part = i < parts.size() ? parts[i] : QString();
        return QString::number(store::roundHalfEven(store::numericValue(part.toStdString())));
    };
    return {number(2), number(1), number(0)};
}

std::optional<QStringList> QuizLogic::skillList() {
    QStringList skills;
    if (context_.subject < 0)
        return skills;
    // First question (lowest record number) of each skill position 0..50.
    std::array<std::int32_t, kMaxListedSkill + 1> first{};
    std::int32_t damaged = 0;
    bySkillText_.emplace();
    store_.forEachRecord(kQuestions, 1, store_.count(kQuestions),
                         [&](std::int32_t n, std::span<const std::uint8_t> bytes) {
                             using Q = store::QuestionRecord;
                             const int skill = store::peekInt16(bytes, Q::kSkillOffset);
                             if (skill < 0) {
                                 damaged = n;
                                 return false;
                             }
                             if (store::peekInt16(bytes, Q::kGradeOffset) == context_.grade &&
                                 store::peekInt16(bytes, Q::kSubjectOffset) == context_.subject) {
                                 indexBank(bytes, n);
                                 if (skill <= kMaxListedSkill && first[static_cast<std::size_t>(skill)] == 0)
                                     first[static_cast<std::size_t>(skill)] = n;
                             }
                             return true;
                         });
    if (damaged != 0) {
        bySkillText_.reset();
        services_.dialogs.message(messages::damagedQuestion(damaged));
        services_.exiter.exitNow(1);
        return std::nullopt;
    }
    for (const std::int32_t n : first)
        if (n != 0)
            skills << QString::fromStdString(
                store_.read<store::QuestionRecord>(kQuestions, n).skillName.trimmed());
    return skills;
}

void QuizLogic::indexBank(std::span<const std::uint8_t> bytes, std::int32_t record) {
    const auto question = store::decode<store::QuestionRecord>(bytes);
    (*bySkillText_)[question.skillName.trimmed()].push_back({record, question.skill});
}

const std::vector<QuizLogic::Entry>& QuizLogic::questionsOf(const std::string& skillText) {
    if (!bySkillText_) {
        bySkillText_.emplace();
        store_.forEachRecord(kQuestions, 1, store_.count(kQuestions),
                             [&](std::int32_t n, std::span<const std::uint8_t> bytes) {
                                 using Q = store::QuestionRecord;
                                 if (store::peekInt16(bytes, Q::kGradeOffset) == context_.grade &&
                                     store::peekInt16(bytes, Q::kSubjectOffset) == context_.subject)
                                     indexBank(bytes, n);
                             });
    }
    static const std::vector<Entry> none;
    const auto it = bySkillText_->find(skillText);
    return it == bySkillText_->end() ? none : it->second;
}

int QuizLogic::permissionFor(int skill) {
    if (!modeOfSkill_) {
        modeOfSkill_.emplace();
        store_.forEachRecord(kPermissions, 1, store_.count(kPermissions),
                             [&](std::int32_t, std::span<const std::uint8_t> bytes) {
                                 const auto p = store::decode<store::PermissionRecord>(bytes);
                                 if (p.grade == context_.grade && p.section == context_.section &&
                                     p.subject == context_.subject && p.pupil == context_.pupil)
                                     modeOfSkill_->try_emplace(p.skill, p.mode); // the first decides
                             });
    }
    const auto it = modeOfSkill_->find(skill);
    return it == modeOfSkill_->end() ? kNoPermission : it->second;
}

std::optional<ShownQuestion> QuizLogic::draw(const QString& skillText) {
    candidates_.clear();
    mode_ = kNoPermission;
    chosenSkill_ = skillText;
    const store::ClassRecord pupil = pupilRecord();
    const std::string wanted(store::trimSpaces(skillText.toStdString()));

    bool refused = false;
    for (const Entry& question : questionsOf(wanted)) {
        if (mode_ == kNoPermission) {
            const int mode = permissionFor(question.skill);
            if (mode == store::PermissionRecord::kForbidden) {
                refused = true;
                break;
            }
            mode_ = mode;
        }
        candidates_.push_back(question.record);
    }
    if (refused || mode_ == kNoPermission) {
        services_.dialogs.message(text(messages::kNotAllowed));
        return std::nullopt;
    }

    const auto count = static_cast<int>(candidates_.size());
    std::size_t position = 0;
    if (mode_ != store::PermissionRecord::kRandom && mode_ >= 1 && mode_ <= count) {
        position = static_cast<std::size_t>(mode_ - 1);
    } else {
        // Random mode, or a fixed number the skill does not have: a random question.
        const double r = services_.random.next();
        position = std::min(static_cast<std::size_t>(std::max(0.0, std::floor(r * count))),
                            candidates_.size() - 1);
    }
    const auto question = store_.read<store::QuestionRecord>(kQuestions, candidates_[position]);
    currentQuestion_ = candidates_[position];
    currentSkill_ = question.skill;
    rightAnswer_ = question.answer;

    ShownQuestion shown;
    shown.text = QString::fromStdString(question.text.trimmed());
    for (const auto& choice : question.choice.elements()) {
        const std::string value = choice.trimmed();
        if (value.empty())
            break;
        shown.choices << QString::fromStdString(value);
    }
    shown.count = count;
    std::tie(shown.right, shown.wrong) = countsOf(pupil, currentSkill_);
    return shown;
}

Confirmation QuizLogic::confirm(std::optional<int> selected, const QString& day,
                                const QString& month, const QString& year) {
    if (!selected || *selected < 0 || *selected > store::QuestionRecord::kMaxChoice ||
        currentQuestion_ == 0) {
        services_.dialogs.message(text(messages::kNoChoice));
        return {};
    }
    // Everything is checked before anything is written.
    store::ClassRecord pupil = pupilRecord();
    const int r = *selected == rightAnswer_ ? 0 : 1;
    const std::int16_t* count = pupil.score.find(context_.subject, currentSkill_, r);
    if (!count) {
        services_.dialogs.message(text(messages::kNoSlot));
        return {};
    }
    const auto d = store::integerValue(day.toStdString());
    const auto m = store::integerValue(month.toStdString());
    const auto y = store::integerValue(year.toStdString());
    if (!d || !m || !y) {
        services_.dialogs.message(text(messages::kBadDate));
        return {};
    }

    // A count at the 16-bit limit stays there; the answer is still logged.
    const auto counted = static_cast<std::int16_t>(std::min<int>(*count + 1, kCountLimit));
    (void)pupil.score.set({context_.subject, currentSkill_, r}, counted);
    (void)pupil.lastDay.set({context_.subject, currentSkill_}, *d);
    (void)pupil.lastMonth.set({context_.subject, currentSkill_}, *m);
    (void)pupil.lastYear.set({context_.subject, currentSkill_}, *y);
    store_.write(classFile(), context_.pupil, pupil);

    store::AnswerRecord answer;
    answer.question = store_.read<store::QuestionRecord>(kQuestions, currentQuestion_);
    const std::int32_t n = store_.refreshCount(kAnswers);
    answer.recNo = n + 1;
    answer.result = r == 0 ? store::AnswerRecord::kRight : store::AnswerRecord::kWrong;
    answer.day = *d;
    answer.month = *m;
    answer.year = *y;
    answer.chosen = static_cast<std::int16_t>(*selected);
    answer.section = static_cast<std::int16_t>(context_.section);
    answer.grade = static_cast<std::int16_t>(context_.grade);
    answer.pupil = static_cast<std::int16_t>(context_.pupil);
    store_.lastTime = platform::timeText(services_.clock.now().time()).toStdString();
    answer.time.assign(store_.lastTime);
    answer.pupilName.assign(store::trimSpaces(context_.pupilName.toStdString()));
    store_.write(kAnswers, n + 1, answer);
    store_.setCount(kAnswers, n + 1);

    services_.dialogs.message(text(r == 0 ? messages::kRight : messages::kWrong));
    Confirmation done;
    done.recorded = true;
    std::tie(done.right, done.wrong) = countsOf(pupil, currentSkill_);
    done.next = draw(chosenSkill_);
    return done;
}

void QuizLogic::changePassword() {
    store::ClassRecord pupil = pupilRecord();
    const auto typed = services_.dialogs.inputText(text(messages::kAskPassword), QString(), QString());
    if (!typed)
        return;
    if (pupil.password().trimmed() != typed->toStdString()) {
        services_.dialogs.message(text(messages::kWrongPassword));
        return;
    }
    const auto fresh =
        services_.dialogs.inputText(text(messages::kAskNewPassword), QString(), QString());
    if (!fresh)
        return;
    // Stored cut or with '?' in place of a character, it could never be typed again.
    const std::string value = fresh->toStdString();
    if (store::utf8Length(value) > store::Text<40>::kWidth) {
        services_.dialogs.message(text(messages::kPasswordTooLong));
        return;
    }
    if (!store::representableInCp1256(value)) {
        services_.dialogs.message(text(messages::kPasswordCharacters));
        return;
    }
    pupil.password().assign(value);
    store_.write(classFile(), context_.pupil, pupil);
}

void QuizLogic::exitProgram() { services_.exiter.exitNow(0); }

} // namespace velmora::quiz
