#include "authoring/skills_editor_logic.h"

#include "store/file_table.h"
#include "store/helpers.h"

#include <stdexcept>

namespace velmora::authoring {

namespace {

int skillsFile(int grade) {
    const auto file = store::skillsFileOfGrade(grade);
    if (!file)
        throw std::invalid_argument("skills editor grade outside 1..6");
    return *file;
}

std::size_t slot(int subject) { return static_cast<std::size_t>(subject); }

} // namespace

SkillsEditorLogic::SkillsEditorLogic(store::DataStore& store, platform::Services& services, int grade)
    : store_(store), services_(services), grade_(grade), file_(skillsFile(grade)) {
    target_ = count() + 1;
}

const QString& SkillsEditorLogic::chooseSubjectMessage() {
    static const QString text = QStringLiteral("اختر الماده");
    return text;
}

const QString& SkillsEditorLogic::noSlotMessage() {
    static const QString text =
        QStringLiteral("لا يمكن حفظ مهارات هذه الماده: ترتيبها في قائمة المواد بعد العشرين");
    return text;
}

const QString& SkillsEditorLogic::listFullMessage() {
    static const QString text = QStringLiteral(
        "قائمة مهارات هذه الماده ممتلئه (40 مهاره): لا يمكن اضافة مهاره جديده، ويمكن تعديل مهاره بالنقر المزدوج عليها");
    return text;
}

const QString& SkillsEditorLogic::codeRangeMessage() {
    static const QString text = QStringLiteral("الرمز يجب ان يكون عددا بين -32768 و 32767");
    return text;
}

QStringList SkillsEditorLogic::subjectItems() const {
    QStringList items;
    store_.forEachRecord(store::files::kSubjects, 1, store_.count(store::files::kSubjects),
                         [&items](std::int32_t, std::span<const std::uint8_t> bytes) {
                             const auto subject = store::decode<store::CodeRecord>(bytes);
                             items << QString::fromStdString(subject.name.trimmed());
                         });
    return items;
}

std::int32_t SkillsEditorLogic::count() const {
    return store_.skillsEditorCount[slot(grade_)].value_or(store_.count(file_));
}

void SkillsEditorLogic::setCount(std::int32_t n) { store_.skillsEditorCount[slot(grade_)] = n; }

std::int32_t SkillsEditorLogic::tag(int row) const {
    if (row < 0 || row >= kRows)
        return 0;
    return tags_[static_cast<std::size_t>(row)];
}

// Refuses a missing subject, and one past the 21 slots a record has.
bool SkillsEditorLogic::checkSubject(int subject) {
    if (subject < 0) {
        services_.dialogs.message(chooseSubjectMessage());
        return false;
    }
    if (subject > store::kMaxSubject) {
        services_.dialogs.message(noSlotMessage());
        return false;
    }
    return true;
}

bool SkillsEditorLogic::chooseSubject(int subject) {
    if (!checkSubject(subject))
        return false;
    loaded_ = false;
    for (std::int32_t n = 1; n <= kSearchedRecords; ++n) {
        const auto record = store_.read<store::SkillRecord>(file_, n);
        if (record.skillName.elements()[slot(subject)].neverWritten()) {
            setCount(n - 1);
            target_ = n;
            listFull_ = false;
            return true;
        }
    }
    listFull_ = true;
    return false;
}

std::optional<SkillsEditorLogic::Page> SkillsEditorLogic::page(int subject, int position) {
    if (subject < 0) {
        services_.dialogs.message(chooseSubjectMessage());
        return std::nullopt;
    }
    Page rows;
    if (subject > store::kMaxSubject)
        return rows; // no slot: nothing to show
    const std::int32_t n = count();
    const std::int64_t top = std::int64_t{position} + 1;
    for (int i = 0; i < kRows; ++i) {
        const std::int64_t record = top + i;
        if (record > n)
            break;
        const auto skill = store_.read<store::SkillRecord>(file_, static_cast<std::int32_t>(record));
        rows[static_cast<std::size_t>(i)] = QString::fromStdString(skill.skillName.elements()[slot(subject)].value());
        tags_[static_cast<std::size_t>(i)] = static_cast<std::int32_t>(record);
    }
    return rows;
}

std::optional<QString> SkillsEditorLogic::load(int subject, int row) {
    if (!checkSubject(subject))
        return std::nullopt;
    const std::int32_t n = tag(row);
    if (n < 1)
        return std::nullopt;
    const auto record = store_.read<store::SkillRecord>(file_, n);
    target_ = n;
    loaded_ = true;
    return QString::fromStdString(record.skillName.elements()[slot(subject)].trimmed());
}

bool SkillsEditorLogic::save(int subject, const SkillInput& input) {
    if (!checkSubject(subject))
        return false;
    if (listFull_ && !loaded_) {
        services_.dialogs.message(listFullMessage());
        return false;
    }
    std::array<std::int16_t, 3> codes{};
    for (std::size_t k = 0; k < codes.size(); ++k) {
        const auto value = store::integerValue(input.codes[k].toStdString());
        if (!value) {
            services_.dialogs.message(codeRangeMessage());
            return false;
        }
        codes[k] = *value;
    }

    const std::int32_t r = target_;
    std::int32_t n = count();
    if (r > n)
        n += 1;
    auto record = store_.read<store::SkillRecord>(file_, r);
    for (std::size_t k = 0; k < codes.size(); ++k)
        (void)record.code.set({subject, static_cast<int>(k)}, codes[k]);
    record.skillName.elements()[slot(subject)].assign(store::trimSpaces(input.skill.toStdString()));
    record.subjectName.elements()[slot(subject)].assign(input.subjectName.toStdString());
    store_.write(file_, r, record);

    setCount(n);
    // The file may have grown: its process-wide count follows the file, never the editor.
    if (store_.recordCount(file_) > store_.count(file_))
        store_.setCount(file_, store_.recordCount(file_));
    target_ = n + 1;
    loaded_ = false;
    return true;
}

} // namespace velmora::authoring
