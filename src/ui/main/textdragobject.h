// The payload of a keyword drag (from the keyword lists or the keyword picker onto the grid),
// its drag image, and the process-wide drag state that the grid paints its green drop targets from.
#pragma once

#include "core/model/kwstringlist.h"

#include <QMimeData>
#include <QPixmap>
#include <QPoint>
#include <QString>

class QWidget;

namespace orvane {

// In-process keyword payload: UTF-8 keywords joined by "\n". text/plain carries the same lines
// so that a drop into a text editor still shows something sensible.
inline constexpr char KeywordsMimeType[] = "application/x-orvane-keywords";

// Shared by the keyword lists, the grid and the keyword picker. Only touched on the UI thread.
struct TKeywordDragState
{
    bool KeywordDragActive = false; // a keyword drag from one of our lists is under way
    bool DragOverGrid = false;      // that drag is over the grid
    int DragOverCol = -1;           // the grid cell under the pointer, -1 when none
    int DragOverRow = -1;
};

TKeywordDragState &KeywordDragState();
// Back to idle: no drag, not over the grid, no hovered cell.
void ResetKeywordDragState();

// Created for every keyword drag; QDrag takes ownership of it and destroys it when the drag ends.
class TTextDragObject : public QMimeData
{
    Q_OBJECT

public:
    explicit TTextDragObject(QWidget *sourceControl);

    // " " when fewer than two shown photos are selected, else "Drop into (%d) files".
    static QString HeaderFor(int selectedShownCount);

    // Sets the keywords and refreshes the mime formats from them.
    void setKeywords(const QStringList &keywords);

    QString HeaderText;
    TKwStringList KeywordList;

    QWidget *sourceControl() const { return fSourceControl; }

    // Built on first request, then reused: the header and one line per keyword on the tooltip
    // colour, at most half the screen wide and three quarters of it high.
    QPixmap dragImage();
    // Puts the image one cursor width right of and one cursor height below the pointer.
    QPoint dragHotSpot() const;

    // True when the data is a keyword payload (ours, or the same format from another window).
    static bool hasKeywords(const QMimeData *data);
    // The keywords of a payload in list order; empty when the data carries none.
    static QStringList keywordsFrom(const QMimeData *data);

private:
    QWidget *fSourceControl;
    QPixmap fDragImage;
};

// Runs a whole keyword drag from sourceControl: refuses (returns false) when a drag is already
// active or the source list is empty (sourceItemCount 0); otherwise marks the drag active, runs it
// to its end (drop, cancel or release elsewhere) and resets the drag state before returning true.
bool ExecKeywordDrag(QWidget *sourceControl, int sourceItemCount, const QStringList &selectedKeywords,
                     int selectedShownCount);

} // namespace orvane
