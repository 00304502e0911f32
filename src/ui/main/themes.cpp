// The theme registry: a palette per name on the Fusion style.
#include "ui/main/themes.h"

#include <QApplication>
#include <QColor>
#include <QStyle>
#include <QStyleFactory>

namespace orvane {

namespace {

const QString PlainThemeName = QStringLiteral("Windows");

struct ThemeColors
{
    const char *name;
    QRgb window;
    QRgb windowText;
    QRgb base;
    QRgb alternateBase;
    QRgb text;
    QRgb button;
    QRgb buttonText;
    QRgb highlight;
    QRgb highlightedText;
    QRgb toolTipBase;
    QRgb toolTipText;
    QRgb link;
};

// Light themes first, then the dark ones.
const ThemeColors Themes[] = {
    {"Iceberg Classico", 0xdfe6ee, 0x1b2430, 0xffffff, 0xeef3f8, 0x1b2430, 0xd3dce6, 0x1b2430, 0x3d7ab8, 0xffffff,
     0xfffbe0, 0x1b2430, 0x2a64a8},
    {"Aqua Light Slate", 0xe3e7eb, 0x202a33, 0xffffff, 0xf0f3f5, 0x202a33, 0xd6dde3, 0x202a33, 0x2a9bbb, 0xffffff,
     0xfdfbe6, 0x202a33, 0x1f7f9c},
    {"Emerald Light Slate", 0xe4eae6, 0x1e2b24, 0xffffff, 0xeff4f1, 0x1e2b24, 0xd4ded8, 0x1e2b24, 0x2e8b57, 0xffffff,
     0xfdfbe6, 0x1e2b24, 0x23744a},
    {"Sky", 0xe8f2fb, 0x13283d, 0xffffff, 0xf2f8fd, 0x13283d, 0xd5e6f5, 0x13283d, 0x4a90d9, 0xffffff, 0xfffbe0,
     0x13283d, 0x2d6fb5},
    {"Amakrits", 0x2d2d2d, 0xe6e6e6, 0x1f1f1f, 0x292929, 0xe8e8e8, 0x3b3b3b, 0xeeeeee, 0xd98b1a, 0x141414, 0x404040,
     0xf2f2f2, 0xf0a540},
    {"Carbon", 0x323232, 0xe0e0e0, 0x262626, 0x2e2e2e, 0xe4e4e4, 0x3d3d3d, 0xe8e8e8, 0x4f8ccf, 0xffffff, 0x454545,
     0xf0f0f0, 0x7fb0e6},
    {"Charcoal Dark Slate", 0x2e3338, 0xdde3e8, 0x23272b, 0x2a2f34, 0xdfe5ea, 0x3a4047, 0xe3e8ec, 0x5a7d99, 0xffffff,
     0x3f464d, 0xeef2f5, 0x8fb3cf},
};

QString gCurrentTheme;
QString gPlainStyleKey;

const ThemeColors *findTheme(const QString &name)
{
    for (const ThemeColors &theme : Themes) {
        if (name.compare(QLatin1String(theme.name), Qt::CaseInsensitive) == 0) {
            return &theme;
        }
    }
    return nullptr;
}

QPalette paletteOf(const ThemeColors &theme)
{
    QPalette palette;
    const QColor window(theme.window);
    const QColor text(theme.text);
    const QColor windowText(theme.windowText);
    const QColor button(theme.button);
    palette.setColor(QPalette::Window, window);
    palette.setColor(QPalette::WindowText, windowText);
    palette.setColor(QPalette::Base, QColor(theme.base));
    palette.setColor(QPalette::AlternateBase, QColor(theme.alternateBase));
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Button, button);
    palette.setColor(QPalette::ButtonText, QColor(theme.buttonText));
    palette.setColor(QPalette::BrightText, Qt::white);
    palette.setColor(QPalette::Highlight, QColor(theme.highlight));
    palette.setColor(QPalette::HighlightedText, QColor(theme.highlightedText));
    palette.setColor(QPalette::ToolTipBase, QColor(theme.toolTipBase));
    palette.setColor(QPalette::ToolTipText, QColor(theme.toolTipText));
    palette.setColor(QPalette::Link, QColor(theme.link));
    palette.setColor(QPalette::PlaceholderText, window.lightness() < 128 ? text.darker(160) : text.lighter(250));
    // Fusion draws bevels and frames from these.
    palette.setColor(QPalette::Light, button.lighter(130));
    palette.setColor(QPalette::Midlight, button.lighter(115));
    palette.setColor(QPalette::Mid, button.darker(130));
    palette.setColor(QPalette::Dark, button.darker(160));
    palette.setColor(QPalette::Shadow, window.lightness() < 128 ? QColor(0, 0, 0) : button.darker(250));

    const bool dark = window.lightness() < 128;
    const QColor disabledText = dark ? text.darker(170) : text.lighter(300);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        palette.setColor(QPalette::Disabled, role, disabledText);
    }
    palette.setColor(QPalette::Disabled, QPalette::Highlight, dark ? button.lighter(120) : button.darker(115));
    palette.setColor(QPalette::Disabled, QPalette::Base, window);
    return palette;
}

// The look the application had before any theme: remembered so "Windows" can bring it back.
void rememberPlainStyle()
{
    if (gPlainStyleKey.isEmpty() && QApplication::style()) {
        gPlainStyleKey = QApplication::style()->name();
    }
}

void useStyle(const QString &key)
{
    if (QApplication::style() && QApplication::style()->name().compare(key, Qt::CaseInsensitive) == 0) {
        return;
    }
    if (QStyle *style = QStyleFactory::create(key)) {
        QApplication::setStyle(style);
    }
}

} // namespace

QStringList ThemeNames()
{
    QStringList names{PlainThemeName};
    for (const ThemeColors &theme : Themes) {
        names.append(QLatin1String(theme.name));
    }
    return names;
}

bool ThemeExists(const QString &name)
{
    return name.compare(PlainThemeName, Qt::CaseInsensitive) == 0 || findTheme(name) != nullptr;
}

QPalette ThemePalette(const QString &name)
{
    if (const ThemeColors *theme = findTheme(name)) {
        return paletteOf(*theme);
    }
    rememberPlainStyle();
    QStyle *plain = QStyleFactory::create(gPlainStyleKey.isEmpty() ? QStringLiteral("Fusion") : gPlainStyleKey);
    const QPalette palette = plain ? plain->standardPalette() : QPalette();
    delete plain;
    return palette;
}

bool ApplyTheme(const QString &name)
{
    if (!ThemeExists(name)) {
        return false;
    }
    rememberPlainStyle();
    if (const ThemeColors *theme = findTheme(name)) {
        useStyle(QStringLiteral("Fusion"));
        QApplication::setPalette(paletteOf(*theme));
        gCurrentTheme = QLatin1String(theme->name);
    } else {
        useStyle(gPlainStyleKey.isEmpty() ? QStringLiteral("Fusion") : gPlainStyleKey);
        QApplication::setPalette(QApplication::style()->standardPalette());
        gCurrentTheme = PlainThemeName;
    }
    return true;
}

QString CurrentThemeName()
{
    return gCurrentTheme;
}

} // namespace orvane
