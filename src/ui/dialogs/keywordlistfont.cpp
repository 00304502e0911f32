// The keyword list font on dialog controls.
#include "ui/dialogs/keywordlistfont.h"

#include "core/settings/font.h"

#include <QPalette>
#include <QWidget>

namespace orvane {

void ApplyKeywordListFont(QWidget *widget, const TFont &font)
{
    if (!widget) {
        return;
    }
    widget->setFont(font.font);
    QPalette palette = widget->palette();
    if ((font.color & clSystemColor) == clSystemColor) {
        // A system colour follows the theme.
        palette = QPalette();
    } else {
        palette.setColor(QPalette::Text, font.qcolor());
        palette.setColor(QPalette::WindowText, font.qcolor());
    }
    widget->setPalette(palette);
}

} // namespace orvane
