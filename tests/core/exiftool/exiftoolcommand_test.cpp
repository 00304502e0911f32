// The ExifTool runner with the real exiftool: batches, progress, background runs and waiting.
#include "core/exiftool/argumentfile.h"
#include "core/exiftool/keywordreader.h"
#include "exiftoolfixture.h"

#include <QElapsedTimer>
#include <QThread>

#include <memory>

namespace orvane {
namespace {

using test::ExifToolFixture;
using test::ReadKeywordsWithExifTool;

// ExifTool's own -if expression, used here to make a real run last: it pauses before every file.
QStringList PausePerFile(double seconds)
{
    return {QStringLiteral("-if"), QStringLiteral("select(undef,undef,undef,%1);1").arg(seconds)};
}

using RunnerTest = ExifToolFixture;

TEST_F(RunnerTest, EmptyBatchSucceedsWithoutProgress)
{
    EXPECT_TRUE(RunExifToolCommands({}, 0, QStringLiteral("Nothing")));
    EXPECT_TRUE(fProgress.events.isEmpty());
    EXPECT_FALSE(ExifToolRunning());
}

TEST_F(RunnerTest, MissingExifToolFailsTheBatchAndDeletesEveryArgumentFile)
{
    const QString photo = makePhoto(QStringLiteral("a.jpg"));
    SetExifToolPath(path(QStringLiteral("nowhere/exiftool")));
    const QString folder = Settings().FolderThumbsRoot();
    const QString file1 = NewArgumentFileName(folder);
    const QString file2 = NewArgumentFileName(folder);
    ASSERT_TRUE(WriteArgumentFile(file1, {photo}));
    ASSERT_TRUE(WriteArgumentFile(file2, {photo}));
    TExifToolCommand first(KeywordReadArguments(file1), file1, 1);
    TExifToolCommand second(KeywordReadArguments(file2), file2, 1);
    EXPECT_FALSE(RunExifToolCommands({&first, &second}, 2, QStringLiteral("Load keywords from files...")));
    EXPECT_FALSE(first.ExecuteResult());
    EXPECT_TRUE(first.ExifToolOutput().isEmpty());
    EXPECT_TRUE(second.ExifToolErrOutput().isEmpty());
    EXPECT_TRUE(argumentFilesLeft().isEmpty());
}

// Two processes pausing on each of their five photos: the batch takes about 2.5 s, so the progress
// sink shows the caption and counts up to all ten files.
TEST_F(RunnerTest, SlowBatchShowsProgressAfterTheDelay)
{
    QStringList photos;
    for (int i = 0; i < 10; ++i) {
        photos.append(makePhoto(QStringLiteral("s%1.jpg").arg(i)));
    }
    const QStringList common = QStringList{"-progress", "-csv", "-keywords"} + PausePerFile(0.5);
    TExifToolCommand first(common + photos.mid(0, 5), QString(), 5);
    TExifToolCommand second(common + photos.mid(5), QString(), 5);
    ASSERT_TRUE(RunExifToolCommands({&first, &second}, 10, QStringLiteral("Load keywords from files...")));

    ASSERT_GE(fProgress.events.size(), 3);
    EXPECT_EQ(fProgress.events.first(), QStringLiteral("show:Load keywords from files..."));
    EXPECT_EQ(fProgress.events.last(), QStringLiteral("hide"));
    EXPECT_EQ(fProgress.events.at(fProgress.events.size() - 2), QStringLiteral("update:File 10 of 10:100"));
    int previous = -1;
    for (int i = 1; i < fProgress.events.size() - 1; ++i) {
        const QStringList parts = fProgress.events.at(i).split(QLatin1Char(':'));
        ASSERT_EQ(parts.size(), 3) << fProgress.events.at(i).toStdString();
        const int done = parts.at(1).split(QLatin1Char(' ')).at(1).toInt();
        EXPECT_GE(done, previous);
        EXPECT_EQ(parts.at(2).toInt(), ProgressPercent(done, 10));
        previous = done;
    }
    EXPECT_GT(fProgress.processEventsCalls, 0);
    EXPECT_EQ(first.ExifToolOutput().size(), 6); // header and five rows
    EXPECT_EQ(first.Number(), 5);
}

// A background write that lasts longer than 2 s: the call returns at once, and a read that follows
// waits until the write has ended (showing progress meanwhile), so it sees the new keyword.
TEST_F(RunnerTest, RunsAfterABackgroundWriteWaitUntilItHasEnded)
{
    const QString photo = makePhoto(QStringLiteral("bg.jpg"));
    const QString file = NewArgumentFileName(Settings().FolderThumbsRoot());
    ASSERT_TRUE(WriteArgumentFile(file, {"-overwrite_original", "-keywords=Late", photo}));
    const Qt::HANDLE mainThread = QThread::currentThreadId();
    Qt::HANDLE afterRunThread = nullptr;
    QStringList finishedOutput;
    TBackgroundFollowUp followUp;
    followUp.afterRun = [&](TExifToolCommand &) { afterRunThread = QThread::currentThreadId(); };
    followUp.onFinished = [&](TExifToolCommand &command) {
        EXPECT_EQ(QThread::currentThreadId(), mainThread);
        finishedOutput = command.ExifToolOutput() + command.ExifToolErrOutput();
    };

    QElapsedTimer timer;
    timer.start();
    auto command = std::make_unique<TExifToolCommand>(QStringList{"-@", file} + PausePerFile(2.5), file, 1);
    ASSERT_TRUE(RunExifToolInBackground(std::move(command), QStringLiteral("Paste keywords..."), followUp));
    EXPECT_LT(timer.elapsed(), 1500);
    EXPECT_TRUE(ExifToolRunning());

    const QStringList rows = ReadKeywordRows({photo});
    EXPECT_GE(timer.elapsed(), 2500);
    ASSERT_EQ(rows.size(), 1);
    EXPECT_TRUE(rows.first().endsWith(QStringLiteral(",Late"))) << rows.first().toStdString();
    EXPECT_FALSE(ExifToolRunning());
    EXPECT_EQ(fProgress.events.first(), QStringLiteral("show:Paste keywords..."));
    EXPECT_TRUE(fProgress.events.contains(QStringLiteral("hide")));

    // The follow-ups ran: one on the worker, one on the main thread before the read started.
    EXPECT_NE(afterRunThread, nullptr);
    EXPECT_NE(afterRunThread, mainThread);
    EXPECT_TRUE(finishedOutput.join(QLatin1Char('\n')).contains(QStringLiteral("1 image files updated")))
        << finishedOutput.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(argumentFilesLeft().isEmpty());
}

TEST_F(RunnerTest, BackgroundRunThatCannotStartSaysSo)
{
    SetExifToolPath(path(QStringLiteral("nowhere/exiftool")));
    const QString file = NewArgumentFileName(Settings().FolderThumbsRoot());
    ASSERT_TRUE(WriteArgumentFile(file, {"-ver"}));
    bool finished = false;
    TBackgroundFollowUp followUp;
    followUp.onFinished = [&](TExifToolCommand &) { finished = true; };
    EXPECT_FALSE(RunExifToolInBackground(std::make_unique<TExifToolCommand>(QStringList{"-@", file}, file),
                                         QString(), followUp));
    EXPECT_FALSE(ExifToolRunning());
    WaitForExifToolIdle();
    EXPECT_FALSE(finished);
    EXPECT_TRUE(argumentFilesLeft().isEmpty());
}

// Leaving the program waits for a running write instead of cutting it off.
TEST_F(RunnerTest, WaitForIdleLetsABackgroundWriteFinish)
{
    const QString photo = makePhoto(QStringLiteral("quit.jpg"));
    auto command = std::make_unique<TExifToolCommand>(
        QStringList{"-overwrite_original", "-keywords=Saved", photo} + PausePerFile(0.3), QString(), 1);
    ASSERT_TRUE(RunExifToolInBackground(std::move(command), QString()));
    WaitForExifToolIdle();
    EXPECT_FALSE(ExifToolRunning());
    EXPECT_EQ(ReadKeywordsWithExifTool(photo), QStringList{"Saved"});
    EXPECT_FALSE(QFile::exists(photo + QStringLiteral("_exiftool_tmp")));
}

} // namespace
} // namespace orvane
