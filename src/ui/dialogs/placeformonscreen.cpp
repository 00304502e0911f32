// Window placement by percentages of the screen.
#include "ui/dialogs/placeformonscreen.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <cstdint>
#include <cstdlib>

namespace orvane {

int PercentOfRoundedHalfEven(int value, int percent)
{
    const std::int64_t product = std::int64_t(value) * percent;
    std::int64_t quotient = product / 100;
    std::int64_t remainder = product % 100; // same sign as product
    const std::int64_t twice = 2 * std::llabs(remainder);
    if (twice > 100 || (twice == 100 && (quotient % 2) != 0)) {
        quotient += (remainder > 0) ? 1 : -1;
    }
    return int(quotient);
}

QRect FormPlacement(const QRect &screen, int h, int v)
{
    return QRect(screen.x() + PercentOfRoundedHalfEven(screen.width(), h),
                 screen.y() + PercentOfRoundedHalfEven(screen.height(), v),
                 PercentOfRoundedHalfEven(screen.width(), 100 - 2 * h),
                 PercentOfRoundedHalfEven(screen.height(), 100 - 2 * v));
}

void PlaceFormOnScreen(QWidget *window, int h, int v)
{
    if (window == nullptr) {
        return;
    }
    QScreen *screen = window->screen();
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    if (screen == nullptr) {
        return;
    }
    const QRect placement = FormPlacement(screen->geometry(), h, v);
    window->move(placement.topLeft());
    window->resize(placement.size());
}

} // namespace orvane
