// The keyword picker window.
#include "ui/dialogs/selectfromfiledialog.h"

#include "core/settings/settings.h"
#include "ui/main/keywordlistbox.h"

#include <QEvent>
#include <QKeyEvent>
#include <QVBoxLayout>

namespace orvane
{

TfmSelectFromFile::TfmSelectFromFile(QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setWindowTitle(QStringLiteral("Select and drag keywords"));
    ListBoxKeywords = new TKeywordListBox(this);
    ListBoxKeywords->setFrameShape(QFrame::NoFrame);
    // No photo count for the drag: the picker's drag image always has the blank header.
    ListBoxKeywords->setSelectedPhotoCount({});
    ListBoxKeywords->installEventFilter(this);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(ListBoxKeywords);
    connect(ListBoxKeywords, &TKeywordListBox::keywordDragFinished, this, &TfmSelectFromFile::keywordDragFinished);
}

void TfmSelectFromFile::showKeywords(
    const TKwStringList &keywords, const QPoint &screenPos, const QFont &font, int width, int height)
{
    // The photo's list is already in keyword order, which is the order the picker shows.
    ListBoxKeywords->setItemTexts(keywords.Strings());
    setGeometry(screenPos.x(), screenPos.y(), width, height);
    ListBoxKeywords->setFont(font);
    ListBoxKeywords->setColumnCount(Settings().TEXT_COL_COUNT());
    show();
    raise();
    activateWindow();
    ListBoxKeywords->setFocus(Qt::OtherFocusReason);
}

void TfmSelectFromFile::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    // Clicking anywhere else closes the picker.
    if (event->type() == QEvent::ActivationChange && isVisible() && !isActiveWindow()) {
        hide();
    }
}

bool TfmSelectFromFile::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ListBoxKeywords && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
        hide();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace orvane
