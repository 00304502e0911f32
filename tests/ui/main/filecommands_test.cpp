// The photo file commands on a real folder: copying paths, moving files to a temporary trash,
// and the window commands' wiring.
#include "ui/main/filecommands.h"

#include "core/settings/fileutils.h"
#include "core/settings/settings.h"
#include "support/recorders.h"
#include "support/testfolders.h"
#include "support/testjpeg.h"
#include "ui/main/commands.h"
#include "ui/main/mainwindow.h"
#include "ui/main/thumbgrid.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>

namespace orvane {
namespace {

class FileCommandsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(fDir.isValid());
        fFolder = fDir.filePath(QStringLiteral("Photos"));
        ASSERT_TRUE(QDir().mkpath(fFolder));
        for (int i = 1; i <= 4; ++i) {
            ASSERT_TRUE(test::WriteTestJpeg(fFolder + QStringLiteral("/p%1.jpg").arg(i), 64, 48));
        }
        fWindow = std::make_unique<TfmMain>();
        fWindow->OpenFolder(fFolder, false);
        ASSERT_EQ(fWindow->fileSet().CountFiltered(), 4);
    }

    void TearDown() override { fWindow.reset(); }

    void select(const QList<int> &indexes)
    {
        fWindow->fileSet().ClearSelection();
        for (int index : indexes) {
            fWindow->fileSet().FilesFiltered(index)->Selected = true;
        }
    }

    QString photo(int number) const { return fFolder + QStringLiteral("/p%1.jpg").arg(number); }
    QString trashed(int number) const
    {
        return fDir.filePath(QStringLiteral("share/Trash/files/p%1.jpg").arg(number));
    }

    test::TestFolders fDir;
    QString fFolder;
    test::RecordingPrompter fPrompter;
    test::ScopedPrompter fScopedPrompter{&fPrompter};
    test::RecordingProgressSink fProgress;
    test::ScopedProgressSink fScopedProgress{&fProgress};
    std::unique_ptr<TfmMain> fWindow;
};

TEST_F(FileCommandsTest, EveryCommandIsBuiltAndEnabled)
{
    TMainCommands &c = fWindow->commands();
    for (QAction *action : {c.aViewStatistics, c.aCopyFilePath, c.aOpenInDefaultJPGEditor, c.aShowFileInFolder,
                            c.aDeleteFile, c.aOptions, c.aStyle, c.aAbout}) {
        EXPECT_TRUE(c.isBuilt(action)) << action->objectName().toStdString();
        EXPECT_TRUE(action->isEnabled()) << action->objectName().toStdString();
    }
}

TEST_F(FileCommandsTest, NoCommandOfTheWindowStaysUnbuilt)
{
    TMainCommands &c = fWindow->commands();
    QStringList unbuilt;
    for (QAction *action : c.all()) {
        if (!c.isBuilt(action)) {
            unbuilt.append(action->objectName());
        }
    }
    EXPECT_TRUE(unbuilt.isEmpty()) << unbuilt.join(QStringLiteral(", ")).toStdString();
}

TEST_F(FileCommandsTest, CopyFilePathJoinsTheSelectedPathsInShownOrder)
{
    select({3, 1});
    fWindow->commands().aCopyFilePath->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), photo(2) + QStringLiteral("\r\n") + photo(4));
    select({});
    fWindow->commands().aCopyFilePath->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString());
}

TEST_F(FileCommandsTest, DeleteFileMovesOnePhotoToTheTrashWithoutAsking)
{
    select({1});
    const QString thumbnail = fWindow->fileSet().FilesFiltered(1)->BmpThumbFullName;
    ASSERT_TRUE(QFile::exists(thumbnail));
    fWindow->commands().aDeleteFile->trigger();
    EXPECT_TRUE(fPrompter.questions.isEmpty());
    EXPECT_TRUE(fPrompter.messages.isEmpty());
    EXPECT_FALSE(QFile::exists(photo(2)));
    EXPECT_TRUE(QFile::exists(trashed(2)));
    EXPECT_FALSE(QFile::exists(thumbnail));
    ASSERT_EQ(fWindow->fileSet().CountFiltered(), 3);
    // The photo that followed is selected now.
    EXPECT_EQ(fWindow->fileSet().GetIfSingleSelected()->JpgFullName, photo(3));
    EXPECT_EQ(fWindow->statusPanel(1)->text(), QStringLiteral("Files: 3"));
}

TEST_F(FileCommandsTest, DeleteFileAsksBeforeMovingSeveral)
{
    select({0, 2});
    fPrompter.answers = {false};
    fWindow->commands().aDeleteFile->trigger();
    EXPECT_EQ(fPrompter.questions, QStringList{QStringLiteral("Move 2 files to the Recycle Bin?")});
    EXPECT_TRUE(QFile::exists(photo(1)));
    EXPECT_EQ(fWindow->fileSet().CountFiltered(), 4);

    fPrompter.answers = {true};
    fWindow->commands().aDeleteFile->trigger();
    EXPECT_TRUE(QFile::exists(trashed(1)));
    EXPECT_TRUE(QFile::exists(trashed(3)));
    EXPECT_TRUE(QFile::exists(photo(2)));
    EXPECT_EQ(fWindow->fileSet().CountFiltered(), 2);
    EXPECT_EQ(fWindow->statusPanel(1)->text(), QStringLiteral("Files: 2"));
}

TEST_F(FileCommandsTest, DeleteFileStopsAtAFileThatCannotBeMoved)
{
    select({0, 1, 2});
    ASSERT_TRUE(QFile::remove(photo(2)));
    fPrompter.answers = {true};
    fWindow->commands().aDeleteFile->trigger();
    EXPECT_EQ(fPrompter.messages, QStringList{QStringLiteral("Can't delete file: ") + photo(2)});
    EXPECT_TRUE(QFile::exists(trashed(1)));
    EXPECT_TRUE(QFile::exists(photo(3)));
    EXPECT_EQ(fWindow->fileSet().CountFiltered(), 3);

    select({});
    fPrompter.messages.clear();
    fWindow->commands().aDeleteFile->trigger();
    EXPECT_TRUE(fPrompter.questions.size() == 1 && fPrompter.messages.isEmpty());
    EXPECT_EQ(fWindow->fileSet().CountFiltered(), 3);
}

} // namespace
} // namespace orvane
