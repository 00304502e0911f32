// A keyword list of the keyword panel: multi-select, a keyword drag source, optionally in columns.
#pragma once

#include <QListWidget>
#include <QStringList>

#include <functional>

namespace orvane {

class TKeywordListBox : public QListWidget
{
    Q_OBJECT

public:
    explicit TKeywordListBox(QWidget *parent = nullptr);

    // 0 or 1: one ordinary vertical list. 2 or more: the items flow top to bottom and then into
    // the next column; that many columns of equal width share the width, scrolling sideways.
    void setColumnCount(int columns);
    int columnCount() const { return fColumns; }

    // Every item text, in list order.
    QStringList itemTexts() const;
    // The selected item texts, in list order.
    QStringList selectedTexts() const;
    // Replaces all items without redrawing in between.
    void setItemTexts(const QStringList &texts);

    // Tells a drag how many shown photos are selected (for the drag image's header).
    void setSelectedPhotoCount(std::function<int()> provider) { fSelectedPhotoCount = std::move(provider); }

Q_SIGNALS:
    // A keyword drag from this list ended, however it ended.
    void keywordDragFinished();

protected:
    void startDrag(Qt::DropActions supportedActions) override;
    void resizeEvent(QResizeEvent *event) override;
    bool event(QEvent *event) override;

private:
    void updateColumnLayout();

    int fColumns = 0;
    std::function<int()> fSelectedPhotoCount;
};

} // namespace orvane
