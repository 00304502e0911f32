// The delete keyword dialog: a check list whose ticked entries are drawn in red.
#include "ui/dialogs/deletekeyworddialog.h"

#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

namespace orvane
{

namespace
{

// Draws the tick box as the style does and the keyword beside it: on the highlight colour for the
// current entry, in red when ticked, so that the ticks stand out in a long list.
class CheckListDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QStyleOptionViewItem opt = option;
        initStyleOption(&opt, index);
        const QWidget *widget = option.widget;
        QStyle *style = widget ? widget->style() : QApplication::style();
        const QRect check = style->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &opt, widget);
        const bool current = widget && static_cast<const QListWidget *>(widget)->currentIndex() == index;
        const bool ticked = index.data(Qt::CheckStateRole).toInt() == Qt::Checked;

        painter->save();
        painter->fillRect(option.rect, opt.palette.brush(QPalette::Base));
        QStyleOptionViewItem box = opt;
        box.rect = check;
        box.state = (opt.state & QStyle::State_Enabled) | (ticked ? QStyle::State_On : QStyle::State_Off);
        style->drawPrimitive(QStyle::PE_IndicatorItemViewItemCheck, &box, painter, widget);

        QRect textArea = option.rect;
        textArea.setLeft(check.right() + 3);
        painter->fillRect(textArea, opt.palette.brush(current ? QPalette::Highlight : QPalette::Base));
        QColor color = opt.palette.color(current ? QPalette::HighlightedText : QPalette::Text);
        if (ticked) {
            color = QColor(255, 0, 0);
        }
        painter->setPen(color);
        painter->setFont(opt.font);
        painter->drawText(textArea.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
            index.data(Qt::DisplayRole).toString());
        painter->restore();
    }
};

} // namespace

QString TfmDeleteKeyword::Caption(int selectedCount, const QString &fileName)
{
    return selectedCount == 1 ? QStringLiteral("Delete keywords from %1").arg(fileName)
                              : QStringLiteral("Delete keywords from %1 files").arg(selectedCount);
}

TfmDeleteKeyword::TfmDeleteKeyword(
    const TKwStringList &keywords, int selectedCount, const QString &fileName, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(Caption(selectedCount, fileName));

    CheckListBox = new QListWidget(this);
    CheckListBox->setSelectionMode(QAbstractItemView::NoSelection);
    CheckListBox->setEditTriggers(QAbstractItemView::NoEditTriggers);
    CheckListBox->setUniformItemSizes(true);
    CheckListBox->setItemDelegate(new CheckListDelegate(CheckListBox));
    for (const QString &keyword : keywords) {
        auto *item = new QListWidgetItem(keyword, CheckListBox);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    CheckListBox->viewport()->installEventFilter(this);

    PanelBottom = new QWidget(this);
    lbColumns = new QLabel(QStringLiteral("Columns:"), PanelBottom);
    cbColumnCount = new QComboBox(PanelBottom);
    for (int i = 1; i <= 20; ++i) {
        cbColumnCount->addItem(QString::number(i));
    }
    cbColumnCount->setMaxVisibleItems(24);
    cbColumnCount->setCurrentIndex(0);
    lbColumns->setBuddy(cbColumnCount);
    btDeleteAll = new QPushButton(QStringLiteral("Delete &All"), PanelBottom);
    btDeleteSelected = new QPushButton(QStringLiteral("&Delete Selected"), PanelBottom);
    btCancel = new QPushButton(QStringLiteral("Cancel"), PanelBottom);
    btDeleteAll->setAutoDefault(false);
    btCancel->setAutoDefault(false);
    btDeleteSelected->setDefault(true);

    auto *bottom = new QHBoxLayout(PanelBottom);
    bottom->setContentsMargins(8, 6, 8, 6);
    bottom->addWidget(lbColumns);
    bottom->addWidget(cbColumnCount);
    bottom->addStretch(1);
    bottom->addWidget(btDeleteAll);
    bottom->addWidget(btDeleteSelected);
    bottom->addWidget(btCancel);

    StatusBar = new QLabel(QStringLiteral("Double click to instantly delete one keyword"), this);
    StatusBar->setContentsMargins(6, 2, 6, 2);
    StatusBar->setFrameShape(QFrame::StyledPanel);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(CheckListBox, 1);
    layout->addWidget(PanelBottom);
    layout->addWidget(StatusBar);

    resize(852, 620);

    connect(cbColumnCount, &QComboBox::currentIndexChanged, this, [this](int index) { setColumnCount(index + 1); });
    connect(btDeleteSelected, &QPushButton::clicked, this, &QDialog::accept);
    connect(btDeleteAll, &QPushButton::clicked, this, &TfmDeleteKeyword::deleteAll);
    connect(btCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(CheckListBox, &QListWidget::currentItemChanged, CheckListBox->viewport(), qOverload<>(&QWidget::update));
}

void TfmDeleteKeyword::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    CheckListBox->setFocus(Qt::OtherFocusReason);
    if (const QScreen *screen = this->screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

void TfmDeleteKeyword::setColumnCount(int columns)
{
    fColumns = std::clamp(columns, 1, 20);
    updateColumnLayout();
}

void TfmDeleteKeyword::updateColumnLayout()
{
    if (fColumns >= 2) {
        CheckListBox->setFlow(QListView::TopToBottom);
        CheckListBox->setWrapping(true);
        CheckListBox->setResizeMode(QListView::Adjust);
        CheckListBox->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        const int width = std::max(1, CheckListBox->viewport()->width() / fColumns);
        const int height = std::max(CheckListBox->fontMetrics().height(),
                               CheckListBox->style()->pixelMetric(QStyle::PM_IndicatorHeight))
            + 4;
        CheckListBox->setGridSize(QSize(width, height));
    } else {
        CheckListBox->setWrapping(false);
        CheckListBox->setGridSize(QSize());
        CheckListBox->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    }
    CheckListBox->doItemsLayout();
}

bool TfmDeleteKeyword::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == CheckListBox->viewport()) {
        if (event->type() == QEvent::Resize && fColumns >= 2) {
            updateColumnLayout();
        } else if (event->type() == QEvent::MouseButtonPress) {
            // A click on the tick box makes its entry current too, as a click on the text does.
            const QModelIndex index = CheckListBox->indexAt(static_cast<QMouseEvent *>(event)->position().toPoint());
            if (index.isValid()) {
                CheckListBox->setCurrentIndex(index);
            }
        } else if (event->type() == QEvent::MouseButtonDblClick) {
            // Anywhere on the list: the press before it has already made the entry under it current.
            deleteOne();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TfmDeleteKeyword::deleteAll()
{
    for (int i = 0; i < CheckListBox->count(); ++i) {
        CheckListBox->item(i)->setCheckState(Qt::Checked);
    }
    accept();
}

void TfmDeleteKeyword::deleteOne()
{
    const QListWidgetItem *item = CheckListBox->currentItem();
    if (!item) {
        return;
    }
    SingleKeywordToDelete = item->text();
    if (!SingleKeywordToDelete.isEmpty()) {
        IsSingleKeywordDeletion = true;
        accept();
    }
}

TKwStringList TfmDeleteKeyword::keywordsToDelete() const
{
    TKwStringList keywords;
    if (result() != QDialog::Accepted) {
        return keywords;
    }
    if (IsSingleKeywordDeletion) {
        keywords.Add(SingleKeywordToDelete);
        return keywords;
    }
    for (int i = 0; i < CheckListBox->count(); ++i) {
        if (CheckListBox->item(i)->checkState() == Qt::Checked) {
            keywords.Add(CheckListBox->item(i)->text());
        }
    }
    return keywords;
}

TKwStringList ShowDeleteKeywordDialog(
    const TKwStringList &keywords, int selectedCount, const QString &fileName, QWidget *parent)
{
    TfmDeleteKeyword dialog(keywords, selectedCount, fileName, parent);
    dialog.exec();
    return dialog.keywordsToDelete();
}

} // namespace orvane
