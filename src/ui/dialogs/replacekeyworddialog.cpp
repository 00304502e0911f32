// The replace keyword dialog.
#include "ui/dialogs/replacekeyworddialog.h"

#include "core/model/keywordtext.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace orvane
{

namespace
{

// Tells when its drop-down closes, so that the focus can move on to the new keyword.
class ChoiceBox : public QComboBox
{
public:
    using QComboBox::QComboBox;
    std::function<void()> onPopupClosed;

    void hidePopup() override
    {
        QComboBox::hidePopup();
        if (onPopupClosed) {
            onPopupClosed();
        }
    }
};

} // namespace

QString TfmReplaceKeyword::Caption(int selectedCount, const QString &fileName)
{
    return selectedCount == 1 ? QStringLiteral("Replace keyword in %1").arg(fileName)
                              : QStringLiteral("Replace keyword in %1 files").arg(selectedCount);
}

TfmReplaceKeyword::TfmReplaceKeyword(
    const TKwStringList &keywords, int selectedCount, const QString &fileName, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(Caption(selectedCount, fileName));

    auto *upper = new QWidget(this);
    lbReplace = new QLabel(QStringLiteral("Replace:"), upper);
    auto *choice = new ChoiceBox(upper);
    cbExistingKeywordList = choice;
    cbExistingKeywordList->setEditable(false);
    cbExistingKeywordList->setMaxVisibleItems(24);
    cbExistingKeywordList->addItems(keywords.Strings());
    cbExistingKeywordList->setCurrentIndex(-1);
    cbExistingKeywordList->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cbExistingKeywordList->setMinimumContentsLength(20);
    lbReplace->setBuddy(cbExistingKeywordList);
    lbWith = new QLabel(QStringLiteral("with"), upper);
    edNewKeyword = new QLineEdit(upper);
    lbWith->setBuddy(edNewKeyword);

    auto *row = new QHBoxLayout(upper);
    row->setContentsMargins(8, 8, 8, 0);
    row->addWidget(lbReplace);
    row->addWidget(cbExistingKeywordList, 1);
    row->addWidget(lbWith);
    row->addWidget(edNewKeyword, 1);

    auto *bottom = new QWidget(this);
    btOK = new QPushButton(QStringLiteral("OK"), bottom);
    btCancel = new QPushButton(QStringLiteral("Cancel"), bottom);
    // No default button: Enter accepts only in the new-keyword edit. Esc cancels anywhere.
    btOK->setAutoDefault(false);
    btCancel->setAutoDefault(false);
    auto *buttons = new QHBoxLayout(bottom);
    buttons->setContentsMargins(8, 0, 8, 8);
    buttons->addStretch(1);
    buttons->addWidget(btOK);
    buttons->addWidget(btCancel);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(upper);
    layout->addStretch(1);
    layout->addWidget(bottom);

    setFixedSize(766, 105);

    choice->onPopupClosed = [this] { edNewKeyword->setFocus(Qt::OtherFocusReason); };
    connect(edNewKeyword, &QLineEdit::returnPressed, this, &QDialog::accept);
    connect(btOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(btCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TfmReplaceKeyword::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    cbExistingKeywordList->setFocus(Qt::OtherFocusReason);
    if (const QScreen *screen = this->screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

bool TfmReplaceKeyword::replacement(QString &oldKeyword, QString &newKeyword) const
{
    if (result() != QDialog::Accepted) {
        return false;
    }
    const QString chosen
        = cbExistingKeywordList->currentIndex() >= 0 ? cbExistingKeywordList->currentText() : QString();
    const QString typed = RemoveWhiteSpace(edNewKeyword->text());
    if (chosen.isEmpty() || typed.isEmpty() || chosen == typed) {
        return false;
    }
    oldKeyword = chosen;
    newKeyword = typed;
    return true;
}

bool ShowReplaceKeywordDialog(const TKwStringList &keywords, QString &oldKeyword, QString &newKeyword,
    int selectedCount, const QString &fileName, QWidget *parent)
{
    TfmReplaceKeyword dialog(keywords, selectedCount, fileName, parent);
    dialog.exec();
    return dialog.replacement(oldKeyword, newKeyword);
}

} // namespace orvane
