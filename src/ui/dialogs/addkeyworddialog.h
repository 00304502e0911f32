// The dialog that asks for one new keyword for the folder's keyword list, optionally listing the
// known keywords that contain what was typed.
#pragma once

#include "core/model/kwstringlist.h"

#include <QDialog>
#include <QString>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QWidget;

namespace orvane
{

class TfmAddKeyword : public QDialog
{
    Q_OBJECT

public:
    // globalKeywordList is only read and must outlive the dialog.
    explicit TfmAddKeyword(const TKwStringList &globalKeywordList, QWidget *parent = nullptr);

    const TKwStringList *GlobalKeywordList;
    // Empty until the dialog is accepted; then the keyword text without surrounding white space.
    QString NewKeyword;
    int OrigPanelBottomHeight = 0;

    QWidget *PanelTop;
    QLabel *lbKeyword;
    QLineEdit *edKeyword;
    QPushButton *btOK;
    QPushButton *btCancel;
    QCheckBox *cbShowSimilar;
    QWidget *PanelBottom;
    QListWidget *lbSimilarKeywords;

    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    // Enter and Esc belong to the keyword edit alone.
    void keyPressEvent(QKeyEvent *event) override;

private:
    void applyShowSimilar();
    void updateSimilarKeywords();
    void takeSimilarKeyword();

    bool fShownOnce = false;
};

// Asks for a keyword; true when one was entered that is not empty after removing white space.
// keyword receives the dialog's result either way.
bool ShowAddKeywordDialog(QString &keyword, const TKwStringList &globalKeywordList, QWidget *parent = nullptr);

} // namespace orvane
