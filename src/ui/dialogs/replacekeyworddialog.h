// The dialog that asks which keyword of the selected photos to replace, and by what.
#pragma once

#include "core/model/kwstringlist.h"

#include <QDialog>
#include <QString>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace orvane
{

class TfmReplaceKeyword : public QDialog
{
    Q_OBJECT

public:
    TfmReplaceKeyword(
        const TKwStringList &keywords, int selectedCount, const QString &fileName, QWidget *parent = nullptr);

    static QString Caption(int selectedCount, const QString &fileName);

    QLabel *lbReplace;
    QComboBox *cbExistingKeywordList;
    QLabel *lbWith;
    QLineEdit *edNewKeyword;
    QPushButton *btOK;
    QPushButton *btCancel;

    // After acceptance: true with the chosen keyword and the new one (white space removed) when
    // both are given and differ in any code unit, a change of case included.
    bool replacement(QString &oldKeyword, QString &newKeyword) const;

protected:
    void showEvent(QShowEvent *event) override;
};

// True, with the pair written to the output strings, when a valid replacement was confirmed;
// otherwise the output strings stay untouched.
bool ShowReplaceKeywordDialog(const TKwStringList &keywords, QString &oldKeyword, QString &newKeyword,
    int selectedCount, const QString &fileName, QWidget *parent = nullptr);

} // namespace orvane
