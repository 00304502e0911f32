// How long operations of the core report progress without knowing about windows.
#pragma once

#include <QString>

namespace orvane {

// The UI installs a window-backed sink, the CLI a terminal one, tests a recorder.
// Called on the main thread only, in strict Show, Update..., Hide sequences that never nest.
class ProgressSink
{
public:
    virtual ~ProgressSink() = default;
    // An empty caption means "Please Wait ...".
    virtual void showProgress(const QString &caption) = 0;
    // A negative position leaves the bar where it is.
    virtual void updateProgress(const QString &text, int position) = 0;
    virtual void hideProgress() = 0;
    // Lets the user interface handle pending events during a polling wait.
    virtual void processEvents() = 0;
};

// Does nothing but keep an event loop, if there is one, alive.
class SilentProgressSink : public ProgressSink
{
public:
    void showProgress(const QString &) override {}
    void updateProgress(const QString &, int) override {}
    void hideProgress() override {}
    void processEvents() override;
};

// Installs the process-wide sink; nullptr restores the silent one. Not owned.
void SetProgressSink(ProgressSink *sink);
ProgressSink &CurrentProgressSink();

void ShowProgress(const QString &caption);
void UpdateProgress(const QString &text, int position);
void HideProgress();
void ProcessUiEvents();

} // namespace orvane
