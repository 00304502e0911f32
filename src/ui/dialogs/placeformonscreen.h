// Window placement by percentages of the screen, used by the dialogs that open large and centred
// (the filter dialog, the cascade filter, the thumbnail options).
#pragma once

#include <QRect>

class QWidget;

namespace orvane {

// value * percent / 100 rounded to the nearest whole number, halves to even; exact for any int.
int PercentOfRoundedHalfEven(int value, int percent);

// The placement inside screen: left h %, top v %, width (100 - 2h) %, height (100 - 2v) %,
// each rounded with halves to even, offset by the screen's own origin.
QRect FormPlacement(const QRect &screen, int h, int v);

// Places window on the screen it belongs to (or the primary screen); the rectangle is the
// window's outer position and its client size, as a toolkit without frame extents can give.
void PlaceFormOnScreen(QWidget *window, int h, int v);

} // namespace orvane
