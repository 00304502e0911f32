// Font settings and stored colour values.
#include "core/settings/font.h"

#include <QFontInfo>
#include <QGuiApplication>
#include <QPalette>

#include <iterator>

namespace orvane {

namespace {

QPalette::ColorRole roleOfSystemColor(quint32 index)
{
    switch (index) {
    case 1:  // background (desktop)
    case 4:  // menu
    case 30: // menu bar
        return QPalette::Window;
    case 5: // window
        return QPalette::Base;
    case 7: // menu text
        return QPalette::WindowText;
    case 8:  // window text
    case 19: // inactive caption text
        return QPalette::Text;
    case 2:  // active caption
    case 13: // highlight
    case 27: // gradient active caption
    case 29: // menu highlight
        return QPalette::Highlight;
    case 9:  // caption text
    case 14: // highlight text
        return QPalette::HighlightedText;
    case 0:  // scroll bar
    case 15: // button face
        return QPalette::Button;
    case 3:  // inactive caption
    case 10: // active border
    case 11: // inactive border
    case 28: // gradient inactive caption
        return QPalette::Mid;
    case 12: // application workspace
    case 16: // button shadow
        return QPalette::Dark;
    case 6:  // window frame
    case 21: // 3D dark shadow
        return QPalette::Shadow;
    case 17: // grey text
        return QPalette::PlaceholderText;
    case 18: // button text
        return QPalette::ButtonText;
    case 20: // button highlight
        return QPalette::Light;
    case 22: // 3D light
        return QPalette::Midlight;
    case 23: // info text
        return QPalette::ToolTipText;
    case 24: // info background
        return QPalette::ToolTipBase;
    case 26: // hot light
        return QPalette::Link;
    default:
        return QPalette::Window;
    }
}

} // namespace

QColor ColorToQColor(TColor color)
{
    if ((color & 0xFF000000u) == clSystemColor) {
        return QGuiApplication::palette().color(roleOfSystemColor(color & 0xFFu));
    }
    if (color == 0x1FFFFFFFu) { // no colour
        return QColor(Qt::transparent);
    }
    if (color == 0x20000000u) { // the control's default colour
        return QGuiApplication::palette().color(QPalette::Text);
    }
    return QColor(int(color & 0xFFu), int((color >> 8) & 0xFFu), int((color >> 16) & 0xFFu));
}

QColor ColorToQColorUnthemed(TColor color)
{
    if ((color & 0xFF000000u) != clSystemColor) {
        return ColorToQColor(color);
    }
    // The classic desktop's system colours, 0xRRGGBB by index.
    static const quint32 kClassic[] = {
        0xC8C8C8, 0x000000, 0x99B4D1, 0xBFCDDB, 0xF0F0F0, 0xFFFFFF, 0x646464, 0x000000, 0x000000, 0x000000, 0xB4B4B4,
        0xF4F7FC, 0xABABAB, 0x0078D7, 0xFFFFFF, 0xF0F0F0, 0xA0A0A0, 0x6D6D6D, 0x000000, 0x000000, 0xFFFFFF, 0x696969,
        0xE3E3E3, 0x000000, 0xFFFFE1, 0x000000, 0x0066CC, 0xB9D1EA, 0xD7E4F2, 0x3399FF, 0xF0F0F0};
    const quint32 index = color & 0xFFu;
    if (index >= std::size(kClassic)) {
        return QColor(Qt::black);
    }
    return QColor::fromRgb(kClassic[index]);
}

TColor QColorToColor(const QColor &color)
{
    const QColor rgb = color.toRgb();
    return TColor(rgb.red()) | (TColor(rgb.green()) << 8) | (TColor(rgb.blue()) << 16);
}

TFont::TFont() : font(QGuiApplication::font()) {}

TFont::TFont(const QFont &qfont, TColor fontColor) : font(qfont), color(fontColor) {}

int TFont::pixelHeight() const
{
    if (font.pixelSize() > 0) {
        return font.pixelSize();
    }
    return QFontInfo(font).pixelSize();
}

bool TFont::operator==(const TFont &other) const
{
    return font == other.font && color == other.color && charset == other.charset && orientation == other.orientation;
}

} // namespace orvane
