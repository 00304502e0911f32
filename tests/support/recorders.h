// Recording stand-ins for the user interface, so tests can see what the core said and asked.
#pragma once

#include "core/settings/progresssink.h"
#include "core/settings/prompter.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace orvane::test {

class RecordingPrompter : public Prompter
{
public:
    void showMessage(const QString &text) override { messages.append(text); }
    bool askYesNo(const QString &text) override
    {
        questions.append(text);
        return answers.isEmpty() ? false : answers.takeFirst();
    }

    QStringList messages;
    QStringList questions;
    QList<bool> answers; // consumed in order; No once empty
};

// Records every call as one line: "show:<caption>", "update:<text>:<pos>", "hide".
class RecordingProgressSink : public ProgressSink
{
public:
    void showProgress(const QString &caption) override { events.append(QStringLiteral("show:") + caption); }
    void updateProgress(const QString &text, int position) override
    {
        events.append(QStringLiteral("update:%1:%2").arg(text).arg(position));
    }
    void hideProgress() override { events.append(QStringLiteral("hide")); }
    void processEvents() override { ++processEventsCalls; }

    QStringList events;
    int processEventsCalls = 0;
};

// Installs a recorder for the life of a scope and restores the silent one after it.
class ScopedPrompter
{
public:
    explicit ScopedPrompter(Prompter *prompter) { SetPrompter(prompter); }
    ~ScopedPrompter() { SetPrompter(nullptr); }
};

class ScopedProgressSink
{
public:
    explicit ScopedProgressSink(ProgressSink *sink) { SetProgressSink(sink); }
    ~ScopedProgressSink() { SetProgressSink(nullptr); }
};

} // namespace orvane::test
