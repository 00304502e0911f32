// The ExifTool process runner.
#include "core/exiftool/exiftoolcommand.h"

#include "core/exiftool/exiftoolpath.h"
#include "core/exiftool/progressmarkcounter.h"
#include "core/settings/progresssink.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QThread>

#include <cmath>
#include <future>
#include <vector>

namespace orvane {

namespace {

constexpr qint64 kProgressDelayMs = 1500;

// ExifTool processes alive, batch and background together.
std::atomic<int> gRunningThreads{0};

struct TBackgroundRun
{
    std::unique_ptr<TExifToolCommand> command;
    TBackgroundFollowUp followUp;
    QString caption;
    std::unique_ptr<QThread> thread;
    std::atomic<bool> ended{false};

    ~TBackgroundRun()
    {
        // A run is never destroyed under its running thread, not even when the program ends.
        if (thread) {
            thread->wait();
        }
    }
};

// Touched on the main thread only.
std::vector<std::unique_ptr<TBackgroundRun>> gBackgroundRuns;
// How many runner waits are active on the main thread; follow-ups run only outside them.
int gWaitDepth = 0;

bool OnMainThread()
{
    const QCoreApplication *app = QCoreApplication::instance();
    return !app || QThread::currentThread() == app->thread();
}

void DeliverFinishedBackgroundRuns()
{
    // Taken out first: a follow-up may show a message whose event loop delivers again.
    std::vector<std::unique_ptr<TBackgroundRun>> finished;
    for (auto it = gBackgroundRuns.begin(); it != gBackgroundRuns.end();) {
        if ((*it)->ended.load()) {
            finished.push_back(std::move(*it));
            it = gBackgroundRuns.erase(it);
        } else {
            ++it;
        }
    }
    for (const auto &run : finished) {
        run->thread->wait();
        if (run->followUp.onFinished) {
            run->followUp.onFinished(*run->command);
        }
    }
}

void PostDelivery()
{
    QCoreApplication *app = QCoreApplication::instance();
    if (!app) {
        return;
    }
    QMetaObject::invokeMethod(
        app,
        [] {
            if (gWaitDepth == 0) {
                DeliverFinishedBackgroundRuns();
            }
        },
        Qt::QueuedConnection);
}

} // namespace

TExifToolCommand::TExifToolCommand(const QStringList &aArguments, const QString &aArgumentFile, int aTotal)
    : fProgram(ExifToolPath()), fArguments(aArguments), fArgumentFile(aArgumentFile), fTotal(aTotal)
{
}

void TExifToolCommand::Execute(const std::function<void(bool started)> &onStarted)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.setStandardInputFile(QProcess::nullDevice());
    bool started = false;
    if (!fProgram.isEmpty()) {
        process.start(fProgram, fArguments, QIODevice::ReadOnly);
        started = process.waitForStarted(-1);
    }
    fExecuteResult = started;
    if (onStarted) {
        onStarted(started);
    }
    if (started) {
        QByteArray output;
        QByteArray errors;
        TProgressMarkCounter counter;
        const auto drain = [&] {
            const QByteArray newOutput = process.readAllStandardOutput();
            const QByteArray newErrors = process.readAllStandardError();
            output.append(newOutput);
            errors.append(newErrors);
            counter.addOutput(newOutput);
            counter.addErrors(newErrors);
            fNumber.store(counter.filesDone(), std::memory_order_relaxed);
        };
        // Every wait reads both pipes into the process's buffers, so the child never blocks on a
        // full pipe while the other one is being waited for.
        for (;;) {
            const bool finished = process.waitForFinished(50);
            drain();
            if (finished || process.state() == QProcess::NotRunning) {
                break;
            }
        }
        drain();
        fExifToolOutput = SplitOutputLines(output);
        fExifToolErrOutput = SplitOutputLines(errors);
    }
    if (!fArgumentFile.isEmpty()) {
        QFile::remove(fArgumentFile);
    }
}

QStringList SplitOutputLines(const QByteArray &bytes)
{
    QString text = QString::fromUtf8(bytes);
    if (text.startsWith(QChar(0xFEFF))) {
        text.remove(0, 1);
    }
    QStringList lines;
    qsizetype start = 0;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            lines.append(text.mid(start, i - start));
            if (c == QLatin1Char('\r') && i + 1 < size && text.at(i + 1) == QLatin1Char('\n')) {
                ++i;
            }
            start = i + 1;
        }
    }
    if (start < size) {
        lines.append(text.mid(start));
    }
    return lines;
}

QString ProgressFileText(int done, int total)
{
    return QStringLiteral("File %1 of %2").arg(done).arg(total);
}

int ProgressPercent(int done, int total)
{
    if (total == 0) {
        return 0;
    }
    // nearbyint rounds halves to even in the default rounding mode.
    return int(std::nearbyint(double(done) / double(total) * 100.0));
}

bool RunExifToolCommands(const QList<TExifToolCommand *> &commands, int total, const QString &caption)
{
    Q_ASSERT(OnMainThread());
    WaitForExifToolIdle();
    ++gWaitDepth;

    std::vector<std::unique_ptr<QThread>> threads;
    threads.reserve(std::size_t(commands.size()));
    for (TExifToolCommand *command : commands) {
        threads.emplace_back(QThread::create([command] {
            command->Execute();
            gRunningThreads.fetch_sub(1);
        }));
    }
    QElapsedTimer timer;
    timer.start();
    for (const auto &thread : threads) {
        gRunningThreads.fetch_add(1);
        thread->start();
    }

    bool shown = false;
    for (;;) {
        bool allFinished = true;
        for (const auto &thread : threads) {
            allFinished = allFinished && thread->isFinished();
        }
        int done = 0;
        for (const TExifToolCommand *command : commands) {
            done += command->Number();
        }
        if (!shown && timer.elapsed() > kProgressDelayMs) {
            ShowProgress(caption);
            shown = true;
        }
        if (shown) {
            UpdateProgress(ProgressFileText(done, total), ProgressPercent(done, total));
        }
        if (allFinished) {
            break;
        }
        // Up to 100 ms, over as soon as every process has ended.
        const QDeadlineTimer deadline(100);
        for (const auto &thread : threads) {
            if (!thread->wait(deadline)) {
                break;
            }
        }
        ProcessUiEvents();
    }
    if (shown) {
        HideProgress();
    }
    --gWaitDepth;

    bool result = true;
    for (const TExifToolCommand *command : commands) {
        result = result && command->ExecuteResult();
    }
    threads.clear();
    if (gWaitDepth == 0) {
        DeliverFinishedBackgroundRuns();
    }
    return result;
}

bool RunExifToolInBackground(std::unique_ptr<TExifToolCommand> command, const QString &caption,
                             TBackgroundFollowUp followUp)
{
    Q_ASSERT(OnMainThread());
    WaitForExifToolIdle();

    auto run = std::make_unique<TBackgroundRun>();
    run->command = std::move(command);
    run->followUp = std::move(followUp);
    run->caption = caption;
    TBackgroundRun *raw = run.get();
    std::promise<bool> startedPromise;
    std::future<bool> startedFuture = startedPromise.get_future();
    run->thread.reset(QThread::create([raw, &startedPromise] {
        raw->command->Execute([&startedPromise](bool started) { startedPromise.set_value(started); });
        if (raw->command->ExecuteResult() && raw->followUp.afterRun) {
            raw->followUp.afterRun(*raw->command);
        }
        raw->ended.store(true);
        gRunningThreads.fetch_sub(1);
        PostDelivery();
    }));
    gRunningThreads.fetch_add(1);
    run->thread->start();
    // Starting a process takes milliseconds; knowing the outcome lets the caller report a failure.
    if (!startedFuture.get()) {
        run->thread->wait();
        return false;
    }
    gBackgroundRuns.push_back(std::move(run));
    return true;
}

void WaitForExifToolIdle()
{
    Q_ASSERT(OnMainThread());
    ++gWaitDepth;
    if (gRunningThreads.load() > 0) {
        QElapsedTimer timer;
        timer.start();
        bool shown = false;
        while (gRunningThreads.load() > 0) {
            if (!shown && timer.elapsed() > kProgressDelayMs) {
                QString caption;
                for (const auto &run : gBackgroundRuns) {
                    if (!run->ended.load()) {
                        caption = run->caption;
                        break;
                    }
                }
                ShowProgress(caption);
                shown = true;
            }
            if (shown) {
                int done = 0;
                int total = 0;
                for (const auto &run : gBackgroundRuns) {
                    if (!run->ended.load()) {
                        done += run->command->Number();
                        total += run->command->Total();
                    }
                }
                UpdateProgress(ProgressFileText(done, total), ProgressPercent(done, total));
            }
            ProcessUiEvents();
            QThread::msleep(50);
        }
        if (shown) {
            HideProgress();
        }
    }
    --gWaitDepth;
    if (gWaitDepth == 0) {
        DeliverFinishedBackgroundRuns();
    }
}

bool ExifToolRunning()
{
    return gRunningThreads.load() > 0;
}

} // namespace orvane
