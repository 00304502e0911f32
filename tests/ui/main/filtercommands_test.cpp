// The filter commands on a loaded folder: filter by keyword, clear and refresh, only the selected
// photos, the filter dialog and the cascade filter opened from their buttons, and the rule that
// keeps the grid at the first selected photo.
#include "ui/main/filtercommands.h"

#include "core/exiftool/exiftoolcommand.h"
#include "core/settings/fileutils.h"
#include "core/settings/settings.h"
#include "support/recorders.h"
#include "support/testfolders.h"
#include "support/testjpeg.h"
#include "ui/dialogs/cascade.h"
#include "ui/dialogs/cascadefilterdialog.h"
#include "ui/dialogs/filterfilesdialog.h"
#include "ui/main/commands.h"
#include "ui/main/keywordlistbox.h"
#include "ui/main/keywordpanel.h"
#include "ui/main/mainwindow.h"
#include "ui/main/thumbgrid.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

namespace orvane {
namespace {

using test::RunExifTool;
using test::WriteTestJpeg;

constexpr int PhotoCount = 60;

// Photo i (1-based) carries "Sea" when i is divisible by 3, "Sky" when by 4, and "Odd" when odd.
QStringList KeywordsOf(int i)
{
    QStringList keywords;
    if (i % 3 == 0) {
        keywords << QStringLiteral("Sea");
    }
    if (i % 4 == 0) {
        keywords << QStringLiteral("Sky");
    }
    if (i % 2 == 1) {
        keywords << QStringLiteral("Odd");
    }
    return keywords;
}

class FilterCommandsTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        sPhotos = new QTemporaryDir;
        // One ExifTool run tags every photo, one -execute group per photo.
        QStringList arguments{QStringLiteral("-q"), QStringLiteral("-overwrite_original")};
        for (int i = 1; i <= PhotoCount; ++i) {
            const QString path = sPhotos->filePath(QStringLiteral("p%1.jpg").arg(i, 2, 10, QLatin1Char('0')));
            ASSERT_TRUE(WriteTestJpeg(path, 32, 24));
            for (const QString &keyword : KeywordsOf(i)) {
                arguments << QStringLiteral("-IPTC:Keywords+=") + keyword;
            }
            arguments << path << QStringLiteral("-execute");
        }
        arguments.removeLast();
        RunExifTool(arguments);
    }
    static void TearDownTestSuite()
    {
        delete sPhotos;
        sPhotos = nullptr;
    }

    void SetUp() override
    {
        ASSERT_TRUE(fDir.isValid());
        fWindow = std::make_unique<TfmMain>();
        // Wide enough for several columns, low enough that the grid must scroll.
        fWindow->resize(1600, 500);
        fWindow->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(fWindow.get()));
        fWindow->OpenFolder(sPhotos->path(), false);
        ASSERT_EQ(files().CountAll(), PhotoCount);
        ASSERT_EQ(fWindow->GlobalKeywordList.Strings(), (QStringList{"Odd", "Sea", "Sky"}));
    }

    void TearDown() override { fWindow.reset(); }

    TFileSet &files() { return fWindow->fileSet(); }
    TMainCommands &commands() { return fWindow->commands(); }
    TThumbGrid *grid() { return fWindow->grid(); }

    // Names of the shown photos' numbers in the file names, in shown order.
    QList<int> shown()
    {
        QList<int> numbers;
        for (const TFileInfo *photo : files().FilteredList()) {
            numbers << QFileInfo(photo->JpgFullName).baseName().mid(1).toInt();
        }
        return numbers;
    }

    static QList<int> photosWith(const std::function<bool(int)> &rule)
    {
        QList<int> numbers;
        for (int i = 1; i <= PhotoCount; ++i) {
            if (rule(i)) {
                numbers << i;
            }
        }
        return numbers;
    }

    TFileInfo *photo(int number)
    {
        for (int i = 0; i < files().CountAll(); ++i) {
            if (QFileInfo(files().FilesAll(i)->JpgFullName).baseName().mid(1).toInt() == number) {
                return files().FilesAll(i);
            }
        }
        return nullptr;
    }

    void selectPhotos(const QList<int> &numbers)
    {
        files().ClearSelection();
        for (int number : numbers) {
            photo(number)->Selected = true;
        }
    }

    void selectKeywords(const QStringList &keywords)
    {
        QListWidget *list = fWindow->keywordPanel()->ListBoxKeywords;
        for (int i = 0; i < list->count(); ++i) {
            list->item(i)->setSelected(keywords.contains(list->item(i)->text()));
        }
    }

    // The top row the grid can show for the shown index (the scroll range may stop short of it).
    int expectedTopRow(int shownIndex)
    {
        return std::min(shownIndex / grid()->colCount(), grid()->verticalScrollBar()->maximum());
    }

    void expectNumberedInShownOrder()
    {
        for (int i = 0; i < files().CountFiltered(); ++i) {
            EXPECT_EQ(files().FilesFiltered(i)->Number, i + 1);
        }
    }

    QString filesPanel() { return fWindow->statusPanel(1)->text(); }

    // Runs body on the next modal dialog of type T while the command's event loop waits for it.
    template<typename T>
    void onModal(const std::function<void(T &)> &body)
    {
        QTimer::singleShot(0, fWindow.get(), [body] {
            auto *dialog = qobject_cast<T *>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            body(*dialog);
        });
    }

    static QTemporaryDir *sPhotos;
    test::TestFolders fDir;
    test::RecordingPrompter fPrompter;
    test::ScopedPrompter fScopedPrompter{&fPrompter};
    test::RecordingProgressSink fProgress;
    test::ScopedProgressSink fScopedProgress{&fProgress};
    std::unique_ptr<TfmMain> fWindow;
};

QTemporaryDir *FilterCommandsTest::sPhotos = nullptr;

TEST_F(FilterCommandsTest, CommandsAreBuiltAndEnabled)
{
    for (QAction *action : {commands().aFilterFiles, commands().aCascadeFilter, commands().aRefreshFilter,
                            commands().aClearFilter, commands().aFilterBySelected,
                            commands().aFilterBySelectedKeywords}) {
        EXPECT_TRUE(commands().isBuilt(action)) << action->text().toStdString();
        EXPECT_TRUE(action->isEnabled()) << action->text().toStdString();
    }
    EXPECT_EQ(commands().aFilterBySelectedKeywords->shortcut(), QKeySequence(Qt::Key_F3));
}

TEST_F(FilterCommandsTest, FilterByKeywordReplacesTheFilterAndClearAndRefreshToggleIt)
{
    fWindow->KeywordFilter.ContainNone.Add(QStringLiteral("Odd"));
    selectKeywords({"Sea", "Sky"});
    commands().aFilterBySelectedKeywords->trigger();
    const QList<int> seaOrSky = photosWith([](int i) { return i % 3 == 0 || i % 4 == 0; });
    EXPECT_EQ(shown(), seaOrSky);
    EXPECT_EQ(fWindow->KeywordFilter.ContainSome.Strings(), (QStringList{"Sea", "Sky"}));
    EXPECT_TRUE(fWindow->KeywordFilter.ContainNone.IsEmpty());
    EXPECT_EQ(filesPanel(), QStringLiteral("Files: %1").arg(seaOrSky.size()));
    expectNumberedInShownOrder();

    // "Clear Filter" shows every photo but keeps the criteria; "Refresh Filter" applies them again.
    commands().aClearFilter->trigger();
    EXPECT_EQ(files().CountFiltered(), PhotoCount);
    EXPECT_EQ(filesPanel(), QStringLiteral("Files: %1").arg(PhotoCount));
    EXPECT_EQ(fWindow->KeywordFilter.ContainSome.Count(), 2);
    expectNumberedInShownOrder();
    commands().aRefreshFilter->trigger();
    EXPECT_EQ(shown(), seaOrSky);

    // Nothing selected in the keyword list: the shown photos stay.
    selectKeywords({});
    commands().aFilterBySelectedKeywords->trigger();
    EXPECT_EQ(shown(), seaOrSky);
    EXPECT_EQ(fWindow->KeywordFilter.ContainSome.Count(), 2);
}

TEST_F(FilterCommandsTest, RefreshShowsPhotosWhoseKeywordsChangedAnew)
{
    selectKeywords({"Sky"});
    commands().aFilterBySelectedKeywords->trigger();
    EXPECT_EQ(files().CountFiltered(), PhotoCount / 4);
    photo(1)->KeywordList.Add(QStringLiteral("sky"));
    photo(4)->KeywordList.DeleteString(QStringLiteral("Sky"));
    EXPECT_EQ(files().CountFiltered(), PhotoCount / 4); // nothing moves until the refresh
    commands().aRefreshFilter->trigger();
    EXPECT_EQ(shown().first(), 1);
    EXPECT_FALSE(shown().contains(4));
    EXPECT_TRUE(grid()->hasFocus() || !fWindow->isActiveWindow());
}

TEST_F(FilterCommandsTest, FilterOnlySelectedThenRefreshReturnsToTheFilter)
{
    selectPhotos({});
    commands().aFilterBySelected->trigger();
    EXPECT_EQ(files().CountFiltered(), PhotoCount); // nothing selected: nothing changes

    selectPhotos({5, 17, 42});
    commands().aFilterBySelected->trigger();
    EXPECT_EQ(shown(), (QList<int>{5, 17, 42}));
    EXPECT_EQ(filesPanel(), QStringLiteral("Files: 3"));
    expectNumberedInShownOrder();

    // A selected photo that is hidden does not count: only selected and shown ones do.
    selectKeywords({"Sea"});
    commands().aFilterBySelectedKeywords->trigger();
    selectPhotos({5});
    commands().aFilterBySelected->trigger();
    EXPECT_EQ(files().CountFiltered(), PhotoCount / 3);
    commands().aRefreshFilter->trigger();
    EXPECT_EQ(shown(), photosWith([](int i) { return i % 3 == 0; }));
}

TEST_F(FilterCommandsTest, TheGridScrollsToTheFirstSelectedPhotoOrToTheTop)
{
    ASSERT_GT(grid()->colCount(), 1) << "cell width " << grid()->colWidth() << ", grid width " << grid()->width();
    ASSERT_GT(grid()->verticalScrollBar()->maximum(), 0) << "the window must show only part of the photos";
    // Photo 48 carries Sea and Sky; photo 57 only Sea. Both selected: the first shown one counts.
    selectPhotos({57, 48});
    selectKeywords({"Sky"});
    commands().aFilterBySelectedKeywords->trigger();
    int index = int(files().FilteredList().indexOf(photo(48)));
    EXPECT_EQ(grid()->topRow(), expectedTopRow(index));

    commands().aClearFilter->trigger();
    index = int(files().FilteredList().indexOf(photo(48)));
    EXPECT_EQ(index, 47);
    EXPECT_EQ(grid()->topRow(), expectedTopRow(index));
    EXPECT_GT(grid()->topRow(), 0);

    // A filter that hides the first selected photo scrolls to the top.
    selectPhotos({57});
    grid()->setTopRow(3);
    selectKeywords({"Sky"});
    commands().aFilterBySelectedKeywords->trigger();
    EXPECT_EQ(grid()->topRow(), 0);

    // No photo selected: the focus cell's photo is remembered.
    commands().aClearFilter->trigger();
    files().ClearSelection();
    grid()->setTopRow(0);
    EXPECT_TRUE(grid()->FileInfoAtCell(grid()->col(), grid()->row()) != nullptr);
    fWindow->filterCommands().RememberFirstSelected();
    EXPECT_EQ(fWindow->FirstSeleted, grid()->FileInfoAtCell(grid()->col(), grid()->row()));
}

TEST_F(FilterCommandsTest, FilterFilesButtonOpensTheDialogAndAppliesItOnOk)
{
    onModal<TfmFilterFiles>([](TfmFilterFiles &dialog) {
        dialog.ListBoxContainAll->addItem(QStringLiteral("Sea"));
        dialog.ListBoxContainNone->addItem(QStringLiteral("Odd"));
        dialog.accept();
    });
    QList<QPushButton *> buttons = fWindow->findChildren<QPushButton *>();
    QPushButton *filter = nullptr;
    for (QPushButton *b : buttons) {
        if (b->text() == QStringLiteral("Filter")) {
            filter = b;
        }
    }
    ASSERT_NE(filter, nullptr);
    filter->click();
    EXPECT_EQ(shown(), photosWith([](int i) { return i % 3 == 0 && i % 2 == 0; }));
    EXPECT_EQ(filesPanel(), QStringLiteral("Files: %1").arg(PhotoCount / 6));

    // Cancelled: nothing changes.
    onModal<TfmFilterFiles>([](TfmFilterFiles &dialog) {
        dialog.ClearFilters();
        dialog.reject();
    });
    commands().aFilterFiles->trigger();
    EXPECT_EQ(files().CountFiltered(), PhotoCount / 6);
    EXPECT_EQ(fWindow->KeywordFilter.ContainAll.Strings(), (QStringList{"Sea"}));
}

TEST_F(FilterCommandsTest, CascadeFilterAppliesThePickedChain)
{
    onModal<TfmCascadeFilter>([](TfmCascadeFilter &dialog) {
        dialog.pick(0, 1); // Sea
        QListWidget *next = dialog.cascade(1).LB;
        for (int i = 0; i < next->count(); ++i) {
            if (next->item(i)->text() == QStringLiteral("Sky")) {
                dialog.pick(1, i);
            }
        }
        dialog.accept();
    });
    commands().aCascadeFilter->trigger();
    EXPECT_EQ(fWindow->KeywordFilter.ContainCascade, (QStringList{"Sea", "Sky"}));
    EXPECT_EQ(shown(), photosWith([](int i) { return i % 12 == 0; }));
    EXPECT_EQ(filesPanel(), QStringLiteral("Files: 5"));

    // The statistics window's way in: a replaced filter applied and shown.
    fWindow->KeywordFilter.ClearFilter();
    fWindow->KeywordFilter.ContainAll.Add(QStringLiteral("Odd"));
    fWindow->filterCommands().ApplyFilterAndShow();
    EXPECT_EQ(files().CountFiltered(), PhotoCount / 2);
    EXPECT_EQ(filesPanel(), QStringLiteral("Files: 30"));
}

} // namespace
} // namespace orvane
