// The keyword picker: a borderless window over one photo's grid cell that lists the photo's
// keywords, so that some of them can be dragged onto other photos.
#pragma once

#include "core/model/kwstringlist.h"

#include <QFont>
#include <QPoint>
#include <QWidget>

namespace orvane
{

class TKeywordListBox;

class TfmSelectFromFile : public QWidget
{
    Q_OBJECT

public:
    explicit TfmSelectFromFile(QWidget *parent = nullptr);

    // Fills the list with the photo's keywords, covers the cell at screenPos with width x height,
    // uses the keyword panel's font and TEXT_COL_COUNT columns, and shows the window (not modal).
    void showKeywords(const TKwStringList &keywords, const QPoint &screenPos, const QFont &font, int width, int height);

    TKeywordListBox *ListBoxKeywords;

Q_SIGNALS:
    // A keyword drag from the picker ended, however it ended.
    void keywordDragFinished();

protected:
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
};

} // namespace orvane
