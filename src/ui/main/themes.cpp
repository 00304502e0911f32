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
    {"Amethyst Kamri", 0xe6e0ee, 0x251d33, 0xffffff, 0xf2eef7, 0x251d33, 0xd9d0e6, 0x251d33, 0x7b55b3, 0xffffff,
     0xfdfbe6, 0x251d33, 0x6a3fa8},
    {"Lavender Classico", 0xe9e6f2, 0x27233a, 0xffffff, 0xf4f2f9, 0x27233a, 0xdcd7ea, 0x27233a, 0x8a78c8, 0xffffff,
     0xfdfbe6, 0x27233a, 0x6553b0},
    {"Light", 0xf3f3f3, 0x1a1a1a, 0xffffff, 0xf7f7f7, 0x1a1a1a, 0xe8e8e8, 0x1a1a1a, 0x0078d7, 0xffffff, 0xffffe1,
     0x1a1a1a, 0x0063b1},
    {"Luna", 0xece9d8, 0x000000, 0xffffff, 0xf5f4ea, 0x000000, 0xe3dfc8, 0x000000, 0x316ac5, 0xffffff, 0xffffe1,
     0x000000, 0x0033cc},
    {"Sapphire Kamri", 0xdde5f0, 0x14233a, 0xffffff, 0xedf2f8, 0x14233a, 0xcfdaea, 0x14233a, 0x2457a6, 0xffffff,
     0xfdfbe6, 0x14233a, 0x1d4f9e},
    {"Silver", 0xe4e5e7, 0x1c1d1f, 0xffffff, 0xf0f1f2, 0x1c1d1f, 0xd5d7da, 0x1c1d1f, 0x6d7f92, 0xffffff, 0xfffbe6,
     0x1c1d1f, 0x3a5a7a},
    {"Slate Classico", 0xd9dde2, 0x1d232a, 0xffffff, 0xeceff2, 0x1d232a, 0xc9cfd6, 0x1d232a, 0x4f6478, 0xffffff,
     0xfdfbe6, 0x1d232a, 0x3b5670},
    {"Smokey Quartz Kamri", 0xe3dfdb, 0x2b2622, 0xffffff, 0xf1eeeb, 0x2b2622, 0xd6d0ca, 0x2b2622, 0x8c7462, 0xffffff,
     0xfdfbe6, 0x2b2622, 0x6e5644},
    {"Tablet Light", 0xf5f5f5, 0x202020, 0xffffff, 0xf9f9f9, 0x202020, 0xeaeaea, 0x202020, 0x0a84ff, 0xffffff, 0xffffe8,
     0x202020, 0x0066cc},
    {"Turquoise Gray", 0xdfe3e3, 0x1f2828, 0xffffff, 0xeef1f1, 0x1f2828, 0xd0d6d6, 0x1f2828, 0x1a9e96, 0xffffff,
     0xfdfbe6, 0x1f2828, 0x137a74},
    {"Windows10", 0xf0f0f0, 0x000000, 0xffffff, 0xf7f7f7, 0x000000, 0xe1e1e1, 0x000000, 0x0078d7, 0xffffff, 0xffffff,
     0x000000, 0x0066cc},
    {"Amakrits", 0x2d2d2d, 0xe6e6e6, 0x1f1f1f, 0x292929, 0xe8e8e8, 0x3b3b3b, 0xeeeeee, 0xd98b1a, 0x141414, 0x404040,
     0xf2f2f2, 0xf0a540},
    {"Carbon", 0x323232, 0xe0e0e0, 0x262626, 0x2e2e2e, 0xe4e4e4, 0x3d3d3d, 0xe8e8e8, 0x4f8ccf, 0xffffff, 0x454545,
     0xf0f0f0, 0x7fb0e6},
    {"Charcoal Dark Slate", 0x2e3338, 0xdde3e8, 0x23272b, 0x2a2f34, 0xdfe5ea, 0x3a4047, 0xe3e8ec, 0x5a7d99, 0xffffff,
     0x3f464d, 0xeef2f5, 0x8fb3cf},
    {"Aqua Graphite", 0x3a3f44, 0xe4e8eb, 0x2b2f33, 0x33383d, 0xe6eaed, 0x464c52, 0xe9edf0, 0x29a3c6, 0xffffff,
     0x4a5056, 0xf0f3f5, 0x6cc8e3},
    {"Auric", 0x2f2b24, 0xece3cf, 0x24211b, 0x2c2821, 0xefe6d2, 0x3d372d, 0xf0e7d3, 0xc9a227, 0x1a1712, 0x453e33,
     0xf3ead6, 0xe0bd4f},
    {"Cobalt XEMedia", 0x1f2a3a, 0xdde6f2, 0x162030, 0x1c2736, 0xe0e8f3, 0x2a3850, 0xe3ebf5, 0x2f6fd1, 0xffffff,
     0x2e3d55, 0xeef3fa, 0x7fb0f0},
    {"Cyan Dusk", 0x243238, 0xdcecef, 0x1a262b, 0x213037, 0xdff0f3, 0x2f4148, 0xe2f2f5, 0x1fa6b8, 0xffffff, 0x34484f,
     0xeef8fa, 0x63cbd9},
    {"Cyan Night", 0x1b2326, 0xd6eef2, 0x121a1d, 0x182124, 0xd9f1f5, 0x253034, 0xdcf3f7, 0x00a3b8, 0xffffff, 0x2b383c,
     0xeaf8fa, 0x4fd2e3},
    {"Glossy", 0x2b2b2b, 0xf0f0f0, 0x1e1e1e, 0x262626, 0xf2f2f2, 0x3a3a3a, 0xf5f5f5, 0x3b8fd9, 0xffffff, 0x404040,
     0xf5f5f5, 0x78b6ee},
    {"Glow", 0x26292b, 0xe3e8ea, 0x1b1e20, 0x222527, 0xe6ebed, 0x34383b, 0xe9eef0, 0x46b04a, 0xffffff, 0x3a3e41,
     0xf0f4f5, 0x7fd483},
    {"Golden Graphite", 0x35373a, 0xe8e6e0, 0x28292b, 0x2f3133, 0xebe9e3, 0x42454a, 0xeeece6, 0xd4a017, 0x1c1c1c,
     0x474a4e, 0xf2f0ea, 0xe6c25a},
    {"Metropolis UI Black", 0x1f1f1f, 0xf0f0f0, 0x141414, 0x1a1a1a, 0xf2f2f2, 0x2d2d2d, 0xf2f2f2, 0x2d89ef, 0xffffff,
     0x333333, 0xf5f5f5, 0x6fb3f5},
    {"Metropolis UI Blue", 0x1b3a63, 0xffffff, 0x14304f, 0x183659, 0xffffff, 0x24497a, 0xffffff, 0x2d89ef, 0xffffff,
     0x2a5286, 0xffffff, 0x9cc9ff},
    {"Metropolis UI Dark", 0x2d2d30, 0xf1f1f1, 0x1e1e1e, 0x252526, 0xf1f1f1, 0x3e3e42, 0xf1f1f1, 0x007acc, 0xffffff,
     0x424245, 0xf1f1f1, 0x3ea6ff},
    {"Metropolis UI Green", 0x1d3b2a, 0xf2f7f3, 0x142c1f, 0x193424, 0xf2f7f3, 0x275039, 0xf2f7f3, 0x00a300, 0xffffff,
     0x2c5a40, 0xf5faf6, 0x7bd88f},
    {"Obsidian", 0x202427, 0xd9dee2, 0x16191b, 0x1c1f22, 0xdde2e6, 0x2c3236, 0xdfe4e8, 0x5a6f80, 0xffffff, 0x343a3f,
     0xe8ecef, 0x8fb0c9},
    {"Onyx Blue", 0x232a33, 0xdbe3ec, 0x181e25, 0x1e252d, 0xdfe7ef, 0x2f3844, 0xe1e9f1, 0x3f7fbf, 0xffffff, 0x36414e,
     0xecf2f8, 0x84b4e6},
    {"Ruby Graphite", 0x35363a, 0xe8e6e6, 0x28292b, 0x2f3033, 0xebe9e9, 0x43444a, 0xeeecec, 0xb3263a, 0xffffff,
     0x48494e, 0xf2f0f0, 0xe0707f},
    {"TabletDark", 0x262626, 0xe8e8e8, 0x1b1b1b, 0x212121, 0xebebeb, 0x333333, 0xeeeeee, 0x0a84ff, 0xffffff, 0x3a3a3a,
     0xf2f2f2, 0x5aaeff},
    {"Windows10 Blue", 0x1c3553, 0xffffff, 0x142a44, 0x18304c, 0xffffff, 0x254569, 0xffffff, 0x0078d7, 0xffffff,
     0x2a4d74, 0xffffff, 0x8cc4ff},
    {"Windows10 Dark", 0x2b2b2b, 0xffffff, 0x1f1f1f, 0x262626, 0xffffff, 0x3c3c3c, 0xffffff, 0x0078d7, 0xffffff,
     0x404040, 0xffffff, 0x4cc2ff},
    {"Windows10 Green", 0x1f3d2b, 0xffffff, 0x16301f, 0x1b3725, 0xffffff, 0x284d37, 0xffffff, 0x10893e, 0xffffff,
     0x2d5a3f, 0xffffff, 0x8fe3ae},
    {"Windows10 Purple", 0x33264a, 0xffffff, 0x271c3a, 0x2d2142, 0xffffff, 0x41305d, 0xffffff, 0x8764b8, 0xffffff,
     0x4a3869, 0xffffff, 0xc7a8f0},
    {"Windows10 SlateGray", 0x3a4450, 0xffffff, 0x2d3640, 0x333d48, 0xffffff, 0x47535f, 0xffffff, 0x5d7a99, 0xffffff,
     0x4e5b68, 0xffffff, 0xa9c6e6},
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
