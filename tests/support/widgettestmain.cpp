// Widget test main: a full QApplication on the offscreen platform, in a fixed locale.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLocale>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
