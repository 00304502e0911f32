// Test main: a GUI application on the offscreen platform, in a fixed locale so that
// keyword order and upper-casing do not depend on the machine running the tests.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QLocale>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    ::testing::InitGoogleTest(&argc, argv);
    QGuiApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
