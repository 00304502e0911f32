// The process-wide progress sink and its forwarding functions.
#include "core/settings/progresssink.h"

#include <QCoreApplication>

namespace orvane {

namespace {
SilentProgressSink gSilentSink;
ProgressSink *gSink = &gSilentSink;
} // namespace

void SilentProgressSink::processEvents()
{
    if (QCoreApplication::instance()) {
        QCoreApplication::processEvents();
    }
}

void SetProgressSink(ProgressSink *sink)
{
    gSink = sink ? sink : &gSilentSink;
}

ProgressSink &CurrentProgressSink()
{
    return *gSink;
}

void ShowProgress(const QString &caption)
{
    gSink->showProgress(caption);
}

void UpdateProgress(const QString &text, int position)
{
    gSink->updateProgress(text, position);
}

void HideProgress()
{
    gSink->hideProgress();
}

void ProcessUiEvents()
{
    gSink->processEvents();
}

} // namespace orvane
