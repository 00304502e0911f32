// Named visual themes: Qt's Fusion style with one palette per theme, plus the plain toolkit look.
#pragma once

#include <QPalette>
#include <QString>
#include <QStringList>

namespace orvane {

// "Windows" is the plain look; "Iceberg Classico" is the default of the settings.
QStringList ThemeNames();
bool ThemeExists(const QString &name);

// Applies the named theme to the whole application. An unknown name changes nothing and returns
// false. Names are matched without regard to case.
bool ApplyTheme(const QString &name);

// The name of the theme applied last, empty before the first one.
QString CurrentThemeName();

// The palette a theme gives the application; an unknown name gives the plain look's palette.
QPalette ThemePalette(const QString &name);

} // namespace orvane
