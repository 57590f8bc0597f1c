#include "quiz/permissions_logic.h"

#include "store/helpers.h"
#include "store/skills.h"

namespace velmora::quiz {

using store::files::kPermissions;
using store::files::kQuestions;
using store::files::kSubjects;

namespace {
constexpr int kQuestionTextLength = 40;
} // namespace

PermissionState PermissionState::ofMode(int mode) {
    if (mode == store::PermissionRecord::kForbidden)
        return {};
    if (mode == store::PermissionRecord::kRandom)
        return {Kind::Random, 0};
    return {Kind::Fixed, mode};
}

int PermissionState::mode() const {
    switch (kind) {
    case Kind::Forbidden:
        return store::PermissionRecord::kForbidden;
    case Kind::Random:
        return store::PermissionRecord::kRandom;
    case Kind::Fixed:
        break;
    }
    return number;
}

QString PermissionState::text() const {
    switch (kind) {
    case Kind::Forbidden:
        return QStringLiteral("ممنوع");
    case Kind::Random:
        return QStringLiteral("عشوائي");
    case Kind::Fixed:
        break;
    }
    return QString::number(number);
}

QStringList PermissionsLogic::subjectItems() const {
    QStringList items;
    store_.forEachRecord(kSubjects, 1, store_.count(kSubjects),
                         [&items](std::int32_t, std::span<const std::uint8_t> bytes) {
                             items << QString::fromStdString(
                                 store::decode<store::CodeRecord>(bytes).name.trimmed());
                         });
    return items;
}

void PermissionsLogic::classChanged(int grade, int section) {
    grade_ = grade;
    section_ = section;
    skill_ = -1;
}

std::optional<QStringList> PermissionsLogic::subjectChosen(int subject, const QString& subjectName) {
    skill_ = -1;
    if (subject < 0)
        return std::nullopt;
    subject_ = subject;
    QStringList skills;
    if (grade_ < 1)
        return skills;
    for (const auto& skill : store::skillsOfSubject(store_, grade_, subject, subjectName.toStdString()))
        skills << QString::fromStdString(skill.name);
    return skills;
}

void PermissionsLogic::skillChosen(int skill, const QString& skillText) {
    questionTexts_.clear();
    skill_ = skill;
    const std::string wanted(store::trimSpaces(skillText.toStdString()));
    store_.forEachRecord(kQuestions, 1, store_.count(kQuestions),
                         [&](std::int32_t, std::span<const std::uint8_t> bytes) {
                             using Q = store::QuestionRecord;
                             if (store::peekInt16(bytes, Q::kGradeOffset) != grade_ ||
                                 store::peekInt16(bytes, Q::kSubjectOffset) != subject_)
                                 return;
                             const auto question = store::decode<Q>(bytes);
                             if (question.skillName.trimmed() == wanted)
                                 questionTexts_ << QString::fromStdString(question.text.trimmed())
                                                       .left(kQuestionTextLength);
                         });
    first_ = 0;
    if (skill_ >= 0 && classChosen())
        fillRows();
}

bool PermissionsLogic::classChosen() const {
    return store::classFileNumber(grade_, section_).has_value();
}

int PermissionsLogic::pupilCount() const {
    const auto file = store::classFileNumber(grade_, section_);
    return file ? store_.wholeRecordCount(*file) : 0;
}

std::vector<std::optional<std::int32_t>> PermissionsLogic::recordsOfClass(int pupils) const {
    std::vector<std::optional<std::int32_t>> records(static_cast<std::size_t>(pupils) + 1);
    store_.forEachRecord(kPermissions, 1, store_.count(kPermissions),
                         [&](std::int32_t n, std::span<const std::uint8_t> bytes) {
                             const auto p = store::decode<store::PermissionRecord>(bytes);
                             if (p.grade == grade_ && p.section == section_ &&
                                 p.subject == subject_ && p.skill == skill_ && p.pupil >= 1 &&
                                 p.pupil <= pupils)
                                 records[static_cast<std::size_t>(p.pupil)] = n; // the last decides
                         });
    return records;
}

void PermissionsLogic::showPage(int first) {
    first_ = std::max(0, first);
    if (skill_ >= 0 && classChosen())
        fillRows();
}

void PermissionsLogic::fillRows() {
    const int file = *store::classFileNumber(grade_, section_);
    const int pupils = pupilCount();
    const auto records = recordsOfClass(pupils);
    for (int k = 0; k < kRows; ++k) {
        PermissionRow& row = rows_[static_cast<std::size_t>(k)];
        row = PermissionRow{};
        const int pupil = first_ + k + 1;
        if (pupil > pupils)
            continue;
        row.filled = true;
        row.pupil = pupil;
        row.record = records[static_cast<std::size_t>(pupil)];
        if (row.record) {
            const int mode = store_.read<store::PermissionRecord>(kPermissions, *row.record).mode;
            if (mode >= 0) // a negative mode changes nothing
                row.state = PermissionState::ofMode(mode);
        }
        const auto record = store_.read<store::ClassRecord>(file, pupil);
        row.name = QString::fromStdString(store::pupilDisplayName(record));
        row.right = record.score.get(subject_, skill_, 0).value_or(0);
        row.wrong = record.score.get(subject_, skill_, 1).value_or(0);
    }
}

std::int32_t PermissionsLogic::writeMode(int pupil, std::optional<std::int32_t> record, int mode) {
    if (record) {
        auto p = store_.read<store::PermissionRecord>(kPermissions, *record);
        p.mode = static_cast<std::int16_t>(mode);
        store_.write(kPermissions, *record, p);
        return *record;
    }
    // Appended after the records of the file as it is now.
    const std::int32_t n = store_.refreshCount(kPermissions);
    store::PermissionRecord p;
    p.recNo = n + 1;
    p.grade = static_cast<std::int16_t>(grade_);
    p.section = static_cast<std::int16_t>(section_);
    p.subject = static_cast<std::int16_t>(subject_);
    p.skill = static_cast<std::int16_t>(skill_);
    p.pupil = static_cast<std::int16_t>(pupil);
    p.mode = static_cast<std::int16_t>(mode);
    store_.write(kPermissions, n + 1, p);
    store_.setCount(kPermissions, n + 1);
    return n + 1;
}

void PermissionsLogic::toggleRow(int row) {
    if (row < 0 || row >= kRows || !skillReady())
        return;
    PermissionRow& r = rows_[static_cast<std::size_t>(row)];
    if (!r.filled)
        return;
    if (r.state.kind == PermissionState::Kind::Forbidden) {
        r.state = PermissionState::ofMode(store::PermissionRecord::kRandom);
        r.record = writeMode(r.pupil, r.record, r.state.mode());
    } else {
        r.state = PermissionState{};
        r.record = writeMode(r.pupil, r.record, r.state.mode());
    }
}

void PermissionsLogic::stepRow(int row) {
    if (row < 0 || row >= kRows || skill_ < 0 || questionCount() < 2)
        return;
    PermissionRow& r = rows_[static_cast<std::size_t>(row)];
    if (!r.filled || r.state.kind == PermissionState::Kind::Forbidden || !r.record)
        return;
    if (r.state.kind == PermissionState::Kind::Random)
        r.state = {PermissionState::Kind::Fixed, 1};
    else if (r.state.number < questionCount())
        r.state.number += 1;
    else // the last question, or a number the skill no longer has
        r.state = PermissionState::ofMode(store::PermissionRecord::kRandom);
    writeMode(r.pupil, r.record, r.state.mode());
}

void PermissionsLogic::stepClassState() {
    if (questionCount() < 1)
        return;
    switch (classState_.kind) {
    case PermissionState::Kind::Forbidden:
        classState_ = PermissionState::ofMode(store::PermissionRecord::kRandom);
        break;
    case PermissionState::Kind::Random:
        classState_ = {PermissionState::Kind::Fixed, 1};
        break;
    case PermissionState::Kind::Fixed:
        if (questionCount() > classState_.number)
            classState_.number += 1;
        else
            classState_ = PermissionState{};
        break;
    }
}

QString PermissionsLogic::classQuestion() const {
    if (classState_.kind != PermissionState::Kind::Fixed || classState_.number < 1 ||
        classState_.number > questionCount())
        return {};
    return questionTexts_[classState_.number - 1];
}

void PermissionsLogic::applyToAll() {
    if (!skillReady() || !classChosen())
        return;
    const int file = *store::classFileNumber(grade_, section_);
    const int pupils = pupilCount();
    const auto records = recordsOfClass(pupils);
    store::DataStore::Batch batch(store_);
    for (int pupil = 1; pupil <= pupils; ++pupil) {
        const auto record = store_.read<store::ClassRecord>(file, pupil);
        if (store::pupilDisplayName(record).empty())
            continue;
        writeMode(pupil, records[static_cast<std::size_t>(pupil)], classState_.mode());
    }
    batch.commit();
    fillRows();
}

} // namespace velmora::quiz
