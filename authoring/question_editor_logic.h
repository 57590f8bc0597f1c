#pragma once
// Form25's state and rules without widgets: the grade, subject and skill chosen, the marked
// choice, the question called up for change, and the save into the question bank.

#include "platform/services.h"
#include "store/data_store.h"
#include "store/skills.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace velmora::authoring {

inline constexpr int kChoiceCount = 6;

// The typed texts of the window: the question `tx` and the choices `Text1(0..5)`.
struct QuestionTexts {
    QString text;
    std::array<QString, kChoiceCount> choices;
};

class QuestionEditorLogic {
public:
    // Reads the subjects list (the window's load).
    QuestionEditorLogic(store::DataStore& store, platform::Services& services);

    // Items of `c1`: the prompt, then the grades' ordinal words; position = grade.
    static QStringList gradeItems();
    // Items of `c`: subject names in record order, trimmed; position = subject position.
    [[nodiscard]] const QStringList& subjectItems() const { return subjects_; }
    // Items of `Co`: the chosen subject's skills of the chosen grade; position = skill position.
    [[nodiscard]] QStringList skillItems() const;

    // Positions chosen, -1 for none.
    [[nodiscard]] int grade() const { return grade_; }
    [[nodiscard]] int subject() const { return subject_; }
    [[nodiscard]] int skill() const { return skill_; }
    [[nodiscard]] int marked() const { return marked_; }
    // The tag of `te`: the question called up for change, 0 when the next save adds one.
    [[nodiscard]] std::int32_t editNumber() const { return editNumber_; }
    // `lf`: the record number the next save writes.
    [[nodiscard]] std::int32_t nextNumber() const { return nextNumber_; }

    // A grade chosen in `c1`; the skill list follows only when the subject is chosen again.
    void chooseGrade(int position);
    // A subject chosen in `c`: refills the skill list for the chosen grade, nothing chosen.
    // listEmptied runs once the skill list is emptied, before any message, so the window
    // shows the empty list while the message is up.
    void chooseSubject(int position, const std::function<void()>& listEmptied = {});
    void chooseSkill(int position);
    // Marker `o(i)` clicked: choice i is the correct one.
    void markChoice(int choice);

    // Enter in `te`: calls up the question whose number is typed and selects its grade,
    // subject (refilling the skills for that grade), skill and correct choice. Returns the
    // texts to show, or nothing when the number is not a question of the bank.
    std::optional<QuestionTexts> callUp(const QString& typed);

    // Saves the question; false (after its message) when refused. A save leaves edit mode
    // and the marker unset; the selections stay.
    bool save(const QuestionTexts& texts);

    // A double-click on a row of the list.
    void rowDoubleClicked();

private:
    bool subjectHasSlot() const;
    void refuseSubjectWithoutSlot();

    store::DataStore& store_;
    platform::Services& services_;
    QStringList subjects_;
    std::vector<store::ListedSkill> skills_;
    int grade_ = -1;
    int subject_ = -1;
    int skill_ = -1;
    int marked_ = -1;
    std::int32_t editNumber_ = 0;
    std::int32_t nextNumber_ = 1;
};

} // namespace velmora::authoring
