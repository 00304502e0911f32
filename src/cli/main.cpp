// orvane-cli: the command-line companion of Orvane.
#include "cli/clicommands.h"
#include "cli/terminalui.h"

#include "core/exiftool/exiftoolpath.h"
#include "core/settings/fileutils.h"
#include "core/settings/settings.h"
#include "core/thumbs/thumbcache.h"

#include <QGuiApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char **argv)
{
    // Fonts are measured for the settings even without a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    QStringList arguments = QCoreApplication::arguments().mid(1);

    orvane::TerminalProgressSink progress;
    orvane::TerminalPrompter prompter;
    orvane::SetProgressSink(&progress);
    orvane::SetPrompter(&prompter);

    QTextStream out(stdout);
    int status = 0;
    const bool wantsHelp = arguments.isEmpty() || arguments.first().startsWith(QLatin1Char('-'))
        || arguments.first() == QStringLiteral("help");
    if (!wantsHelp) {
        // The same settings file and thumbnail cache as the program beside us.
        orvane::ChooseDataFolder();
        orvane::SetSettingsProgramName(QStringLiteral("orvane"));
        orvane::InitExifToolPath();
        orvane::CreateCacheFolders();
    }
    status = orvane::RunCliCommand(arguments, out);
    out.flush();
    orvane::FreeSettings();
    if (status == 0 && prompter.messageCount() > 0) {
        status = 1;
    }
    return status;
}
