#pragma once
// A grade's skills editor without widgets: the subject's free-slot search, twelve rows from a
// scroll position, loading a skill and saving one. The editor's count (the chosen subject's
// number of skills, raised by its appends) is its own, kept per grade for the run in the
// store; the file's record count, which other windows walk, is never lowered by it.

#include "platform/services.h"
#include "store/data_store.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <optional>

namespace velmora::authoring {

class SkillsEditorLogic {
public:
    static constexpr int kRows = 12;
    // Records searched for a subject's first free slot.
    static constexpr std::int32_t kSearchedRecords = 40;

    // What a save takes from the window.
    struct SkillInput {
        std::array<QString, 3> codes; // nx(0..2)
        QString skill;                // tx
        QString subjectName;          // the text shown in c
    };
    using Page = std::array<QString, kRows>; // l2 captions

    // grade is 1..6.
    SkillsEditorLogic(store::DataStore& store, platform::Services& services, int grade);

    [[nodiscard]] int grade() const { return grade_; }
    [[nodiscard]] int file() const { return file_; }
    // Subject names of the subjects file, trimmed, in record order.
    [[nodiscard]] QStringList subjectItems() const;
    // N: the editor's count for this grade.
    [[nodiscard]] std::int32_t count() const;
    // lf: the record the next save writes.
    [[nodiscard]] std::int32_t target() const { return target_; }
    [[nodiscard]] std::int32_t tag(int row) const;

    // Subject s chosen: searches records 1..40 for the subject's first free slot. True when
    // one was found (count and target set, the grid must be refreshed).
    bool chooseSubject(int subject);

    // The rows of subject s from scroll position p; rows past the count are empty. Tags of
    // rows not reached keep their old records. Nothing (after "اختر الماده") without a subject.
    std::optional<Page> page(int subject, int position);

    // Double-click on row i: the skill's trimmed text, now the target; nothing for a row that
    // never showed a record or after a refusal.
    std::optional<QString> load(int subject, int row);

    // Writes the skill at the target; false (nothing written) after a refusal's message.
    // On success the target is the count plus one.
    bool save(int subject, const SkillInput& input);

    static const QString& chooseSubjectMessage();
    static const QString& noSlotMessage();
    static const QString& listFullMessage();
    static const QString& codeRangeMessage();

private:
    void setCount(std::int32_t n);
    bool checkSubject(int subject);

    store::DataStore& store_;
    platform::Services& services_;
    int grade_;
    int file_;
    std::int32_t target_ = 0;
    std::array<std::int32_t, kRows> tags_{};
    // The chosen subject had no free slot in records 1..40: the target still names the
    // previous subject's record, so only a skill loaded by double-click may be saved.
    bool listFull_ = false;
    bool loaded_ = false;
};

} // namespace velmora::authoring
