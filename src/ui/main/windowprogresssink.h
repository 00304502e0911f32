// The progress sink of the windowed program: shows TProgressForm and disables the other windows.
#pragma once

#include "core/settings/progresssink.h"
#include "ui/main/progressform.h"

#include <QList>
#include <QPointer>
#include <QWidget>

namespace orvane {

class WindowProgressSink : public ProgressSink
{
public:
    WindowProgressSink() = default;
    ~WindowProgressSink() override;

    void showProgress(const QString &caption) override;
    void updateProgress(const QString &text, int position) override;
    void hideProgress() override;
    void processEvents() override;

    // The window while it is shown, else nullptr.
    TProgressForm *window() const { return fForm; }

private:
    QPointer<TProgressForm> fForm;
    // Exactly the windows this sink disabled, so that hiding re-enables no others.
    QList<QPointer<QWidget>> fDisabledWindows;
};

} // namespace orvane
