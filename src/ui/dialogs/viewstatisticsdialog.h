// The keyword statistics window: totals, keywords by usage and photos by keyword count; a
// double-click turns a row into the main window's filter.
#pragma once

#include "core/model/statistic.h"

#include <QDialog>

#include <memory>

class QLabel;
class QPushButton;
class QTabWidget;
class QTreeWidget;
class QTreeWidgetItem;

namespace orvane {

class TFileSet;
class TKeywordFilter;

class TfmViewStatistics : public QDialog
{
    Q_OBJECT

public:
    // keywordFilter is the main window's filter, changed only by a double-click.
    TfmViewStatistics(const TFileSet &fileSet, const QString &folderText, TKeywordFilter &keywordFilter,
                      QWidget *parent = nullptr);
    ~TfmViewStatistics() override;

    std::unique_ptr<TStatistic> Statistic;
    TKeywordFilter *KeywordFilter;
    bool FilterChanged = false;

    QTreeWidget *LVHead = nullptr;
    QTreeWidget *LV = nullptr;
    QTreeWidget *LV2 = nullptr;
    QTabWidget *PageControl = nullptr;
    QPushButton *btCopyToClipboard = nullptr;
    QPushButton *btClose = nullptr;
    QLabel *lbStatus = nullptr;

    // The statistics as the tables show them, in the clipboard's text layout.
    QString ClipboardText() const;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void FillTables();
    void SetColumnWidths();
    void CopyToClipboard();
    void FilterByKeyword(QTreeWidgetItem *item);
    void FilterByCount(QTreeWidgetItem *item);

    bool fFilled = false;
};

// Shows the statistics of every photo of fileSet modally; FilterChanged tells whether a
// double-click replaced keywordFilter (the caller then filters the photos with it).
void ShowStatistics(QWidget *parent, const TFileSet &fileSet, const QString &folderText,
                    TKeywordFilter &keywordFilter, bool &FilterChanged);

} // namespace orvane
