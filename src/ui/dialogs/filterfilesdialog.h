// The "Filter Files" dialog: the keywords a shown photo must all carry, of which it must carry
// one, which it must not carry, text fragments of its keywords, and how many keywords it may carry.
#pragma once

#include <QDialog>
#include <QStringList>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;

namespace orvane {

class TKeywordFilter;
class TKwStringList;

class TfmFilterFiles : public QDialog
{
    Q_OBJECT

public:
    static constexpr int MaxCount = 10000000;

    // Shows the filter's criteria; the filter itself changes only in accept().
    TfmFilterFiles(const TKwStringList &availableKeywordList, TKeywordFilter &keywordFilter, QWidget *parent = nullptr);

    QListWidget *ListBoxAvailableKeywords = nullptr;
    QListWidget *ListBoxContainAll = nullptr;
    QListWidget *ListBoxContainSome = nullptr;
    QListWidget *ListBoxContainNone = nullptr;
    QListWidget *ListBoxContainPart = nullptr;
    QLineEdit *EditAvailableFilter = nullptr;
    QPushButton *ButtonAvailableClear = nullptr;
    QLineEdit *EditPartKeyword = nullptr;
    QPushButton *ButtonAddPart = nullptr;
    QCheckBox *cbUseCount = nullptr;
    QLabel *lbFrom = nullptr;
    QLabel *lbTo = nullptr;
    QSpinBox *seFrom = nullptr;
    QSpinBox *seTo = nullptr;
    QPushButton *ButtonClearFilters = nullptr;
    QLabel *StatusLine = nullptr;

    // Appends the available list's selected keywords, in list order, to a target list; keywords
    // already there (letter case ignored) are skipped.
    void addSelectedAvailableTo(QListWidget *target);
    // The part edit's text without surrounding white space goes into the part list.
    void AddPart();
    void ClearFilters();

    // Every item text of a list, in list order.
    static QStringList itemTexts(const QListWidget *list);

    // Writes the criteria into the filter and closes the dialog.
    void accept() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void filterAvailable();
    void updateCountVisibility();
    bool handleDrop(QListWidget *target, QEvent *event);

    const TKwStringList &AvailableKeywordList;
    TKeywordFilter &KeywordFilter;
    bool fPlaced = false;
};

// Opens the filter dialog modally; true when the user accepted, and only then is the filter changed.
bool ShowFilterDialog(QWidget *parent, const TKwStringList &availableKeywordList, TKeywordFilter &keywordFilter);

} // namespace orvane
