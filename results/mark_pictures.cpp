#include "results/mark_pictures.h"

#include <QIcon>

namespace velmora::results {

QPixmap markPicture(store::Mark mark, int size) {
    const char16_t* path = u":/velmora/mark_unanswered.svg";
    if (mark == store::Mark::Wrong)
        path = u":/velmora/mark_wrong.svg";
    else if (mark == store::Mark::Right)
        path = u":/velmora/mark_right.svg";
    return QIcon(QString::fromUtf16(path)).pixmap(size, size);
}

} // namespace velmora::results
