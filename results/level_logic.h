#pragma once
// One pupil's standing in every listed skill of a subject, read from the class file and
// the grade's skills file. Reads only.

#include "store/data_store.h"
#include "store/helpers.h"

#include <QString>

#include <array>

namespace velmora::results {

struct LevelCell {
    bool filled = false;
    QString title;
    int right = 0;
    int wrong = 0;
    store::Mark mark = store::Mark::Unanswered;
};

struct LevelPage {
    QString pupilName;
    std::array<LevelCell, 40> cells{}; // unfilled cells are blank
};

class LevelLogic {
public:
    explicit LevelLogic(const store::DataStore& store) : store_(store) {}

    static constexpr int kCells = 40;

    // The page of a pupil (record number) of a class in a subject. Skills are the records of
    // the grade's skills file whose slot for the subject was ever written, in record order;
    // record k's counts are those of skill position k - 1. Only the first 40 listed skills
    // have a cell; a skill position without a slot in the class record shows 0 counts.
    [[nodiscard]] LevelPage page(int grade, int section, int pupil, int subject) const;

    // Title of a subject position from the subjects list, empty when there is no record.
    [[nodiscard]] QString subjectTitle(int subject) const;

    // Whole records of the class file (the pupil scroll bar reaches every one).
    [[nodiscard]] int pupilCount(int grade, int section) const;

private:
    const store::DataStore& store_;
};

} // namespace velmora::results
