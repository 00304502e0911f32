// The thumbnail grid: one owner-drawn cell per shown photo, the selection rule, keys and keyword drops.
#include "ui/main/thumbgrid.h"

#include "core/model/fileset.h"
#include "core/settings/settings.h"
#include "core/thumbs/rotatebitmap.h"
#include "ui/main/textdragobject.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>

namespace orvane {

namespace {

const QColor DropTargetColor(0, 128, 0);

// Integer division truncating toward zero, as the centring rule needs for bitmaps larger than the box.
int DivTrunc(int a, int b)
{
    return a / b;
}

bool IsFilterCharacter(const QString &text)
{
    const QList<uint> codes = text.toUcs4();
    if (codes.size() != 1) {
        return false;
    }
    return QChar::isLetter(codes.first()) || QChar::category(codes.first()) == QChar::Number_DecimalDigit;
}

} // namespace

TThumbGrid::TThumbGrid(QWidget *parent) : QAbstractScrollArea(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    // Always there, so the column count never depends on whether the rows happen to overflow.
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    viewport()->setAutoFillBackground(false);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    verticalScrollBar()->setSingleStep(1);
}

void TThumbGrid::setFileSet(TFileSet *fileSet)
{
    fFileSet = fileSet;
    resetGrid();
}

int TThumbGrid::topRow() const
{
    return verticalScrollBar()->value();
}

void TThumbGrid::setTopRow(int row)
{
    verticalScrollBar()->setValue(row);
}

TFileInfo *TThumbGrid::FileInfoAtCell(int col, int row) const
{
    if (!fFileSet || col < 0 || row < 0 || col >= fColCount) {
        return nullptr;
    }
    const qint64 index = qint64(row) * fColCount + col;
    if (index >= fFileSet->CountFiltered()) {
        return nullptr;
    }
    return fFileSet->FilesFiltered(int(index));
}

QRect TThumbGrid::cellRect(int col, int row) const
{
    const int x = col * (fColWidth + GridLineWidth) - horizontalScrollBar()->value();
    const int y = (row - topRow()) * (fRowHeight + GridLineWidth);
    return QRect(x, y, fColWidth, fRowHeight);
}

QPoint TThumbGrid::cellAt(const QPoint &viewportPos) const
{
    if (viewportPos.x() < 0 || viewportPos.y() < 0) {
        return QPoint(-1, -1);
    }
    // A point on the gap after a cell belongs to that cell.
    const int col = (viewportPos.x() + horizontalScrollBar()->value()) / (fColWidth + GridLineWidth);
    const int row = topRow() + viewportPos.y() / (fRowHeight + GridLineWidth);
    if (col >= fColCount || row >= fRowCount) {
        return QPoint(-1, -1);
    }
    return QPoint(col, row);
}

void TThumbGrid::UpdateGridSize()
{
    if (!fFileSet) {
        return;
    }
    TSettings &settings = Settings();
    viewport()->setFont(settings.TEXT_FONT().font);
    const int oldFocusIndex = fRow * fColCount + fCol;
    fColWidth = settings.GridColWidth();
    fRowHeight = settings.GridRowHeight();
    const int n = fFileSet->CountFiltered();
    if (n > 0) {
        fColCount = std::max(1, viewport()->width() / (fColWidth + GridLineWidth));
        fRowCount = n / fColCount + (n % fColCount > 0 ? 1 : 0);
    } else {
        fColCount = 1;
        fRowCount = 1;
    }
    // The focus stays on the same photo when the columns change; past the end it rests on the last one.
    const int focusIndex = n > 0 ? std::clamp(oldFocusIndex, 0, n - 1) : 0;
    fCol = focusIndex % fColCount;
    fRow = focusIndex / fColCount;
    updateScrollBars();
    viewport()->update();
}

void TThumbGrid::resetGrid()
{
    fColCount = 1;
    fRowCount = 1;
    fCol = 0;
    fRow = 0;
    IndexShiftStart = -1;
    IndexLastSelected = -1;
    updateScrollBars();
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
    viewport()->update();
}

int TThumbGrid::visibleRowCount() const
{
    return std::max(1, viewport()->height() / (fRowHeight + GridLineWidth));
}

void TThumbGrid::updateScrollBars()
{
    QScrollBar *v = verticalScrollBar();
    const int visible = visibleRowCount();
    v->setRange(0, std::max(0, fRowCount - visible));
    v->setPageStep(visible);
    v->setSingleStep(1);
    QScrollBar *h = horizontalScrollBar();
    const int totalWidth = fColCount * (fColWidth + GridLineWidth);
    h->setRange(0, std::max(0, totalWidth - viewport()->width()));
    h->setPageStep(viewport()->width());
    h->setSingleStep(20);
}

void TThumbGrid::scrollToFocus()
{
    const int visible = visibleRowCount();
    if (fRow < topRow()) {
        setTopRow(fRow);
    } else if (fRow >= topRow() + visible) {
        setTopRow(fRow - visible + 1);
    }
    QScrollBar *h = horizontalScrollBar();
    const int left = fCol * (fColWidth + GridLineWidth);
    if (left < h->value()) {
        h->setValue(left);
    } else if (left + fColWidth > h->value() + viewport()->width()) {
        h->setValue(left + fColWidth - viewport()->width());
    }
}

bool TThumbGrid::moveFocusTo(int col, int row, Qt::KeyboardModifiers modifiers, bool leftButtonDown)
{
    TFileInfo *photo = FileInfoAtCell(col, row);
    if (!photo) {
        if (fFileSet && col == fColCount - 1 && row == fRowCount - 1 && fFileSet->CountFiltered() > 0) {
            const int last = fFileSet->CountFiltered() - 1;
            return moveFocusTo(last % fColCount, last / fColCount, modifiers, leftButtonDown);
        }
        return false;
    }
    const bool shift = modifiers & Qt::ShiftModifier;
    const bool ctrl = modifiers & Qt::ControlModifier;
    if (!shift) {
        IndexShiftStart = -1;
    }
    const int k = row * fColCount + col;
    fCol = col;
    fRow = row;
    if (ctrl && leftButtonDown) {
        photo->Selected = !photo->Selected;
        IndexLastSelected = k;
    } else if (shift) {
        int anchor = k;
        if (IndexShiftStart >= 0) {
            anchor = IndexShiftStart;
        } else if (IndexLastSelected >= 0) {
            anchor = IndexLastSelected;
            IndexShiftStart = anchor;
        } else {
            IndexShiftStart = k;
        }
        const int from = std::min(anchor, k);
        const int to = std::max(anchor, k);
        for (int i = 0; i < fFileSet->CountFiltered(); ++i) {
            fFileSet->FilesFiltered(i)->Selected = i >= from && i <= to;
        }
    } else {
        fFileSet->SelectSingle(photo);
        IndexLastSelected = k;
    }
    scrollToFocus();
    viewport()->update();
    Q_EMIT selectionChanged();
    return true;
}

void TThumbGrid::focusPhoto(int index)
{
    if (!fFileSet || index < 0 || index >= fFileSet->CountFiltered()) {
        return;
    }
    fFileSet->SelectSingle(fFileSet->FilesFiltered(index));
    moveFocusTo(index % fColCount, index / fColCount, Qt::NoModifier, false);
}

void TThumbGrid::scrollToPhoto(int index)
{
    if (fFileSet && index >= 0 && index < fFileSet->CountFiltered()) {
        setTopRow(index / fColCount);
    } else {
        setTopRow(0);
    }
}

void TThumbGrid::selectAllPhotos()
{
    if (!fFileSet) {
        return;
    }
    fFileSet->SelectAll();
    viewport()->update();
    Q_EMIT selectionChanged();
}

void TThumbGrid::refresh()
{
    viewport()->update();
}

// ---- drawing

void TThumbGrid::paintEvent(QPaintEvent *event)
{
    QPainter painter(viewport());
    paintCells(painter, event->rect());
}

void TThumbGrid::paintCells(QPainter &painter, const QRect &exposed)
{
    painter.fillRect(exposed, palette().color(QPalette::Base));
    if (!fFileSet) {
        return;
    }
    painter.setFont(Settings().TEXT_FONT().font);
    const int selectedCount = fFileSet->SelectedCount();
    const int pitchX = fColWidth + GridLineWidth;
    const int pitchY = fRowHeight + GridLineWidth;
    const int hOffset = horizontalScrollBar()->value();
    const int firstCol = std::max(0, (exposed.left() + hOffset) / pitchX);
    const int lastCol = std::min(fColCount - 1, (exposed.right() + hOffset) / pitchX);
    const int firstRow = topRow() + std::max(0, exposed.top()) / pitchY;
    const int lastRow = std::min(fRowCount - 1, topRow() + exposed.bottom() / pitchY);
    for (int row = firstRow; row <= lastRow; ++row) {
        for (int col = firstCol; col <= lastCol; ++col) {
            drawCell(painter, col, row, cellRect(col, row), selectedCount);
        }
    }
}

void TThumbGrid::drawCell(QPainter &painter, int col, int row, const QRect &rect, int selectedCount)
{
    const TFileInfo *photo = FileInfoAtCell(col, row);
    if (!photo) {
        return; // the background is already there
    }
    TSettings &settings = Settings();
    const TKeywordDragState &drag = KeywordDragState();
    const QColor normal = ColorToQColor(settings.COLOR());
    const QColor highlight = palette().color(QPalette::Highlight);
    QColor background;
    if (!drag.KeywordDragActive) {
        background = photo->Selected ? highlight : normal;
    } else if (selectedCount <= 1) {
        const bool underPointer = drag.DragOverGrid && col == drag.DragOverCol && row == drag.DragOverRow;
        background = underPointer ? DropTargetColor : normal;
    } else if (photo->Selected) {
        background = drag.DragOverGrid ? DropTargetColor : highlight;
    } else {
        background = normal;
    }

    painter.fillRect(rect, background);
    settings.InitCellData(rect);
    const QRect bmpRect = settings.BmpRect;
    const QImage thumbnail = thumbnailFor(*photo);
    if (!thumbnail.isNull()) {
        const int left = bmpRect.left() + DivTrunc(bmpRect.width() - thumbnail.width(), 2);
        const int top = bmpRect.top() + DivTrunc(bmpRect.height() - thumbnail.height(), 2);
        painter.drawImage(left, top, thumbnail);
    }

    painter.setPen(settings.TEXT_FONT().cellTextColor());
    const int lineHeight = settings.TEXT_HEIGHT();
    const int rowCount = settings.RowCount;
    const int textColCount = settings.TEXT_COL_COUNT();
    const QStringList &keywords = photo->KeywordList.Strings();
    int next = 0;
    for (int i = 1; i <= textColCount; ++i) {
        const QRect textRect = settings.TextRect[i];
        for (int line = 0; line < rowCount; ++line) {
            QString text;
            if (keywords.isEmpty()) {
                if (i != 1 || line != 0) {
                    break;
                }
                text = QStringLiteral("< No Keywords >");
            } else if (next < keywords.size()) {
                text = keywords.at(next++);
            } else {
                break;
            }
            const QRect lineRect(textRect.left(), textRect.top() + line * lineHeight, textRect.width(), lineHeight);
            painter.drawText(lineRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
        }
    }

    const QRect labelRect = settings.LabelRect;
    const QString fileName = QFileInfo(photo->JpgFullName).fileName();
    if (settings.ShowThumbnailNumber()) {
        painter.drawText(labelRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, fileName);
        const QString number = QStringLiteral("%1/%2").arg(photo->Number).arg(fFileSet->CountFiltered());
        painter.drawText(labelRect, Qt::AlignRight | Qt::AlignTop | Qt::TextSingleLine, number);
    } else {
        painter.drawText(labelRect, Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine, fileName);
    }
}

// Read from the cache folder on every paint: a screenful of bitmap files reads well within a frame,
// and a rebuilt thumbnail shows at once.
QImage TThumbGrid::thumbnailFor(const TFileInfo &photo)
{
    if (photo.BmpThumbFullName.isEmpty()) {
        return QImage();
    }
    QImage image(photo.BmpThumbFullName, "BMP");
    if (!image.isNull() && Settings().RotateImage() && photo.RotateAngle != rotNone) {
        RotateBitmap(image, photo.RotateAngle);
    }
    return image;
}

// ---- input

void TThumbGrid::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    UpdateGridSize();
    updateScrollBars();
}

void TThumbGrid::scrollContentsBy(int, int)
{
    viewport()->update();
}

void TThumbGrid::keyPressEvent(QKeyEvent *event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    const bool ctrl = modifiers & Qt::ControlModifier;
    int col = fCol;
    int row = fRow;
    switch (event->key()) {
    case Qt::Key_Delete:
        Q_EMIT deleteKeywordsRequested();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        activateFocusCell(modifiers);
        return;
    case Qt::Key_Left:
        col = std::max(0, col - 1);
        break;
    case Qt::Key_Right:
        col = std::min(fColCount - 1, col + 1);
        break;
    case Qt::Key_Up:
        row = std::max(0, row - 1);
        break;
    case Qt::Key_Down:
        row = std::min(fRowCount - 1, row + 1);
        break;
    case Qt::Key_PageUp:
        row = std::max(0, row - visibleRowCount());
        break;
    case Qt::Key_PageDown:
        row = std::min(fRowCount - 1, row + visibleRowCount());
        break;
    case Qt::Key_Home:
        col = 0;
        if (ctrl) {
            row = 0;
        }
        break;
    case Qt::Key_End:
        col = fColCount - 1;
        if (ctrl) {
            row = fRowCount - 1;
        }
        break;
    default:
        if (!(modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
            && IsFilterCharacter(event->text())) {
            Q_EMIT filterTextTyped(event->text());
            return;
        }
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    if (col != fCol || row != fRow) {
        // A refused move (an empty cell of the last row) leaves focus and selection alone.
        moveFocusTo(col, row, modifiers, false);
    }
}

void TThumbGrid::mousePressEvent(QMouseEvent *event)
{
    setFocus(Qt::MouseFocusReason);
    if (event->button() != Qt::LeftButton) {
        return;
    }
    const QPoint cell = cellAt(event->position().toPoint());
    if (cell.x() < 0) {
        return;
    }
    moveFocusTo(cell.x(), cell.y(), event->modifiers(), true);
}

void TThumbGrid::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept(); // the press did all the work
}

void TThumbGrid::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        return;
    }
    activateFocusCell(event->modifiers());
}

void TThumbGrid::activateFocusCell(Qt::KeyboardModifiers modifiers)
{
    TFileInfo *photo = FileInfoAtCell(fCol, fRow);
    if (!photo) {
        return;
    }
    if (modifiers & Qt::AltModifier) {
        Q_EMIT openInEditorRequested(photo);
    } else {
        Q_EMIT viewRequested(fRow * fColCount + fCol);
    }
}

void TThumbGrid::wheelEvent(QWheelEvent *event)
{
    // One row per notch; smooth-scrolling devices add up their fractions of a notch.
    fWheelRemainder += event->angleDelta().y();
    const int notches = fWheelRemainder / QWheelEvent::DefaultDeltasPerStep;
    fWheelRemainder -= notches * QWheelEvent::DefaultDeltasPerStep;
    if (notches != 0) {
        setTopRow(topRow() - notches);
    }
    event->accept();
}

void TThumbGrid::contextMenuEvent(QContextMenuEvent *event)
{
    TFileInfo *photo = nullptr;
    if (event->reason() != QContextMenuEvent::Keyboard) {
        // Mouse requests arrive through the viewport, in its coordinates.
        const QPoint cell = cellAt(event->pos());
        photo = FileInfoAtCell(cell.x(), cell.y());
    }
    const bool many = fFileSet && fFileSet->SelectedCount() > 1;
    if (photo && !many) {
        fFileSet->SelectSingle(photo);
        viewport()->update();
        Q_EMIT selectionChanged();
    }
    Q_EMIT contextMenuRequested(photo, many, event->globalPos());
}

// ---- keyword drops

void TThumbGrid::updateDragCell(const QPoint &pos)
{
    const QPoint cell = cellAt(pos);
    TKeywordDragState &drag = KeywordDragState();
    drag.DragOverCol = cell.x();
    drag.DragOverRow = cell.y();
}

void TThumbGrid::dragEnterEvent(QDragEnterEvent *event)
{
    if (!TTextDragObject::hasKeywords(event->mimeData())) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    KeywordDragState().DragOverGrid = true;
    updateDragCell(event->position().toPoint());
    viewport()->update();
}

void TThumbGrid::dragMoveEvent(QDragMoveEvent *event)
{
    if (!TTextDragObject::hasKeywords(event->mimeData())) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    updateDragCell(event->position().toPoint());
    viewport()->update();
}

void TThumbGrid::dragLeaveEvent(QDragLeaveEvent *)
{
    TKeywordDragState &drag = KeywordDragState();
    drag.DragOverGrid = false;
    drag.DragOverCol = -1;
    drag.DragOverRow = -1;
    viewport()->update();
}

void TThumbGrid::dropEvent(QDropEvent *event)
{
    if (!TTextDragObject::hasKeywords(event->mimeData())) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    const QStringList keywords = TTextDragObject::keywordsFrom(event->mimeData());
    const QPoint cell = cellAt(event->position().toPoint());
    if (fFileSet && fFileSet->SelectedCount() <= 1) {
        if (TFileInfo *photo = FileInfoAtCell(cell.x(), cell.y())) {
            fFileSet->SelectSingle(photo);
            Q_EMIT selectionChanged();
        }
    }
    Q_EMIT keywordsDropped(keywords);
    viewport()->update();
    setFocus(Qt::OtherFocusReason);
}

} // namespace orvane
