// The dialog in which the user ticks the keywords to remove from the selected photos.
#pragma once

#include "core/model/kwstringlist.h"

#include <QDialog>
#include <QString>
#include <QStringList>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QWidget;

namespace orvane
{

class TfmDeleteKeyword : public QDialog
{
    Q_OBJECT

public:
    // keywords in their (sorted) order; the caption names the photo when one is selected.
    TfmDeleteKeyword(
        const TKwStringList &keywords, int selectedCount, const QString &fileName, QWidget *parent = nullptr);

    static QString Caption(int selectedCount, const QString &fileName);

    bool IsSingleKeywordDeletion = false;
    QString SingleKeywordToDelete;

    QListWidget *CheckListBox;
    QWidget *PanelBottom;
    QLabel *lbColumns;
    QComboBox *cbColumnCount;
    QPushButton *btDeleteAll;
    QPushButton *btDeleteSelected;
    QPushButton *btCancel;
    QLabel *StatusBar;

    void setColumnCount(int columns);
    // After acceptance: the double-clicked keyword alone, or every ticked keyword. Empty otherwise.
    TKwStringList keywordsToDelete() const;

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void deleteAll();
    void deleteOne();
    void updateColumnLayout();

    int fColumns = 1;
};

// Lets the user choose keywords to delete; an empty list when cancelled or nothing was chosen.
TKwStringList ShowDeleteKeywordDialog(
    const TKwStringList &keywords, int selectedCount, const QString &fileName, QWidget *parent = nullptr);

} // namespace orvane
