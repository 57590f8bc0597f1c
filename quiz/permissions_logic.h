#pragma once
// Answer permissions of one class, subject and skill, without widgets: the state of each
// pupil (forbidden, random, or fixed question n), changed pupil by pupil or for the whole
// class, each change written at once as a permission record.

#include "store/data_store.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace velmora::quiz {

// A permission state: forbidden, random, or the n-th question of the skill.
struct PermissionState {
    enum class Kind { Forbidden, Random, Fixed };
    Kind kind = Kind::Forbidden;
    int number = 0; // the question number of a fixed state

    static PermissionState ofMode(int mode);
    [[nodiscard]] int mode() const;
    [[nodiscard]] QString text() const; // "ممنوع", "عشوائي" or the number
    bool operator==(const PermissionState&) const = default;
};

struct PermissionRow {
    bool filled = false;                // a pupil of the class stands in the row
    int pupil = 0;                      // record number in the class file
    QString name;
    std::optional<std::int32_t> record; // the pupil's permission record
    PermissionState state;
    int right = 0;
    int wrong = 0;
};

class PermissionsLogic {
public:
    explicit PermissionsLogic(store::DataStore& store) : store_(store) {}

    static constexpr int kRows = 30;

    [[nodiscard]] QStringList subjectItems() const;

    // A new grade or section: no skill is chosen until the subject is chosen again.
    void classChanged(int grade, int section);

    // The skills of the grade and subject for the skill list; nothing when no subject is
    // chosen (the caller shows "اختر الماده").
    std::optional<QStringList> subjectChosen(int subject, const QString& subjectName);

    // A chosen skill: its questions are counted and, with a class chosen, the rows refilled.
    void skillChosen(int skill, const QString& skillText);

    // Shows the pupils from record first + 1 on (the page scroll bar).
    void showPage(int first);

    // Pupil row clicks and the class-wide state; each writes at once.
    void toggleRow(int row);      // forbidden <-> random
    void stepRow(int row);        // random -> 1 -> ... -> n -> random
    void stepClassState();        // forbidden -> random -> 1 -> ... -> n -> forbidden
    void applyToAll();

    [[nodiscard]] const std::vector<PermissionRow>& rows() const { return rows_; }
    [[nodiscard]] int questionCount() const { return static_cast<int>(questionTexts_.size()); }
    [[nodiscard]] const PermissionState& classState() const { return classState_; }
    // The first 40 characters of the question the class-wide state names.
    [[nodiscard]] QString classQuestion() const;
    [[nodiscard]] int pupilCount() const;
    [[nodiscard]] int skill() const { return skill_; }

private:
    [[nodiscard]] bool classChosen() const;
    [[nodiscard]] bool skillReady() const { return skill_ >= 0 && questionCount() >= 1; }
    // The last matching permission record of each pupil (index = pupil record number).
    [[nodiscard]] std::vector<std::optional<std::int32_t>> recordsOfClass(int pupils) const;
    // Writes a pupil's mode into the record, or appends one; returns the record number.
    std::int32_t writeMode(int pupil, std::optional<std::int32_t> record, int mode);
    void fillRows();

    store::DataStore& store_;
    int grade_ = 0;
    int section_ = 0;
    int subject_ = -1;
    int skill_ = -1;
    int first_ = 0;
    QStringList questionTexts_;
    std::vector<PermissionRow> rows_ = std::vector<PermissionRow>(kRows);
    PermissionState classState_;
};

} // namespace velmora::quiz
