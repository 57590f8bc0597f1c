#pragma once
// The six-row list of the question bank shown by Form25 and Form28.

#include "store/data_store.h"

#include <QString>

#include <cstdint>
#include <vector>

namespace velmora::authoring {

inline constexpr int kQuestionListRows = 6;

struct QuestionListRow {
    std::int32_t number = 0; // lx: the question's record number
    QString grade;           // l1: the grade's ordinal word
    QString subject;         // l4
    QString skill;           // l2
    QString text;            // l3
};

// The rows for scroll value p: questions p + 1 onwards, at most six, none past the bank's
// process-wide count. Texts trimmed.
std::vector<QuestionListRow> questionListRows(const store::DataStore& store, int scrollValue);

} // namespace velmora::authoring
