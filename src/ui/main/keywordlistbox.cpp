// Keyword lists: column layout and starting keyword drags.
#include "ui/main/keywordlistbox.h"

#include "ui/main/textdragobject.h"

#include <QEvent>
#include <QResizeEvent>

namespace orvane {

TKeywordListBox::TKeywordListBox(QWidget *parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setDragEnabled(true);
    setDragDropMode(QAbstractItemView::DragOnly);
    setDefaultDropAction(Qt::CopyAction);
    setUniformItemSizes(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    updateColumnLayout();
}

void TKeywordListBox::setColumnCount(int columns)
{
    fColumns = columns <= 1 ? 0 : columns;
    updateColumnLayout();
}

QStringList TKeywordListBox::itemTexts() const
{
    QStringList texts;
    texts.reserve(count());
    for (int i = 0; i < count(); ++i) {
        texts.append(item(i)->text());
    }
    return texts;
}

QStringList TKeywordListBox::selectedTexts() const
{
    QStringList texts;
    for (int i = 0; i < count(); ++i) {
        if (item(i)->isSelected()) {
            texts.append(item(i)->text());
        }
    }
    return texts;
}

void TKeywordListBox::setItemTexts(const QStringList &texts)
{
    setUpdatesEnabled(false);
    clear();
    addItems(texts);
    setUpdatesEnabled(true);
}

void TKeywordListBox::startDrag(Qt::DropActions)
{
    const int photos = fSelectedPhotoCount ? fSelectedPhotoCount() : 0;
    if (ExecKeywordDrag(this, count(), selectedTexts(), photos)) {
        Q_EMIT keywordDragFinished();
    }
}

void TKeywordListBox::resizeEvent(QResizeEvent *event)
{
    QListWidget::resizeEvent(event);
    if (fColumns >= 2) {
        updateColumnLayout();
    }
}

bool TKeywordListBox::event(QEvent *event)
{
    const bool handled = QListWidget::event(event);
    if (event->type() == QEvent::FontChange) {
        updateColumnLayout();
    }
    return handled;
}

void TKeywordListBox::updateColumnLayout()
{
    if (fColumns >= 2) {
        setFlow(QListView::TopToBottom);
        setWrapping(true);
        setResizeMode(QListView::Adjust);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        const int width = std::max(1, viewport()->width() / fColumns);
        const int height = fontMetrics().height() + 2;
        setGridSize(QSize(width, height));
    } else {
        setFlow(QListView::TopToBottom);
        setWrapping(false);
        setGridSize(QSize());
        setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    }
    doItemsLayout();
}

} // namespace orvane
