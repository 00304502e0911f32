// The main window on real photos: opening folders, the recent-folder menu, the status bar and the
// keyword drop written through the real ExifTool.
#include "ui/main/mainwindow.h"

#include "core/exiftool/exiftoolcommand.h"
#include "core/settings/fileutils.h"
#include "core/settings/settings.h"
#include "support/recorders.h"
#include "support/testfolders.h"
#include "support/testjpeg.h"
#include "ui/main/commands.h"
#include "ui/main/keywordlistbox.h"
#include "ui/main/keywordpanel.h"
#include "ui/main/thumbgrid.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>

namespace orvane {
namespace {

using test::ReadKeywordsWithExifTool;
using test::RunExifTool;
using test::WriteTestJpeg;

class MainWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(fDir.isValid());
    }

    // A folder of count small photos named p1.jpg ...; returns its path.
    QString makeFolder(const QString &name, int count)
    {
        const QString folder = fDir.filePath(name);
        EXPECT_TRUE(QDir().mkpath(folder));
        for (int i = 1; i <= count; ++i) {
            EXPECT_TRUE(WriteTestJpeg(folder + QStringLiteral("/p%1.jpg").arg(i), 64, 48));
        }
        return folder;
    }

    test::TestFolders fDir;
    test::RecordingPrompter fPrompter;
    test::ScopedPrompter fScopedPrompter{&fPrompter};
    test::RecordingProgressSink fProgress;
    test::ScopedProgressSink fScopedProgress{&fProgress};
};

TEST_F(MainWindowTest, StartsEmptyAndOpensAFolderWithItsKeywords)
{
    const QString folder = makeFolder(QStringLiteral("Trip"), 3);
    RunExifTool({QStringLiteral("-q"), QStringLiteral("-overwrite_original"), QStringLiteral("-codedcharacterset=utf8"),
                 QStringLiteral("-IPTC:Keywords+=Beach"), QStringLiteral("-IPTC:Keywords+=Zürich"),
                 folder + QStringLiteral("/p2.jpg")});

    TfmMain window;
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Orvane"));
    EXPECT_EQ(window.statusPanel(0)->text(), QStringLiteral("Keywords: 0"));
    EXPECT_EQ(window.statusPanel(1)->text(), QStringLiteral("Files: 0"));
    EXPECT_TRUE(fPrompter.messages.isEmpty()); // exiftool is installed: no warning

    window.OpenFolder(folder, false);
    EXPECT_EQ(window.fileSet().CountFiltered(), 3);
    EXPECT_EQ(window.GlobalKeywordList.Strings(), (QStringList{"Beach", "Zürich"}));
    EXPECT_EQ(window.statusPanel(0)->text(), QStringLiteral("Keywords: 2"));
    EXPECT_EQ(window.statusPanel(1)->text(), QStringLiteral("Files: 3"));
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), QStringLiteral("Trip"));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Orvane"));
    EXPECT_EQ(Settings().GetMRU(1), folder);

    // A path that is no folder changes nothing.
    window.OpenFolder(fDir.filePath(QStringLiteral("missing")), false);
    EXPECT_EQ(window.currentFolderName(), folder);
    EXPECT_EQ(window.fileSet().CountFiltered(), 3);

    // The filter text survives opening another folder.
    const QString other = makeFolder(QStringLiteral("Other"), 1);
    window.keywordPanel()->edFilter->setText(QStringLiteral("zz"));
    window.OpenFolder(folder, false);
    EXPECT_EQ(window.statusPanel(0)->text(), QStringLiteral("Keywords: 0"));
    window.OpenFolder(other, false);
    EXPECT_EQ(window.keywordPanel()->edFilter->text(), QStringLiteral("zz"));
    EXPECT_EQ(window.statusPanel(1)->text(), QStringLiteral("Files: 1"));
}

TEST_F(MainWindowTest, CommandLineFolderOpensOnTheFirstActivationOnly)
{
    const QString folder = makeFolder(QStringLiteral("Arg"), 2);
    TfmMain window({folder, QStringLiteral("/ignored/second")});
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTRY_COMPARE(window.fileSet().CountFiltered(), 2);
    EXPECT_FALSE(window.FirstRun);
    EXPECT_EQ(window.currentFolderName(), folder);
}

TEST_F(MainWindowTest, RecentFolderMenuShowsAmpersandsAndOpensTheRightFolder)
{
    const QString plain = makeFolder(QStringLiteral("Plain"), 1);
    const QString amp = makeFolder(QStringLiteral("Salt & Pepper"), 2);
    TfmMain window;
    window.OpenFolder(plain, false);
    window.OpenFolder(amp, false);
    window.rebuildRecentFolderMenu();
    EXPECT_EQ(window.ArrayMRU, (QStringList{amp, plain}));
    const QList<QAction *> items = window.recentFolderMenu()->actions();
    ASSERT_EQ(items.size(), 2);
    EXPECT_EQ(items.at(0)->text(), QStringLiteral("1 ") + QString(amp).replace(QStringLiteral("&"), QStringLiteral("&&")));
    EXPECT_EQ(items.at(1)->text(), QStringLiteral("2 ") + plain);

    items.at(1)->trigger();
    EXPECT_EQ(window.currentFolderName(), plain);
    EXPECT_EQ(window.fileSet().CountFiltered(), 1);
}

TEST_F(MainWindowTest, FolderTitleIsTheLastComponent)
{
    EXPECT_EQ(FolderTitle(QStringLiteral("/photos/Trip/")), QStringLiteral("Trip"));
    EXPECT_EQ(FolderTitle(QStringLiteral("/photos/Trip")), QStringLiteral("Trip"));
    EXPECT_EQ(FolderTitle(QStringLiteral("/")), QStringLiteral("/"));
    EXPECT_EQ(FolderTitle(QStringLiteral("relative")), QStringLiteral("relative"));
}

TEST_F(MainWindowTest, DropWritesTheKeywordsToTheSelectedPhotosThroughExifTool)
{
    const QString folder = makeFolder(QStringLiteral("Drop"), 3);
    RunExifTool({QStringLiteral("-q"), QStringLiteral("-overwrite_original"), QStringLiteral("-IPTC:Keywords+=Old"),
                 folder + QStringLiteral("/p1.jpg")});
    TfmMain window;
    window.OpenFolder(folder, false);
    ASSERT_EQ(window.fileSet().CountFiltered(), 3);
    const TKwStringList globalBefore = window.GlobalKeywordList;

    window.fileSet().FilesFiltered(0)->Selected = true;
    window.fileSet().FilesFiltered(2)->Selected = true;
    window.dropKeywords({QStringLiteral("Beach"), QStringLiteral("Zürich")});
    WaitForExifToolIdle();

    EXPECT_EQ(ReadKeywordsWithExifTool(folder + QStringLiteral("/p1.jpg")), (QStringList{"Beach", "Old", "Zürich"}));
    EXPECT_TRUE(ReadKeywordsWithExifTool(folder + QStringLiteral("/p2.jpg")).isEmpty());
    EXPECT_EQ(ReadKeywordsWithExifTool(folder + QStringLiteral("/p3.jpg")), (QStringList{"Beach", "Zürich"}));
    EXPECT_TRUE(window.fileSet().FilesFiltered(2)->KeywordList.ContainsString(QStringLiteral("beach")));

    EXPECT_EQ(window.LastDragDropKeywordList.Strings(), (QStringList{"Beach", "Zürich"}));
    EXPECT_EQ(window.keywordPanel()->recentCount(QStringLiteral("Beach")), 1);
    // The dropped keywords came from the keyword list, which the drop leaves alone.
    EXPECT_EQ(window.GlobalKeywordList, globalBefore);
    EXPECT_TRUE(fPrompter.messages.isEmpty());
}

TEST_F(MainWindowTest, SelectAllActsWhereTheKeyboardFocusIs)
{
    const QString folder = makeFolder(QStringLiteral("All"), 4);
    RunExifTool({QStringLiteral("-q"), QStringLiteral("-overwrite_original"), QStringLiteral("-IPTC:Keywords+=a"),
                 QStringLiteral("-IPTC:Keywords+=b"), folder + QStringLiteral("/p1.jpg")});
    TfmMain window;
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    window.OpenFolder(folder, false);

    TKeywordListBox *list = window.keywordPanel()->ListBoxKeywords;
    list->setFocus();
    QTRY_VERIFY(list->hasFocus());
    window.commands().aSelectAll->trigger();
    EXPECT_EQ(list->selectedTexts(), (QStringList{"a", "b"}));
    EXPECT_EQ(window.fileSet().SelectedCount(), 0);

    window.keywordPanel()->edFilter->setFocus();
    QTRY_VERIFY(window.keywordPanel()->edFilter->hasFocus());
    window.commands().aSelectAll->trigger();
    EXPECT_EQ(window.fileSet().SelectedCount(), 4);
}

} // namespace
} // namespace orvane
