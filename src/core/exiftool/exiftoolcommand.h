// Runs ExifTool: one child process per command, as a batch in parallel behind the progress sink,
// or one command in the background while the user goes on working.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>
#include <memory>

namespace orvane {

// One ExifTool run. Created with its arguments on the main thread, executed once on a worker thread.
class TExifToolCommand
{
public:
    // aTotal is the number of files the command covers, for the progress text of a wait.
    TExifToolCommand(const QStringList &aArguments, const QString &aArgumentFile, int aTotal = 0);
    TExifToolCommand(const TExifToolCommand &) = delete;
    TExifToolCommand &operator=(const TExifToolCommand &) = delete;

    // Runs the process to its end, draining both channels while it runs, and deletes the argument
    // file whatever happens. onStarted, when given, learns at once whether the process started.
    void Execute(const std::function<void(bool started)> &onStarted = {});

    const QString &Program() const { return fProgram; }
    const QStringList &Arguments() const { return fArguments; }
    const QString &ArgumentFile() const { return fArgumentFile; }
    int Total() const { return fTotal; }
    // Files the process has reported done so far; read from any thread.
    int Number() const { return fNumber.load(std::memory_order_relaxed); }
    // True when the process could be started.
    bool ExecuteResult() const { return fExecuteResult; }
    // The lines of standard output and standard error, filled when the run has ended.
    const QStringList &ExifToolOutput() const { return fExifToolOutput; }
    const QStringList &ExifToolErrOutput() const { return fExifToolErrOutput; }

private:
    const QString fProgram;
    const QStringList fArguments;
    const QString fArgumentFile;
    const int fTotal;
    std::atomic<int> fNumber{0};
    bool fExecuteResult = false;
    QStringList fExifToolOutput;
    QStringList fExifToolErrOutput;
};

// Decodes bytes as UTF-8 (a leading byte-order mark skipped) and splits them into lines ending in
// CR LF, CR or LF; a line end at the very end adds no empty line.
QStringList SplitOutputLines(const QByteArray &bytes);

// "File %d of %d".
QString ProgressFileText(int done, int total);
// done / total as a whole per cent, halves to even; 0 when total is 0.
int ProgressPercent(int done, int total);

// Runs every command at once on its own thread and waits, keeping the user interface responsive;
// the progress sink shows caption, "File %d of %d" and the percentage once the batch has taken
// longer than 1.5 s. First waits for any running ExifTool work (WaitForExifToolIdle), so no two
// runs ever work on the same files at once. True when every process could be started.
// The caller keeps the commands and reads their output afterwards. Main thread only.
bool RunExifToolCommands(const QList<TExifToolCommand *> &commands, int total, const QString &caption);

// What a background run does after its process has ended.
struct TBackgroundFollowUp
{
    // Runs on the worker thread right after the process has ended, while the runner still counts
    // as busy, so no other ExifTool run can touch the files meanwhile.
    std::function<void(TExifToolCommand &)> afterRun;
    // Runs later on the main thread, outside every wait of the runner.
    std::function<void(TExifToolCommand &)> onFinished;
};

// Waits for running ExifTool work first, then starts the command on its own thread and returns
// as soon as the process has started: true, or false when it could not be started (the argument
// file is deleted either way; the caller tells the user). Main thread only.
bool RunExifToolInBackground(std::unique_ptr<TExifToolCommand> command, const QString &caption,
                             TBackgroundFollowUp followUp = {});

// Waits, without a time limit, until no ExifTool process of this program runs, keeping the user
// interface responsive and showing the progress sink (with the caption of the background run)
// once the wait has lasted 1.5 s. Then runs the follow-ups of finished background runs.
// The main window calls it before it closes, so that no write is cut off. Main thread only.
void WaitForExifToolIdle();

// True while any ExifTool process started by this program runs (batch or background).
bool ExifToolRunning();

} // namespace orvane
