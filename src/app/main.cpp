// orvane: the desktop program. Creates the application and the main window.
#include "ui/main/mainwindow.h"
#include "ui/main/messageboxprompter.h"
#include "ui/main/quitsignals.h"
#include "ui/main/themes.h"
#include "ui/main/windowprogresssink.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("orvane"));
    QApplication::setOrganizationName(QStringLiteral("Vantrel"));

    // Messages and progress of the core reach the user from the very first start-up step.
    orvane::MessageBoxPrompter prompter;
    orvane::WindowProgressSink progress;
    orvane::SetPrompter(&prompter);
    orvane::SetProgressSink(&progress);
    orvane::QuitOnTerminationSignals();

    orvane::ApplyTheme(QStringLiteral("Amakrits"));

    int result = 0;
    {
        orvane::TfmMain window(QApplication::arguments().mid(1));
        // Fill the screen even where no window manager carries out the maximizing.
        if (const QScreen *screen = window.screen()) {
            window.setGeometry(screen->availableGeometry());
        }
        window.showMaximized();
        result = QApplication::exec();
    }
    orvane::SetProgressSink(nullptr);
    orvane::SetPrompter(nullptr);
    return result;
}
