// The thumbnail grid: column rule, selection rule, keys, wheel, popup selection, drops and cell colours.
#include "core/model/fileset.h"
#include "core/settings/fileutils.h"
#include "core/settings/settings.h"
#include "ui/main/textdragobject.h"
#include "ui/main/thumbgrid.h"
#include "support/testfolders.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QImage>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

#include <vector>

namespace orvane {
namespace {

// Seven photos in a grid three columns wide: rows of 3, 3 and 1, the last two cells empty.
class ThumbGridTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(fDir.isValid());
        Settings();
        ResetKeywordDragState();
        setPhotoCount(7);
        fGrid.setFileSet(&fFileSet);
        fGrid.show();
        setViewportSize(3 * pitchX() + 10, 3 * pitchY());
    }

    void TearDown() override
    {
        ResetKeywordDragState();
        FreeSettings();
    }

    int pitchX() const { return Settings().GridColWidth() + TThumbGrid::GridLineWidth; }
    int pitchY() const { return Settings().GridRowHeight() + TThumbGrid::GridLineWidth; }

    void setPhotoCount(int n)
    {
        fFileSet.Clear();
        for (int i = 0; i < n; ++i) {
            fFileSet.Add(fDir.path() + QStringLiteral("/photo%1.jpg").arg(i));
        }
        fFileSet.ArrangeFilter();
        fGrid.UpdateGridSize();
    }

    // Scroll bars come and go through queued calls, so the size settles over a few rounds.
    void setViewportSize(int width, int height)
    {
        for (int round = 0; round < 3; ++round) {
            fGrid.resize(fGrid.size() + (QSize(width, height) - fGrid.viewport()->size()));
            QCoreApplication::processEvents();
        }
        fGrid.UpdateGridSize();
    }

    QPoint centreOf(int col, int row) const { return fGrid.cellRect(col, row).center(); }

    void click(int col, int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::mouseClick(fGrid.viewport(), Qt::LeftButton, modifiers, centreOf(col, row));
    }

    std::vector<int> selected() const
    {
        std::vector<int> result;
        for (int i = 0; i < fFileSet.CountFiltered(); ++i) {
            if (fFileSet.FilesFiltered(i)->Selected) {
                result.push_back(i);
            }
        }
        return result;
    }

    void select(const std::vector<int> &indexes)
    {
        fFileSet.ClearSelection();
        for (int i : indexes) {
            fFileSet.FilesFiltered(i)->Selected = true;
        }
    }

    QImage render()
    {
        QImage image(fGrid.viewport()->size(), QImage::Format_ARGB32_Premultiplied);
        QPainter painter(&image);
        fGrid.paintCells(painter, image.rect());
        return image;
    }

    // A spot inside the cell but outside the thumbnail, text and label: the gap margin at its top left.
    QColor backgroundAt(const QImage &image, int col, int row)
    {
        const QRect cell = fGrid.cellRect(col, row);
        return image.pixelColor(cell.left() + 1, cell.top() + 1);
    }

    test::TestFolders fDir;
    TFileSet fFileSet;
    TThumbGrid fGrid;
};

TEST_F(ThumbGridTest, ColumnsFollowTheWidthAndRowsTheShownCount)
{
    struct Case
    {
        int photos;
        int width;
        int cols;
        int rows;
    };
    const int px = pitchX();
    const std::vector<Case> cases = {
        {7, 3 * px + 10, 3, 3}, {6, 3 * px, 3, 2},  {7, 3 * px - 1, 2, 4},
        {7, px / 2, 1, 7},      {0, 3 * px, 1, 1}, {1, 3 * px, 3, 1},
    };
    for (const Case &c : cases) {
        setViewportSize(c.width, 3 * pitchY());
        setPhotoCount(c.photos);
        EXPECT_EQ(fGrid.colCount(), c.cols) << c.photos << " photos, width " << c.width;
        EXPECT_EQ(fGrid.rowCount(), c.rows) << c.photos << " photos, width " << c.width;
    }
    EXPECT_EQ(fGrid.colWidth(), Settings().GridColWidth());
    EXPECT_EQ(fGrid.rowHeight(), Settings().GridRowHeight());
}

TEST_F(ThumbGridTest, FileInfoAtCellMapsRowByRowAndLeavesTheTailEmpty)
{
    EXPECT_EQ(fGrid.FileInfoAtCell(0, 0), fFileSet.FilesFiltered(0));
    EXPECT_EQ(fGrid.FileInfoAtCell(2, 1), fFileSet.FilesFiltered(5));
    EXPECT_EQ(fGrid.FileInfoAtCell(0, 2), fFileSet.FilesFiltered(6));
    EXPECT_EQ(fGrid.FileInfoAtCell(1, 2), nullptr);
    EXPECT_EQ(fGrid.FileInfoAtCell(-1, 0), nullptr);
    EXPECT_EQ(fGrid.FileInfoAtCell(3, 0), nullptr);
}

TEST_F(ThumbGridTest, PlainCtrlAndShiftClicks)
{
    click(1, 0);
    EXPECT_EQ(selected(), std::vector<int>({1}));
    EXPECT_EQ(fGrid.IndexLastSelected, 1);

    click(1, 1, Qt::ShiftModifier); // range from the last plain click
    EXPECT_EQ(selected(), std::vector<int>({1, 2, 3, 4}));
    EXPECT_EQ(fGrid.IndexShiftStart, 1);

    click(0, 0, Qt::ShiftModifier); // same anchor, other direction
    EXPECT_EQ(selected(), std::vector<int>({0, 1}));

    click(2, 1, Qt::ControlModifier); // Ctrl toggles one photo and keeps the rest
    EXPECT_EQ(selected(), std::vector<int>({0, 1, 5}));
    click(0, 0, Qt::ControlModifier);
    EXPECT_EQ(selected(), std::vector<int>({1, 5}));
    EXPECT_EQ(fGrid.IndexLastSelected, 0);
    EXPECT_EQ(fGrid.IndexShiftStart, -1);

    click(0, 2, Qt::ShiftModifier); // the Ctrl-click is the new anchor
    EXPECT_EQ(selected(), std::vector<int>({0, 1, 2, 3, 4, 5, 6}));

    click(2, 0); // a plain click selects one photo, hidden ones included
    EXPECT_EQ(selected(), std::vector<int>({2}));
}

TEST_F(ThumbGridTest, ShiftClickWithoutEarlierClickAnchorsOnItself)
{
    click(1, 1, Qt::ShiftModifier);
    EXPECT_EQ(selected(), std::vector<int>({4}));
    EXPECT_EQ(fGrid.IndexShiftStart, 4);
    click(0, 2, Qt::ShiftModifier);
    EXPECT_EQ(selected(), std::vector<int>({4, 5, 6}));
}

TEST_F(ThumbGridTest, EmptyCellsRefuseTheFocusExceptTheBottomRightOne)
{
    click(0, 0);
    click(1, 2); // empty, not bottom-right: nothing happens
    EXPECT_EQ(selected(), std::vector<int>({0}));
    EXPECT_EQ(fGrid.col(), 0);
    EXPECT_EQ(fGrid.row(), 0);

    click(2, 2); // bottom-right: the focus goes to the last photo
    EXPECT_EQ(selected(), std::vector<int>({6}));
    EXPECT_EQ(fGrid.col(), 0);
    EXPECT_EQ(fGrid.row(), 2);
}

TEST_F(ThumbGridTest, NavigationKeysRunTheSelectionRule)
{
    fGrid.setFocus();
    click(0, 0);
    QTest::keyClick(&fGrid, Qt::Key_Right);
    EXPECT_EQ(selected(), std::vector<int>({1}));
    QTest::keyClick(&fGrid, Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(selected(), std::vector<int>({1, 2, 3, 4}));
    QTest::keyClick(&fGrid, Qt::Key_Down); // row 2 has nothing in column 1: refused
    EXPECT_EQ(fGrid.row(), 1);
    QTest::keyClick(&fGrid, Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(selected(), std::vector<int>({6}));
    EXPECT_EQ(fGrid.row(), 2);
    QTest::keyClick(&fGrid, Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(selected(), std::vector<int>({0}));
    QTest::keyClick(&fGrid, Qt::Key_Right, Qt::ControlModifier); // Ctrl without the mouse: plain move
    EXPECT_EQ(selected(), std::vector<int>({1}));
}

TEST_F(ThumbGridTest, DelEnterAndTypedCharactersBecomeSignals)
{
    QSignalSpy del(&fGrid, &TThumbGrid::deleteKeywordsRequested);
    QSignalSpy view(&fGrid, &TThumbGrid::viewRequested);
    QSignalSpy editor(&fGrid, &TThumbGrid::openInEditorRequested);
    QSignalSpy typed(&fGrid, &TThumbGrid::filterTextTyped);
    click(1, 1);

    QTest::keyClick(&fGrid, Qt::Key_Delete);
    EXPECT_EQ(del.count(), 1);
    QTest::keyClick(&fGrid, Qt::Key_Return);
    ASSERT_EQ(view.count(), 1);
    EXPECT_EQ(view.at(0).at(0).toInt(), 4);
    QTest::keyClick(&fGrid, Qt::Key_Return, Qt::AltModifier);
    ASSERT_EQ(editor.count(), 1);
    EXPECT_EQ(editor.at(0).at(0).value<TFileInfo *>(), fFileSet.FilesFiltered(4));

    QTest::keyClicks(&fGrid, QStringLiteral("b"));
    QTest::keyClick(&fGrid, Qt::Key_7);
    QKeyEvent umlaut(QEvent::KeyPress, 0, Qt::NoModifier, QStringLiteral("ä"));
    QApplication::sendEvent(&fGrid, &umlaut);
    QKeyEvent punctuation(QEvent::KeyPress, Qt::Key_Minus, Qt::NoModifier, QStringLiteral("-"));
    QApplication::sendEvent(&fGrid, &punctuation);
    QTest::keyClick(&fGrid, Qt::Key_B, Qt::ControlModifier);
    ASSERT_EQ(typed.count(), 3);
    EXPECT_EQ(typed.at(0).at(0).toString(), QStringLiteral("b"));
    EXPECT_EQ(typed.at(1).at(0).toString(), QStringLiteral("7"));
    EXPECT_EQ(typed.at(2).at(0).toString(), QStringLiteral("ä"));
    EXPECT_EQ(selected(), std::vector<int>({4}));
}

TEST_F(ThumbGridTest, DoubleClickActsOnTheFocusCellNotThePointer)
{
    QSignalSpy view(&fGrid, &TThumbGrid::viewRequested);
    QSignalSpy editor(&fGrid, &TThumbGrid::openInEditorRequested);
    click(2, 0);
    QTest::mouseDClick(fGrid.viewport(), Qt::LeftButton, Qt::NoModifier, centreOf(1, 2)); // an empty cell
    ASSERT_EQ(view.count(), 1);
    EXPECT_EQ(view.at(0).at(0).toInt(), 2);
    QTest::mouseDClick(fGrid.viewport(), Qt::LeftButton, Qt::AltModifier, centreOf(2, 0));
    EXPECT_EQ(editor.count(), 1);
    EXPECT_EQ(view.count(), 1);
}

TEST_F(ThumbGridTest, FocusPhotoSelectsAloneAndScrollsIntoView)
{
    setPhotoCount(30); // 10 rows, 3 visible
    select({0, 1});
    fGrid.focusPhoto(25);
    EXPECT_EQ(selected(), std::vector<int>({25}));
    EXPECT_EQ(fGrid.row(), 8);
    EXPECT_EQ(fGrid.col(), 1);
    EXPECT_LE(fGrid.topRow(), 8);
    EXPECT_GT(fGrid.topRow() + 3, 8);
}

TEST_F(ThumbGridTest, WheelScrollsOneRowPerNotchAndKeepsTheSelection)
{
    setPhotoCount(30);
    click(0, 0);
    const auto wheel = [this](int delta) {
        QWheelEvent event(QPointF(10, 10), fGrid.viewport()->mapToGlobal(QPointF(10, 10)), QPoint(),
                          QPoint(0, delta), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(fGrid.viewport(), &event);
    };
    wheel(-120);
    EXPECT_EQ(fGrid.topRow(), 1);
    wheel(-240);
    EXPECT_EQ(fGrid.topRow(), 3);
    wheel(60); // half a notch waits for the other half
    EXPECT_EQ(fGrid.topRow(), 3);
    wheel(60);
    EXPECT_EQ(fGrid.topRow(), 2);
    EXPECT_EQ(selected(), std::vector<int>({0}));
    EXPECT_EQ(fGrid.row(), 0);
}

TEST_F(ThumbGridTest, PopupMenuSelectsTheClickedPhotoOnlyWithoutAMultipleSelection)
{
    QSignalSpy menu(&fGrid, &TThumbGrid::contextMenuRequested);
    const auto rightClick = [this](int col, int row) {
        QContextMenuEvent event(QContextMenuEvent::Mouse, centreOf(col, row),
                                fGrid.viewport()->mapToGlobal(centreOf(col, row)));
        QApplication::sendEvent(fGrid.viewport(), &event);
    };
    select({0});
    rightClick(2, 1);
    EXPECT_EQ(selected(), std::vector<int>({5}));
    ASSERT_EQ(menu.count(), 1);
    EXPECT_EQ(menu.at(0).at(0).value<TFileInfo *>(), fFileSet.FilesFiltered(5));
    EXPECT_FALSE(menu.at(0).at(1).toBool());

    select({0, 1});
    rightClick(2, 1);
    EXPECT_EQ(selected(), std::vector<int>({0, 1}));
    EXPECT_EQ(menu.at(1).at(0).value<TFileInfo *>(), fFileSet.FilesFiltered(5));
    EXPECT_TRUE(menu.at(1).at(1).toBool());

    rightClick(1, 2); // no photo there
    EXPECT_EQ(menu.at(2).at(0).value<TFileInfo *>(), nullptr);
}

TEST_F(ThumbGridTest, SelectAllSelectsOnlyShownPhotos)
{
    fFileSet.FilesFiltered(6)->InFilter = false;
    fFileSet.ArrangeFilter();
    fGrid.UpdateGridSize();
    fGrid.selectAllPhotos();
    EXPECT_EQ(fFileSet.SelectedCount(), 6);
    EXPECT_FALSE(fFileSet.FilesAll(6)->Selected);
}

// Sends a drag-enter/move and a drop of keywords at the centre of a cell.
class ThumbGridDropTest : public ThumbGridTest
{
protected:
    void dragTo(int col, int row)
    {
        fPayload.setKeywords({QStringLiteral("Beach"), QStringLiteral("Sun")});
        KeywordDragState().KeywordDragActive = true;
        QDragEnterEvent enter(centreOf(col, row), Qt::CopyAction, &fPayload, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(fGrid.viewport(), &enter);
        QDragMoveEvent move(centreOf(col, row), Qt::CopyAction, &fPayload, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(fGrid.viewport(), &move);
    }

    void dropAt(int col, int row)
    {
        QDropEvent drop(centreOf(col, row), Qt::CopyAction, &fPayload, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(fGrid.viewport(), &drop);
        ResetKeywordDragState();
    }

    TTextDragObject fPayload{nullptr};
};

TEST_F(ThumbGridDropTest, OneSelectedPhotoMovesToTheDropTarget)
{
    QSignalSpy dropped(&fGrid, &TThumbGrid::keywordsDropped);
    select({0});
    dragTo(1, 1);
    EXPECT_TRUE(KeywordDragState().DragOverGrid);
    EXPECT_EQ(KeywordDragState().DragOverCol, 1);
    EXPECT_EQ(KeywordDragState().DragOverRow, 1);
    dropAt(1, 1);
    EXPECT_EQ(selected(), std::vector<int>({4}));
    ASSERT_EQ(dropped.count(), 1);
    EXPECT_EQ(dropped.at(0).at(0).toStringList(), QStringList({QStringLiteral("Beach"), QStringLiteral("Sun")}));
}

TEST_F(ThumbGridDropTest, DropOnAnEmptyCellOrWithSeveralSelectedKeepsTheSelection)
{
    select({0});
    dragTo(1, 2);
    dropAt(1, 2);
    EXPECT_EQ(selected(), std::vector<int>({0}));
    select({0, 2, 3});
    dragTo(1, 1);
    dropAt(1, 1);
    EXPECT_EQ(selected(), std::vector<int>({0, 2, 3}));
}

TEST_F(ThumbGridDropTest, ForeignPayloadsAreRefused)
{
    QMimeData text;
    text.setText(QStringLiteral("Beach"));
    QDragEnterEvent enter(centreOf(0, 0), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(fGrid.viewport(), &enter);
    EXPECT_FALSE(enter.isAccepted());
    EXPECT_FALSE(KeywordDragState().DragOverGrid);
}

TEST_F(ThumbGridDropTest, CellColoursShowSelectionAndDropTargets)
{
    const QColor normal = ColorToQColor(Settings().COLOR());
    const QColor highlight = fGrid.palette().color(QPalette::Highlight);
    const QColor green(0, 128, 0);
    select({1});
    QImage image = render();
    EXPECT_EQ(backgroundAt(image, 0, 0), normal);
    EXPECT_EQ(backgroundAt(image, 1, 0), highlight);
    EXPECT_EQ(backgroundAt(image, 1, 2), fGrid.palette().color(QPalette::Base)); // empty cell

    dragTo(2, 0); // one selected: only the cell under the pointer is green, the selection is not shown
    image = render();
    EXPECT_EQ(backgroundAt(image, 2, 0), green);
    EXPECT_EQ(backgroundAt(image, 1, 0), normal);
    ResetKeywordDragState();

    select({1, 3});
    dragTo(2, 0); // several selected: all of them are green, wherever the pointer is
    image = render();
    EXPECT_EQ(backgroundAt(image, 1, 0), green);
    EXPECT_EQ(backgroundAt(image, 0, 1), green);
    EXPECT_EQ(backgroundAt(image, 2, 0), normal);
    QDragLeaveEvent leave;
    QApplication::sendEvent(fGrid.viewport(), &leave);
    image = render();
    EXPECT_EQ(backgroundAt(image, 1, 0), highlight);
}

TEST_F(ThumbGridTest, ThumbnailIsCentredInItsBoxAndTurnedWhenRotationIsOn)
{
    QImage picture(60, 20, QImage::Format_RGB888);
    picture.fill(Qt::red);
    const QString bmp = fDir.path() + QStringLiteral("/thumb.bmp");
    ASSERT_TRUE(picture.save(bmp, "BMP"));
    TFileInfo *photo = fFileSet.FilesFiltered(0);
    photo->BmpThumbFullName = bmp;
    photo->RotateAngle = rotAngle90;
    Settings().InitCellData(fGrid.cellRect(0, 0));
    const QPoint centre = Settings().BmpRect.center();

    for (const bool rotate : {false, true}) {
        Settings().setRotateImage(rotate);
        const QImage image = render();
        EXPECT_EQ(image.pixelColor(centre), QColor(Qt::red));
        // 60 x 20 as it is, 20 x 60 when turned
        EXPECT_EQ(image.pixelColor(centre + QPoint(25, 0)) == QColor(Qt::red), !rotate) << rotate;
        EXPECT_EQ(image.pixelColor(centre + QPoint(0, 25)) == QColor(Qt::red), rotate) << rotate;
    }
}

TEST_F(ThumbGridTest, ARebuiltThumbnailIsReadAgain)
{
    const QString bmp = fDir.path() + QStringLiteral("/thumb.bmp");
    QImage picture(200, 150, QImage::Format_RGB888);
    picture.fill(Qt::red);
    ASSERT_TRUE(picture.save(bmp, "BMP"));
    fFileSet.FilesFiltered(0)->BmpThumbFullName = bmp;
    Settings().InitCellData(fGrid.cellRect(0, 0));
    const QPoint centre = Settings().BmpRect.center();
    EXPECT_EQ(render().pixelColor(centre), QColor(Qt::red));

    picture = QImage(200, 160, QImage::Format_RGB888); // another size, so the change shows even within a second
    picture.fill(Qt::blue);
    ASSERT_TRUE(picture.save(bmp, "BMP"));
    EXPECT_EQ(render().pixelColor(centre), QColor(Qt::blue));
    ASSERT_TRUE(QFile::remove(bmp));
    EXPECT_EQ(render().pixelColor(centre), ColorToQColor(Settings().COLOR()));
}

} // namespace
} // namespace orvane
