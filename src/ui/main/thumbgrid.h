// The thumbnail grid: one owner-drawn cell per shown photo (thumbnail, keyword columns, label),
// the photo selection with Shift and Ctrl, the grid keys, and the keyword drop target.
#pragma once

#include "core/model/fileinfo.h"

#include <QAbstractScrollArea>
#include <QImage>
#include <QString>
#include <QStringList>

class QPainter;

namespace orvane {

class TFileSet;

// Cells are GridColWidth x GridRowHeight with a 4-pixel gap after every column and row. Photo index
// = row x column count + column. The selection lives in the photo records; the focus cell only ever
// rests on a cell that holds a photo. The window owns the photo set and acts on the signals.
class TThumbGrid : public QAbstractScrollArea
{
    Q_OBJECT

public:
    static constexpr int GridLineWidth = 4;

    explicit TThumbGrid(QWidget *parent = nullptr);

    // Not owned. Null means "no photo set yet": UpdateGridSize does nothing and nothing is drawn.
    void setFileSet(TFileSet *fileSet);
    TFileSet *fileSet() const { return fFileSet; }

    int colCount() const { return fColCount; }
    int rowCount() const { return fRowCount; }
    int colWidth() const { return fColWidth; }
    int rowHeight() const { return fRowHeight; }
    // The focus cell.
    int col() const { return fCol; }
    int row() const { return fRow; }
    int topRow() const;
    // Makes the row the top visible one (as far as the scroll range allows).
    void setTopRow(int row);

    // The shown photo of a cell, or null for cells outside the photos.
    TFileInfo *FileInfoAtCell(int col, int row) const;
    // The cell under a viewport point, (-1, -1) when the point is on no cell.
    QPoint cellAt(const QPoint &viewportPos) const;
    QRect cellRect(int col, int row) const;

    // The selection rule: moves the focus cell to (col, row) with the given modifier state and
    // updates the selection. False when the move is refused (no photo there).
    bool moveFocusTo(int col, int row, Qt::KeyboardModifiers modifiers, bool leftButtonDown);

    // Anchor of a Shift range and the photo last chosen by a plain or Ctrl click; -1 when unset.
    int IndexShiftStart = -1;
    int IndexLastSelected = -1;

    // Renders the visible cells into any paint device (the widget paints through this as well).
    void paintCells(QPainter &painter, const QRect &exposed);

public Q_SLOTS:
    // Column and row counts from the shown photo count and the width; cell size from the settings.
    void UpdateGridSize();
    // One column, one row, focus on (0, 0), scrolled to the top, anchors unset: for a new photo set.
    void resetGrid();
    // Selects the shown photo alone and moves the focus cell to it, scrolling it into view.
    void focusPhoto(int index);
    // Makes the row of the shown photo the top row; row 0 for an index outside the shown photos.
    void scrollToPhoto(int index);
    void selectAllPhotos();
    void refresh();

Q_SIGNALS:
    // Double click or Enter without Alt: open the viewer on this shown photo.
    void viewRequested(int index);
    // Alt + double click or Alt + Enter: open the photo with its default application.
    void openInEditorRequested(orvane::TFileInfo *photo);
    // The Del key: "Delete Keyword(s)...".
    void deleteKeywordsRequested();
    // A letter or digit typed in the grid: goes into the keyword filter edit.
    void filterTextTyped(const QString &text);
    void selectionChanged();
    // After the popup-menu selection step: photo under the point (or null) and whether more than one
    // shown photo is selected. The window enables its menu items from these and shows the menu.
    void contextMenuRequested(orvane::TFileInfo *photo, bool many, const QPoint &globalPos);
    // A keyword payload was dropped; the selection already reflects the drop target.
    void keywordsDropped(const QStringList &keywords);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dragLeaveEvent(QDragLeaveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void updateScrollBars();
    int visibleRowCount() const; // rows fully visible, at least 1
    void scrollToFocus();
    void activateFocusCell(Qt::KeyboardModifiers modifiers);
    void drawCell(QPainter &painter, int col, int row, const QRect &rect, int selectedCount);
    static QImage thumbnailFor(const TFileInfo &photo);
    void updateDragCell(const QPoint &pos);

    TFileSet *fFileSet = nullptr;
    int fColCount = 1;
    int fRowCount = 1;
    int fColWidth = 64;
    int fRowHeight = 64;
    int fCol = 0;
    int fRow = 0;
    int fWheelRemainder = 0;
};

} // namespace orvane
