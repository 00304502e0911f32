// Terminal progress bar and prompter of orvane-cli.
#include "cli/terminalui.h"

#include <QCoreApplication>

#include <cstdio>
#include <unistd.h>

namespace orvane {

namespace {
constexpr int kBarWidth = 30;
}

TerminalProgressSink::TerminalProgressSink() : fEnabled(isatty(fileno(stderr)) != 0) {}

void TerminalProgressSink::showProgress(const QString &caption)
{
    fCaption = caption.isEmpty() ? QStringLiteral("Please Wait ...") : caption;
    fText.clear();
    fPosition = 0;
    fShown = true;
    draw();
}

void TerminalProgressSink::updateProgress(const QString &text, int position)
{
    if (!fShown) {
        return;
    }
    fText = text;
    if (position >= 0) {
        fPosition = qBound(0, position, 100);
    }
    draw();
}

void TerminalProgressSink::hideProgress()
{
    if (!fShown) {
        return;
    }
    fShown = false;
    if (fEnabled) {
        std::fputs("\r\033[K", stderr);
        std::fflush(stderr);
    }
}

void TerminalProgressSink::processEvents()
{
    QCoreApplication::processEvents();
}

void TerminalProgressSink::draw()
{
    if (!fEnabled) {
        return;
    }
    const int filled = fPosition * kBarWidth / 100;
    const QString bar = QString(filled, QLatin1Char('#')) + QString(kBarWidth - filled, QLatin1Char(' '));
    const QString line = QStringLiteral("\r\033[K%1 [%2] %3% %4").arg(fCaption, bar).arg(fPosition).arg(fText);
    std::fputs(line.toLocal8Bit().constData(), stderr);
    std::fflush(stderr);
}

void TerminalPrompter::showMessage(const QString &text)
{
    ++fMessageCount;
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
}

bool TerminalPrompter::askYesNo(const QString &text)
{
    Q_UNUSED(text);
    return true;
}

} // namespace orvane
