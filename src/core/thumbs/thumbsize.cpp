// The thumbnail sizes the program offers.
#include "core/thumbs/thumbsize.h"

namespace orvane {

QString TThumbSize::Description() const
{
    return QString::asprintf("%d x %d", fWidth, fHeight);
}

const QList<TThumbSize> &ThumbSizes()
{
    static const QList<TThumbSize> sizes = [] {
        QList<TThumbSize> list;
        for (int k = 1; k <= 16; ++k) {
            list.append(TThumbSize(k * 50, k * 50));
        }
        return list;
    }();
    return sizes;
}

} // namespace orvane
