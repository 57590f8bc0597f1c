#pragma once
// The three mark pictures shared by the results windows: question mark before any answer,
// red X with only wrong answers, green tick after a right answer.

#include "store/helpers.h"

#include <QPixmap>

namespace velmora::results {

QPixmap markPicture(store::Mark mark, int size = 28);

} // namespace velmora::results
