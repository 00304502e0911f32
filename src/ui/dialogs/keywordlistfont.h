// Gives a list or label of a dialog the keyword list font of the settings, colour included.
#pragma once

class QWidget;

namespace orvane {

struct TFont;

void ApplyKeywordListFont(QWidget *widget, const TFont &font);

} // namespace orvane
