// The cascade filter: keyword levels side by side, each offering the keywords that remain on the
// photos carrying every keyword picked in the levels before it.
#pragma once

#include <QDialog>
#include <QStringList>

#include <memory>
#include <vector>

class QCheckBox;
class QLabel;
class QPushButton;

namespace orvane {

class TCascade;
class TFileSet;
class TKeywordFilter;
class TKwStringList;

class TfmCascadeFilter : public QDialog
{
    Q_OBJECT

public:
    static constexpr int MinCascadeCount = 2;
    static constexpr int MaxCascadeCount = 10;

    // Builds the levels (as many as the settings remember), places the window and restores the
    // filter's remembered chain. Nothing is written to the filter before accept().
    TfmCascadeFilter(const TKwStringList &availableKeywordList, TKeywordFilter &keywordFilter,
                     const TFileSet &fileSet, QWidget *parent = nullptr);
    ~TfmCascadeFilter() override;

    int cascadeCount() const { return int(CascadeList.size()); }
    TCascade &cascade(int index) const { return *CascadeList.at(std::size_t(index)); }
    int FileCount = 0;

    // The picked keyword of every level that has one, in level order.
    QStringList pickedKeywords() const;

    // Picks the keyword at row of a level, as a click would.
    void pick(int level, int row);

    void AddCascade();
    void RemoveCascade();

    QLabel *infoLine() const { return lbInfo; }
    QPushButton *addCascadeButton() const { return btAddCascade; }
    QPushButton *removeCascadeButton() const { return btRemoveCascade; }
    QCheckBox *autoFocusBox() const { return cbAutoFocus; }

    // Writes the chain into the filter and closes the window.
    void accept() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    TCascade *newCascade();
    void ArrangeCascades();
    void UpdateButtons();
    void PickInCascade(int index);
    void FilterCascade(int index);
    void ClearLaterCascades(int index, bool clearEdits);
    void RecountFiles();
    void UpdateInfo();
    void RestoreChain();
    void fillList(TCascade &cascade, const QStringList &keywords);

    const TFileSet &FileSet;
    const TKwStringList &AvailableKeywordList;
    TKeywordFilter &KeywordFilter;
    std::vector<std::unique_ptr<TCascade>> CascadeList;

    QLabel *lbInfo = nullptr;
    QWidget *fCascadeArea = nullptr;
    QPushButton *btAddCascade = nullptr;
    QPushButton *btRemoveCascade = nullptr;
    QCheckBox *cbAutoFocus = nullptr;
    bool fPlaced = false;
    // Set while the program itself refills lists, so that selection changes are not picks.
    bool fUpdating = false;
};

// Opens the cascade filter modally; true when the user accepted, and only then is the filter changed.
bool ShowCascadeFilter(QWidget *parent, const TKwStringList &availableKeywordList, TKeywordFilter &keywordFilter,
                       const TFileSet &fileSet);

} // namespace orvane
