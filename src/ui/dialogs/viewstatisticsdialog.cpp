// The keyword statistics window.
#include "ui/dialogs/viewstatisticsdialog.h"

#include "core/model/fileset.h"
#include "core/model/keywordfilter.h"

#include <QClipboard>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace orvane {

namespace {

constexpr int GroupCountRole = Qt::UserRole + 1;

QTreeWidget *newTable(const QStringList &captions, QWidget *parent)
{
    auto *table = new QTreeWidget(parent);
    table->setColumnCount(int(captions.size()));
    table->setHeaderLabels(captions);
    table->setRootIsDecorated(false);
    table->setUniformRowHeights(true);
    table->setItemsExpandable(false);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setAllColumnsShowFocus(true);
    table->header()->setStretchLastSection(false);
    table->header()->setSectionsMovable(false);
    return table;
}

QLabel *newHeading(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    QFont font = label->font();
    font.setPointSizeF(font.pointSizeF() * 1.5);
    font.setBold(true);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

void addRows(QTreeWidget *table, const QList<QStringList> &rows, int rightAlignedFrom)
{
    QList<QTreeWidgetItem *> items;
    items.reserve(rows.size());
    for (const QStringList &row : rows) {
        auto *item = new QTreeWidgetItem(row);
        for (int column = rightAlignedFrom; column < row.size(); ++column) {
            item->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
        }
        items.append(item);
    }
    table->addTopLevelItems(items);
}

QStringList headerCaptions(const QTreeWidget *table)
{
    QStringList captions;
    for (int column = 0; column < table->columnCount(); ++column) {
        captions.append(table->headerItem()->text(column));
    }
    return captions;
}

QList<QStringList> shownRows(const QTreeWidget *table)
{
    QList<QStringList> rows;
    for (int i = 0; i < table->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *item = table->topLevelItem(i);
        QStringList cells;
        for (int column = 0; column < table->columnCount(); ++column) {
            cells.append(item->text(column));
        }
        rows.append(cells);
    }
    return rows;
}

} // namespace

TfmViewStatistics::TfmViewStatistics(const TFileSet &fileSet, const QString &folderText, TKeywordFilter &keywordFilter,
                                     QWidget *parent)
    : QDialog(parent), Statistic(std::make_unique<TStatistic>(fileSet)), KeywordFilter(&keywordFilter)
{
    setWindowTitle(QStringLiteral("Statistics ") + folderText);
    resize(560, 620);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(newHeading(QStringLiteral("Totals"), this));

    LVHead = newTable({QString(), QString()}, this);
    LVHead->setHeaderHidden(true);
    LVHead->setObjectName(QStringLiteral("LVHead"));
    layout->addWidget(LVHead);

    layout->addWidget(newHeading(QStringLiteral("Details"), this));
    PageControl = new QTabWidget(this);
    LV = newTable({QStringLiteral("#"), QStringLiteral("Keyword"), QStringLiteral("Used Count")}, PageControl);
    LV->setObjectName(QStringLiteral("LV"));
    LV->headerItem()->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
    LV2 = newTable({QStringLiteral("#"), QStringLiteral("Keywords in file"), QStringLiteral("File Count")},
                   PageControl);
    LV2->setObjectName(QStringLiteral("LV2"));
    PageControl->addTab(LV, QStringLiteral("Keywords"));
    PageControl->addTab(LV2, QStringLiteral("Files"));
    layout->addWidget(PageControl, 1);

    auto *buttons = new QHBoxLayout();
    btCopyToClipboard = new QPushButton(QStringLiteral("Copy to Clipboard"), this);
    btCopyToClipboard->setAutoDefault(false);
    btClose = new QPushButton(QStringLiteral("Close"), this);
    btClose->setDefault(true);
    buttons->addWidget(btCopyToClipboard);
    buttons->addStretch(1);
    buttons->addWidget(btClose);
    layout->addLayout(buttons);
    lbStatus = new QLabel(QStringLiteral("Double click on list to filter by keyword or filter by keywords count."),
                          this);
    layout->addWidget(lbStatus);

    // Esc closes through QDialog::reject; Close is the default button for Enter.
    connect(btClose, &QPushButton::clicked, this, &QDialog::reject);
    connect(btCopyToClipboard, &QPushButton::clicked, this, &TfmViewStatistics::CopyToClipboard);
    connect(LV, &QTreeWidget::itemDoubleClicked, this, &TfmViewStatistics::FilterByKeyword);
    connect(LV2, &QTreeWidget::itemDoubleClicked, this, &TfmViewStatistics::FilterByCount);

    FillTables();
}

TfmViewStatistics::~TfmViewStatistics() = default;

void TfmViewStatistics::FillTables()
{
    addRows(LVHead, Statistic->TotalsRows(), 1);
    addRows(LV, Statistic->KeywordRows(), 2);
    const QList<QStringList> fileRows = Statistic->FileRows();
    addRows(LV2, fileRows, 3);
    for (int i = 0; i < LV2->topLevelItemCount(); ++i) {
        LV2->topLevelItem(i)->setData(0, GroupCountRole, Statistic->GroupKeywordsInFile(i));
    }
    // The totals table is exactly as high as its four rows.
    const int rowHeight = LVHead->sizeHintForRow(0);
    LVHead->setFixedHeight(rowHeight * LVHead->topLevelItemCount() + 2 * LVHead->frameWidth() + 2);
    LVHead->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    PageControl->setCurrentWidget(LV);
    SetColumnWidths();
}

void TfmViewStatistics::SetColumnWidths()
{
    const QFontMetrics metrics(LV->font());
    const int number = metrics.horizontalAdvance(QStringLiteral("9,999,999"));
    const int count = metrics.horizontalAdvance(QStringLiteral("9,999,999,999"));
    const int half = width() / 2;
    for (QTreeWidget *table : {LV, LV2}) {
        table->setColumnWidth(0, number);
        table->setColumnWidth(1, half);
        table->setColumnWidth(2, count);
    }
    LVHead->setColumnWidth(0, half);
    LVHead->setColumnWidth(1, count);
}

void TfmViewStatistics::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    SetColumnWidths();
}

void TfmViewStatistics::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    PageControl->setCurrentWidget(LV);
    SetColumnWidths();
}

QString TfmViewStatistics::ClipboardText() const
{
    return StatisticText(windowTitle(), shownRows(LVHead), headerCaptions(LV), shownRows(LV), headerCaptions(LV2),
                         shownRows(LV2));
}

void TfmViewStatistics::CopyToClipboard()
{
    QGuiApplication::clipboard()->setText(ClipboardText());
}

void TfmViewStatistics::FilterByKeyword(QTreeWidgetItem *item)
{
    if (!item) {
        return;
    }
    KeywordFilter->ClearFilter();
    KeywordFilter->ContainAll.Add(item->text(1));
    FilterChanged = true;
    accept();
}

void TfmViewStatistics::FilterByCount(QTreeWidgetItem *item)
{
    if (!item) {
        return;
    }
    const int keywordsInFile = item->data(0, GroupCountRole).toInt();
    KeywordFilter->ClearFilter();
    KeywordFilter->CountFrom = keywordsInFile;
    KeywordFilter->CountTo = keywordsInFile;
    KeywordFilter->UseCount = true;
    FilterChanged = true;
    accept();
}

void ShowStatistics(QWidget *parent, const TFileSet &fileSet, const QString &folderText,
                    TKeywordFilter &keywordFilter, bool &FilterChanged)
{
    TfmViewStatistics dialog(fileSet, folderText, keywordFilter, parent);
    dialog.FilterChanged = false;
    dialog.exec();
    FilterChanged = dialog.FilterChanged;
}

} // namespace orvane
