// The theme registry: the named themes exist, applying one sets its palette, an unknown name
// changes nothing.
#include "ui/main/themes.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QStyle>

namespace orvane {
namespace {

TEST(Themes, RegistryHoldsThePlainLookTheDefaultAndLightAndDarkThemes)
{
    const QStringList names = ThemeNames();
    for (const char *name : {"Windows", "Iceberg Classico", "Amakrits"}) {
        EXPECT_TRUE(names.contains(QLatin1String(name))) << name;
    }
    int dark = 0;
    int light = 0;
    for (const QString &name : names) {
        (ThemePalette(name).color(QPalette::Window).lightness() < 128 ? dark : light)++;
    }
    EXPECT_GE(dark, 2);
    EXPECT_GE(light, 3);
}

TEST(Themes, ApplyingSetsThePaletteAndAnUnknownNameKeepsIt)
{
    ASSERT_TRUE(ApplyTheme(QStringLiteral("Amakrits")));
    EXPECT_EQ(CurrentThemeName(), QStringLiteral("Amakrits"));
    EXPECT_EQ(QApplication::style()->name().toLower(), QStringLiteral("fusion"));
    const QColor window = QApplication::palette().color(QPalette::Window);
    EXPECT_EQ(window, ThemePalette(QStringLiteral("Amakrits")).color(QPalette::Window));

    EXPECT_FALSE(ApplyTheme(QStringLiteral("No Such Theme")));
    EXPECT_EQ(CurrentThemeName(), QStringLiteral("Amakrits"));
    EXPECT_EQ(QApplication::palette().color(QPalette::Window), window);

    ASSERT_TRUE(ApplyTheme(QStringLiteral("iceberg classico")));
    EXPECT_EQ(CurrentThemeName(), QStringLiteral("Iceberg Classico"));
    EXPECT_NE(QApplication::palette().color(QPalette::Window), window);

    ASSERT_TRUE(ApplyTheme(QStringLiteral("Windows")));
    EXPECT_EQ(QApplication::palette().color(QPalette::Window),
              QApplication::style()->standardPalette().color(QPalette::Window));
}

} // namespace
} // namespace orvane
