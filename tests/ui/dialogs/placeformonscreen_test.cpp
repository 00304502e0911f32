// Placement of dialogs by screen percentages, rounded with halves to even.
#include "ui/dialogs/placeformonscreen.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace orvane {
namespace {

TEST(PlaceFormOnScreen, RoundsHalvesToEven)
{
    struct Case {
        int value;
        int percent;
        int expected;
    };
    const Case cases[] = {
        {1030, 5, 52},   // 51.5 -> 52 (even)
        {1050, 5, 52},   // 52.5 -> 52 (even)
        {1070, 5, 54},   // 53.5 -> 54
        {1010, 15, 152}, // 151.5 -> 152
        {1030, 15, 154}, // 154.5 -> 154
        {1366, 90, 1229}, // 1229.4 -> 1229
        {1366, 5, 68},   // 68.3 -> 68
        {1366, 15, 205}, // 204.9 -> 205
        {1920, 5, 96},
        {0, 5, 0},
        {-1050, 5, -52},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(PercentOfRoundedHalfEven(c.value, c.percent), c.expected) << c.value << " * " << c.percent;
    }
}

TEST(PlaceFormOnScreen, PlacementFollowsPercentagesAndScreenOrigin)
{
    // 1050 x 770: left 52.5 -> 52, top 115.5 -> 116, width 945, height 539.
    EXPECT_EQ(FormPlacement(QRect(0, 0, 1050, 770), 5, 15), QRect(52, 116, 945, 539));
    EXPECT_EQ(FormPlacement(QRect(1920, 0, 1920, 1080), 5, 15), QRect(1920 + 96, 162, 1728, 756));
    // Options dialog percentages: width 60 %, height 70 %.
    EXPECT_EQ(FormPlacement(QRect(0, 0, 1920, 1080), 20, 15), QRect(384, 162, 1152, 756));
}

TEST(PlaceFormOnScreen, MovesAndSizesTheWindow)
{
    QWidget window;
    PlaceFormOnScreen(&window, 5, 15);
    const QRect expected = FormPlacement(QGuiApplication::primaryScreen()->geometry(), 5, 15);
    EXPECT_EQ(window.pos(), expected.topLeft());
    EXPECT_EQ(window.size(), expected.size());
    PlaceFormOnScreen(nullptr, 5, 15); // no window: nothing to do, no crash
}

} // namespace
} // namespace orvane
