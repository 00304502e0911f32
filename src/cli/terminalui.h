// The terminal's side of the core's user interface: a progress bar and messages on standard error.
#pragma once

#include "core/settings/progresssink.h"
#include "core/settings/prompter.h"

#include <QString>

namespace orvane {

// Draws a one-line bar on standard error when it is a terminal; silent otherwise, so that
// scripts reading standard output or logs never see control characters.
class TerminalProgressSink : public ProgressSink
{
public:
    TerminalProgressSink();
    void showProgress(const QString &caption) override;
    void updateProgress(const QString &text, int position) override;
    void hideProgress() override;
    void processEvents() override;

private:
    void draw();

    bool fEnabled;
    bool fShown = false;
    QString fCaption;
    QString fText;
    int fPosition = 0;
};

// Messages go to standard error and are remembered, so that a command that had to tell the user
// something ends with a failure status. Questions are answered Yes: the companion is for scripts
// and batch jobs, and a question on a terminal nobody watches would hang them.
class TerminalPrompter : public Prompter
{
public:
    void showMessage(const QString &text) override;
    bool askYesNo(const QString &text) override;

    int messageCount() const { return fMessageCount; }

private:
    int fMessageCount = 0;
};

} // namespace orvane
