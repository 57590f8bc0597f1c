#include "main/sign_in.h"

#include "platform/numbers.h"
#include "store/helpers.h"

namespace velmora::main {

namespace {
constexpr double kDisciplineCode = 6572;
} // namespace

const QString& SignIn::pupilPrompt() {
    static const QString text = QStringLiteral("اختر الطالب");
    return text;
}

const QString& SignIn::wrongPasswordMessage() {
    static const QString text = QStringLiteral("الرقم السري غير صحيح");
    return text;
}

std::optional<QStringList> SignIn::pupilItems(const QString& gradeText,
                                              const QString& sectionText) const {
    const auto file = store::classFileNumber(platform::numberOf(gradeText), platform::numberOf(sectionText));
    if (!file)
        return std::nullopt;
    QStringList items{pupilPrompt()};
    store_.forEachRecord(*file, 1, store_.wholeRecordCount(*file),
                         [&items](std::int32_t, std::span<const std::uint8_t> bytes) {
                             const auto pupil = store::decode<store::ClassRecord>(bytes);
                             items << QString::fromStdString(store::pupilDisplayName(pupil));
                         });
    return items;
}

bool SignIn::disciplineMode(const QString& modeText) {
    return store::numericValue(modeText.toStdString()) == kDisciplineCode;
}

SignIn::Result SignIn::signIn(const SignInChoices& choices) const {
    if (choices.subjectPosition < 0 || choices.pupilPosition < 1)
        return {};
    const int grade = platform::numberOf(choices.gradeText);
    const int section = platform::numberOf(choices.sectionText);
    const auto file = store::classFileNumber(grade, section);
    if (!file)
        return {};
    const auto pupil = store_.read<store::ClassRecord>(*file, choices.pupilPosition);
    const std::string typed(store::trimSpaces(choices.password.toStdString()));
    if (typed != pupil.password().trimmed())
        return {Outcome::WrongPassword, {}};
    Result result{Outcome::OpenQuiz, {}};
    result.context.grade = choices.gradePosition;
    result.context.gradeText = choices.gradeText;
    result.context.section = choices.sectionPosition;
    result.context.subject = choices.subjectPosition;
    result.context.subjectName = choices.subjectName;
    result.context.pupil = choices.pupilPosition;
    result.context.pupilName = choices.pupilName;
    return result;
}

} // namespace velmora::main
