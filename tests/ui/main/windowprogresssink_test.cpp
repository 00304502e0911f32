// The progress window: its caption, its updates, and the windows it disables while it shows.
#include "ui/main/windowprogresssink.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QProgressBar>

namespace orvane {
namespace {

TEST(ProgressWindow, EmptyCaptionShowsPleaseWait)
{
    WindowProgressSink sink;
    sink.showProgress(QString());
    ASSERT_NE(sink.window(), nullptr);
    EXPECT_EQ(sink.window()->windowTitle(), QStringLiteral("Please Wait ..."));
    EXPECT_EQ(sink.window()->ProgressBar->value(), 0);
    EXPECT_TRUE(sink.window()->TaskLabel->text().isEmpty());
    sink.showProgress(QStringLiteral("Creating thumbs..."));
    EXPECT_EQ(sink.window()->windowTitle(), QStringLiteral("Creating thumbs..."));
    sink.hideProgress();
    EXPECT_EQ(sink.window(), nullptr);
}

TEST(ProgressWindow, UpdateAndHideWithoutAWindowDoNothing)
{
    WindowProgressSink sink;
    sink.updateProgress(QStringLiteral("File 1 of 2"), 50);
    sink.hideProgress();
    EXPECT_EQ(sink.window(), nullptr);
}

TEST(ProgressWindow, NegativePositionChangesOnlyTheText)
{
    WindowProgressSink sink;
    sink.showProgress(QString());
    sink.updateProgress(QStringLiteral("File 1 of 4"), 25);
    sink.updateProgress(QStringLiteral("File 2 of 4"), -1);
    EXPECT_EQ(sink.window()->TaskLabel->text(), QStringLiteral("File 2 of 4"));
    EXPECT_EQ(sink.window()->ProgressBar->value(), 25);
    sink.hideProgress();
}

TEST(ProgressWindow, DisablesTheOtherWindowsAndReenablesExactlyThose)
{
    QWidget main;
    QWidget alreadyDisabled;
    main.show();
    alreadyDisabled.show();
    alreadyDisabled.setEnabled(false);

    WindowProgressSink sink;
    sink.showProgress(QString());
    EXPECT_FALSE(main.isEnabled());
    EXPECT_TRUE(sink.window()->isEnabled());
    sink.hideProgress();
    EXPECT_TRUE(main.isEnabled());
    EXPECT_FALSE(alreadyDisabled.isEnabled());
}

} // namespace
} // namespace orvane
