#include "authoring/question_editor_logic.h"

#include "store/helpers.h"
#include "store/records.h"

namespace velmora::authoring {

namespace {

std::string trimmed(const QString& text) { return std::string(store::trimSpaces(text.toStdString())); }

QString chooseSubjectMessage() { return QStringLiteral("اختر الماده"); }

} // namespace

QuestionEditorLogic::QuestionEditorLogic(store::DataStore& store, platform::Services& services)
    : store_(store), services_(services) {
    const std::int32_t subjectCount = store_.count(store::files::kSubjects);
    for (std::int32_t k = 1; k <= subjectCount; ++k)
        subjects_ << QString::fromStdString(
            store_.read<store::CodeRecord>(store::files::kSubjects, k).name.trimmed());
    nextNumber_ = store_.count(store::files::kQuestions) + 1;
}

QStringList QuestionEditorLogic::gradeItems() {
    return {QStringLiteral("اختر"),   QStringLiteral("الاول"),  QStringLiteral("الثاني"),
            QStringLiteral("الثالث"), QStringLiteral("الرابع"), QStringLiteral("الخامس"),
            QStringLiteral("السادس")};
}

QStringList QuestionEditorLogic::skillItems() const {
    QStringList items;
    for (const auto& skill : skills_)
        items << QString::fromStdString(skill.name);
    return items;
}

void QuestionEditorLogic::chooseGrade(int position) {
    grade_ = position >= 0 && position < gradeItems().size() ? position : -1;
}

bool QuestionEditorLogic::subjectHasSlot() const { return subject_ <= store::kMaxSubject; }

// A subject past the 21 slots of the records (a subjects file written elsewhere) cannot be
// used: its skills and results would lie outside the records.
void QuestionEditorLogic::refuseSubjectWithoutSlot() {
    services_.dialogs.message(
        QStringLiteral("لا مكان لهذه الماده في السجلات: تتسع السجلات لاحدى وعشرين ماده فقط"));
}

void QuestionEditorLogic::chooseSubject(int position, const std::function<void()>& listEmptied) {
    subject_ = position >= 0 && position < subjects_.size() ? position : -1;
    if (subject_ < 0) {
        services_.dialogs.message(chooseSubjectMessage());
        return;
    }
    skills_.clear();
    skill_ = -1;
    if (listEmptied)
        listEmptied();
    if (!subjectHasSlot()) {
        refuseSubjectWithoutSlot();
        return;
    }
    if (grade_ < 1) {
        services_.dialogs.message(QStringLiteral("اختر الصف"));
        return;
    }
    skills_ = store::skillsOfSubject(store_, grade_, subject_, subjects_[subject_].toStdString());
}

void QuestionEditorLogic::chooseSkill(int position) {
    skill_ = position >= 0 && static_cast<std::size_t>(position) < skills_.size() ? position : -1;
}

void QuestionEditorLogic::markChoice(int choice) {
    marked_ = choice >= 0 && choice < kChoiceCount ? choice : -1;
}

std::optional<QuestionTexts> QuestionEditorLogic::callUp(const QString& typed) {
    const double q = store::numericValue(typed.toStdString());
    if (q < 1 || q > store_.count(store::files::kQuestions))
        return std::nullopt;
    const auto number = static_cast<std::int32_t>(store::roundHalfEven(q));
    const auto question = store_.read<store::QuestionRecord>(store::files::kQuestions, number);

    editNumber_ = number;
    chooseGrade(question.grade);
    // The skill list is always refilled for the question's grade, even when its subject is
    // the one already chosen; a subject not in the list leaves no skill list behind.
    skills_.clear();
    skill_ = -1;
    chooseSubject(question.subject);
    // A skill no longer listed (its subject's skills changed) selects none, so a save asks
    // for the skill instead of storing another one.
    chooseSkill(question.skill);
    markChoice(question.answer);

    QuestionTexts texts;
    texts.text = QString::fromStdString(question.text.trimmed());
    for (int i = 0; i < kChoiceCount; ++i)
        texts.choices[static_cast<std::size_t>(i)] =
            QString::fromStdString(question.choice.elements()[static_cast<std::size_t>(i)].trimmed());
    nextNumber_ = number;
    return texts;
}

bool QuestionEditorLogic::save(const QuestionTexts& texts) {
    if (subject_ < 0) {
        services_.dialogs.message(chooseSubjectMessage());
        return false;
    }
    if (!subjectHasSlot()) {
        refuseSubjectWithoutSlot();
        return false;
    }
    if (grade_ < 1) {
        services_.dialogs.message(QStringLiteral("اختر الصف"));
        return false;
    }
    if (skill_ < 0) {
        services_.dialogs.message(QStringLiteral("اختر المهاره"));
        return false;
    }
    const std::int32_t count = store_.refreshCount(store::files::kQuestions);
    const bool editing = editNumber_ > 0;
    const std::int32_t r = editing ? editNumber_ : count + 1;
    store::QuestionRecord question;
    if (editing)
        question = store_.read<store::QuestionRecord>(store::files::kQuestions, r);

    question.recNo = r;
    question.grade = static_cast<std::int16_t>(grade_);
    question.subject = static_cast<std::int16_t>(subject_);
    question.skill = static_cast<std::int16_t>(skill_);
    question.kind = 1;
    question.answer = kChoiceCount; // none yet
    question.labels.elements()[0].assign(trimmed(gradeItems()[grade_]));
    question.labels.elements()[1].assign(trimmed(subjects_[subject_]));
    question.skillName.assign(skills_[static_cast<std::size_t>(skill_)].name);

    // The marker counts only beside a choice before the first empty box.
    int filled = 0;
    while (filled < kChoiceCount && !trimmed(texts.choices[static_cast<std::size_t>(filled)]).empty())
        ++filled;
    if (marked_ >= 0 && marked_ < filled)
        question.answer = static_cast<std::int16_t>(marked_);
    if (question.answer == kChoiceCount) {
        services_.dialogs.message(QStringLiteral("اختر الاجابه الصحيحه"));
        return false;
    }

    question.text.assign(trimmed(texts.text));
    auto& choices = question.choice.elements();
    for (int i = 0; i < kChoiceCount; ++i) {
        auto& choice = choices[static_cast<std::size_t>(i)];
        if (i < filled)
            choice.assign(trimmed(texts.choices[static_cast<std::size_t>(i)]));
        else if (!choice.neverWritten())
            choice.assign(""); // an edited question's old choices must not come back
    }

    editNumber_ = 0;
    store_.write(store::files::kQuestions, r, question);
    nextNumber_ = store_.refreshCount(store::files::kQuestions) + 1;
    marked_ = -1;
    return true;
}

void QuestionEditorLogic::rowDoubleClicked() {
    if (subject_ < 0)
        services_.dialogs.message(chooseSubjectMessage());
}

} // namespace velmora::authoring
