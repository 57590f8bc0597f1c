#pragma once
// Numbers typed or listed as text.

#include "store/helpers.h"

#include <QString>

namespace velmora::platform {

// The number a list's or label's text stands for: its numeric value rounded halves to even,
// 0 when there is none or it lies beyond 16 bits (so it never wraps into a valid choice).
inline int numberOf(const QString& text) {
    return store::integerValue(text.toStdString()).value_or(0);
}

} // namespace velmora::platform
