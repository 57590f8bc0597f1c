#pragma once
// Small rules shared by every window: numbers typed as text, rounding, pupil names, marks.

#include "store/records.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace velmora::store {

// The decimal number a text starts with, 0 when there is none. Leading blanks are skipped
// and blanks between digits ignored ("6572abc" -> 6572, " 12" -> 12, "-3.5" -> -3.5).
double numericValue(std::string_view text);

// Nearest whole number, halves to the even neighbour (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
std::int64_t roundHalfEven(double value);

// Numeric value of a text rounded as above, or nothing when it does not fit in 16 bits.
std::optional<std::int16_t> integerValue(std::string_view text);

// Halves-to-even quotient of two non-negative integers (record counts).
std::int64_t divideHalfEven(std::int64_t numerator, std::int64_t denominator);

// Full name shown for a pupil: for each of the four name parts, one space and the part are
// appended and the result trimmed. Never-written parts count as empty, so the name never
// holds NUL characters.
std::string pupilDisplayName(const ClassRecord& pupil);

// Mark of a pupil's skill: '?' before any answer, X with only wrong answers, tick after
// one right answer.
enum class Mark { Unanswered, Wrong, Right };
Mark markOf(std::int16_t right, std::int16_t wrong);

} // namespace velmora::store
