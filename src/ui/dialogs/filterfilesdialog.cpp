// The "Filter Files" dialog: five columns of criteria, drag and drop from the available
// keywords, the part list and the keyword-count range.
#include "ui/dialogs/filterfilesdialog.h"

#include "core/model/keywordfilter.h"
#include "core/model/keywordtext.h"
#include "core/settings/settings.h"
#include "ui/dialogs/filterrules.h"
#include "ui/dialogs/keywordlistfont.h"
#include "ui/dialogs/listcontrolsearch.h"
#include "ui/dialogs/placeformonscreen.h"

#include <QApplication>
#include <QCheckBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace orvane {

namespace {

// A column of the dialog: caption on top, then the given rows; all columns share the width equally.
QWidget *newColumn(QWidget *parent, const QString &caption, QVBoxLayout *&layout)
{
    auto *column = new QWidget(parent);
    column->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    layout = new QVBoxLayout(column);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(3);
    auto *label = new QLabel(caption, column);
    label->setWordWrap(true);
    layout->addWidget(label);
    return column;
}

QListWidget *newCriteriaList(QWidget *parent, const QString &name)
{
    auto *list = new QListWidget(parent);
    list->setObjectName(name);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    return list;
}

} // namespace

TfmFilterFiles::TfmFilterFiles(const TKwStringList &availableKeywordList, TKeywordFilter &keywordFilter,
                               QWidget *parent)
    : QDialog(parent), AvailableKeywordList(availableKeywordList), KeywordFilter(keywordFilter)
{
    setWindowTitle(QStringLiteral("Filter Files"));
    setObjectName(QStringLiteral("fmFilterFiles"));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 0);
    auto *columns = new QHBoxLayout;
    columns->setSpacing(2);
    layout->addLayout(columns, 1);

    QVBoxLayout *columnLayout = nullptr;

    // 1. Available keywords with their text filter.
    QWidget *column = newColumn(this, QStringLiteral("Available keywords"), columnLayout);
    auto *filterRow = new QHBoxLayout;
    EditAvailableFilter = new QLineEdit(column);
    EditAvailableFilter->setObjectName(QStringLiteral("EditAvailableFilter"));
    ButtonAvailableClear = new QPushButton(QStringLiteral("x"), column);
    ButtonAvailableClear->setAutoDefault(false);
    ButtonAvailableClear->setFocusPolicy(Qt::NoFocus);
    ButtonAvailableClear->setFixedWidth(ButtonAvailableClear->fontMetrics().horizontalAdvance(QStringLiteral("xx")) + 12);
    filterRow->addWidget(EditAvailableFilter, 1);
    filterRow->addWidget(ButtonAvailableClear);
    columnLayout->addLayout(filterRow);
    ListBoxAvailableKeywords = new QListWidget(column);
    ListBoxAvailableKeywords->setObjectName(QStringLiteral("ListBoxAvailableKeywords"));
    ListBoxAvailableKeywords->setSelectionMode(QAbstractItemView::ExtendedSelection);
    ListBoxAvailableKeywords->setDragEnabled(true);
    ListBoxAvailableKeywords->setDragDropMode(QAbstractItemView::DragOnly);
    ListBoxAvailableKeywords->setDefaultDropAction(Qt::CopyAction);
    ListBoxAvailableKeywords->setUniformItemSizes(true);
    columnLayout->addWidget(ListBoxAvailableKeywords, 1);
    columns->addWidget(column, 1);

    // 2. to 4. The keyword criteria; drop targets for the available list only.
    const struct {
        const char *caption;
        const char *name;
        QListWidget **list;
    } criteria[] = {
        {"Contains all of the keywords", "ListBoxContainAll", &ListBoxContainAll},
        {"Contains any of the keywords", "ListBoxContainSome", &ListBoxContainSome},
        {"Exclude the keywords", "ListBoxContainNone", &ListBoxContainNone},
    };
    for (const auto &c : criteria) {
        column = newColumn(this, QString::fromLatin1(c.caption), columnLayout);
        QListWidget *list = newCriteriaList(column, QString::fromLatin1(c.name));
        list->setAcceptDrops(true);
        list->viewport()->setAcceptDrops(true);
        list->viewport()->installEventFilter(this);
        columnLayout->addWidget(list, 1);
        columns->addWidget(column, 1);
        *c.list = list;
    }

    // 5. Parts of keywords and the keyword count.
    column = newColumn(this, QStringLiteral("Contains part of keyword"), columnLayout);
    auto *partRow = new QHBoxLayout;
    EditPartKeyword = new QLineEdit(column);
    EditPartKeyword->setObjectName(QStringLiteral("EditPartKeyword"));
    ButtonAddPart = new QPushButton(QStringLiteral("Add"), column);
    ButtonAddPart->setAutoDefault(false);
    partRow->addWidget(EditPartKeyword, 1);
    partRow->addWidget(ButtonAddPart);
    columnLayout->addLayout(partRow);
    ListBoxContainPart = newCriteriaList(column, QStringLiteral("ListBoxContainPart"));
    columnLayout->addWidget(ListBoxContainPart, 1);
    cbUseCount = new QCheckBox(QStringLiteral("Use filter by keywords count"), column);
    columnLayout->addWidget(cbUseCount);
    auto *countGrid = new QGridLayout;
    lbFrom = new QLabel(QStringLiteral("From"), column);
    lbTo = new QLabel(QStringLiteral("To"), column);
    seFrom = new QSpinBox(column);
    seTo = new QSpinBox(column);
    for (QSpinBox *field : {seFrom, seTo}) {
        field->setRange(0, MaxCount);
        field->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    }
    countGrid->addWidget(lbFrom, 0, 0);
    countGrid->addWidget(lbTo, 0, 1);
    countGrid->addWidget(seFrom, 1, 0);
    countGrid->addWidget(seTo, 1, 1);
    columnLayout->addLayout(countGrid);
    columns->addWidget(column, 1);

    // Buttons and the status line.
    auto *buttons = new QHBoxLayout;
    ButtonClearFilters = new QPushButton(QStringLiteral("Clear filters"), this);
    ButtonClearFilters->setAutoDefault(false);
    auto *btOK = new QPushButton(QStringLiteral("OK"), this);
    auto *btCancel = new QPushButton(QStringLiteral("Cancel"), this);
    btOK->setAutoDefault(false);
    btCancel->setAutoDefault(false);
    buttons->addWidget(ButtonClearFilters);
    buttons->addStretch(1);
    buttons->addWidget(btOK);
    buttons->addWidget(btCancel);
    layout->addLayout(buttons);
    StatusLine = new QLabel(QStringLiteral("Drag and drop keywords to lists. Double click to remove from list."), this);
    StatusLine->setFrameShape(QFrame::StyledPanel);
    StatusLine->setFrameShadow(QFrame::Sunken);
    layout->addWidget(StatusLine);

    connect(EditAvailableFilter, &QLineEdit::textChanged, this, &TfmFilterFiles::filterAvailable);
    connect(ButtonAvailableClear, &QPushButton::clicked, this, [this] {
        EditAvailableFilter->clear();
        EditAvailableFilter->setFocus(Qt::OtherFocusReason);
    });
    connect(ListBoxAvailableKeywords, &QListWidget::itemDoubleClicked, this,
            [this] { addSelectedAvailableTo(ListBoxContainAll); });
    for (QListWidget *list : {ListBoxContainAll, ListBoxContainSome, ListBoxContainNone, ListBoxContainPart}) {
        connect(list, &QListWidget::itemDoubleClicked, this, [list] {
            const QList<QListWidgetItem *> selected = list->selectedItems();
            if (!selected.isEmpty()) {
                delete list->takeItem(list->row(selected.first()));
            }
        });
    }
    connect(ButtonAddPart, &QPushButton::clicked, this, &TfmFilterFiles::AddPart);
    connect(seFrom, &QSpinBox::valueChanged, this, [this](int value) {
        if (seTo->value() < value) {
            seTo->setValue(value);
        }
    });
    connect(seTo, &QSpinBox::valueChanged, this, [this](int value) {
        if (value < seFrom->value()) {
            seFrom->setValue(value);
        }
    });
    connect(cbUseCount, &QCheckBox::toggled, this, &TfmFilterFiles::updateCountVisibility);
    connect(ButtonClearFilters, &QPushButton::clicked, this, &TfmFilterFiles::ClearFilters);
    connect(btOK, &QPushButton::clicked, this, &TfmFilterFiles::accept);
    connect(btCancel, &QPushButton::clicked, this, &TfmFilterFiles::reject);

    // Opening: the available keywords, then the criteria in their stored order.
    ListBoxAvailableKeywords->addItems(AvailableKeywordList.Strings());
    ListBoxContainAll->addItems(KeywordFilter.ContainAll.Strings());
    ListBoxContainSome->addItems(KeywordFilter.ContainSome.Strings());
    ListBoxContainNone->addItems(KeywordFilter.ContainNone.Strings());
    ListBoxContainPart->addItems(KeywordFilter.ContainPart.Strings());
    cbUseCount->setChecked(KeywordFilter.UseCount);
    updateCountVisibility();
    if (KeywordFilter.CountFrom < 0 || KeywordFilter.CountTo < 0) {
        seFrom->setValue(0);
        seTo->setValue(0);
    } else {
        seFrom->setValue(KeywordFilter.CountFrom);
        seTo->setValue(KeywordFilter.CountTo);
    }

    const TFont &listFont = Settings().KeywordListFont();
    for (QListWidget *list :
         {ListBoxAvailableKeywords, ListBoxContainAll, ListBoxContainSome, ListBoxContainNone, ListBoxContainPart}) {
        ApplyKeywordListFont(list, listFont);
    }

    resize(900, 500);
    PlaceFormOnScreen(this, 5, 15);
    // The window sees every key before its controls.
    qApp->installEventFilter(this);
}

QStringList TfmFilterFiles::itemTexts(const QListWidget *list)
{
    QStringList texts;
    texts.reserve(list->count());
    for (int i = 0; i < list->count(); ++i) {
        texts.append(list->item(i)->text());
    }
    return texts;
}

void TfmFilterFiles::filterAvailable()
{
    ListBoxAvailableKeywords->setUpdatesEnabled(false);
    ListBoxAvailableKeywords->clear();
    ListBoxAvailableKeywords->addItems(
        KeywordsContainingText(AvailableKeywordList.Strings(), EditAvailableFilter->text()));
    ListBoxAvailableKeywords->setUpdatesEnabled(true);
}

void TfmFilterFiles::updateCountVisibility()
{
    const bool visible = cbUseCount->isChecked();
    for (QWidget *widget : {static_cast<QWidget *>(lbFrom), static_cast<QWidget *>(lbTo),
                            static_cast<QWidget *>(seFrom), static_cast<QWidget *>(seTo)}) {
        widget->setVisible(visible);
    }
}

void TfmFilterFiles::addSelectedAvailableTo(QListWidget *target)
{
    for (int i = 0; i < ListBoxAvailableKeywords->count(); ++i) {
        const QListWidgetItem *item = ListBoxAvailableKeywords->item(i);
        if (item->isSelected() && !TextInList(target, item->text())) {
            target->addItem(item->text());
        }
    }
}

void TfmFilterFiles::AddPart()
{
    const QString part = RemoveWhiteSpace(EditPartKeyword->text());
    // An empty part matches no keyword, so it would hide every photo: it is not added.
    if (!part.isEmpty() && !TextInList(ListBoxContainPart, part)) {
        ListBoxContainPart->addItem(part);
    }
    EditPartKeyword->clear();
    EditPartKeyword->setFocus(Qt::OtherFocusReason);
}

void TfmFilterFiles::ClearFilters()
{
    for (QListWidget *list : {ListBoxContainAll, ListBoxContainSome, ListBoxContainNone, ListBoxContainPart}) {
        list->clear();
    }
    seFrom->setValue(0);
    seTo->setValue(0);
    cbUseCount->setChecked(false);
}

void TfmFilterFiles::accept()
{
    const QStringList order = CascadeOrderOnAccept(KeywordFilter.ContainCascade, itemTexts(ListBoxContainAll));
    KeywordFilter.ClearFilter();
    KeywordFilter.ContainAll.AddStrings(itemTexts(ListBoxContainAll));
    KeywordFilter.ContainSome.AddStrings(itemTexts(ListBoxContainSome));
    KeywordFilter.ContainNone.AddStrings(itemTexts(ListBoxContainNone));
    KeywordFilter.ContainPart.AddStrings(itemTexts(ListBoxContainPart));
    KeywordFilter.UseCount = cbUseCount->isChecked();
    KeywordFilter.CountFrom = seFrom->value();
    KeywordFilter.CountTo = seTo->value();
    KeywordFilter.ContainCascade = order;
    QDialog::accept();
}

void TfmFilterFiles::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!fPlaced) {
        fPlaced = true;
        PlaceFormOnScreen(this, 5, 15);
        EditAvailableFilter->setFocus(Qt::OtherFocusReason);
    }
}

bool TfmFilterFiles::handleDrop(QListWidget *target, QEvent *event)
{
    auto *drop = static_cast<QDropEvent *>(event);
    if (drop->source() != ListBoxAvailableKeywords) {
        drop->ignore();
        return true;
    }
    drop->setDropAction(Qt::CopyAction);
    drop->accept();
    if (event->type() == QEvent::Drop) {
        addSelectedAvailableTo(target);
    }
    return true;
}

bool TfmFilterFiles::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::DragEnter || type == QEvent::DragMove || type == QEvent::Drop) {
        for (QListWidget *target : {ListBoxContainAll, ListBoxContainSome, ListBoxContainNone}) {
            if (watched == target->viewport()) {
                return handleDrop(target, event);
            }
        }
    }
    if (type == QEvent::KeyPress && watched->isWidgetType() && static_cast<QWidget *>(watched)->window() == this) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Escape) {
            reject();
            return true;
        }
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            if (watched == EditPartKeyword && !EditPartKeyword->text().isEmpty()) {
                AddPart();
            } else {
                accept();
            }
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

bool ShowFilterDialog(QWidget *parent, const TKwStringList &availableKeywordList, TKeywordFilter &keywordFilter)
{
    TfmFilterFiles dialog(availableKeywordList, keywordFilter, parent);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace orvane
