// The add keyword dialog.
#include "ui/dialogs/addkeyworddialog.h"

#include "core/model/keywordtext.h"
#include "core/settings/settings.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace orvane
{

namespace
{

constexpr int kPanelTopHeight = 88;
constexpr int kPanelBottomHeight = 204;

bool IsEnterOrEscape(const QKeyEvent *key)
{
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter || key->key() == Qt::Key_Escape;
}

} // namespace

TfmAddKeyword::TfmAddKeyword(const TKwStringList &globalKeywordList, QWidget *parent)
    : QDialog(parent)
    , GlobalKeywordList(&globalKeywordList)
{
    setWindowTitle(QStringLiteral("Add new keyword to the list"));

    PanelTop = new QWidget(this);
    PanelTop->setFixedHeight(kPanelTopHeight);
    lbKeyword = new QLabel(QStringLiteral("Keyword:"), PanelTop);
    edKeyword = new QLineEdit(PanelTop);
    lbKeyword->setBuddy(edKeyword);
    btOK = new QPushButton(QStringLiteral("OK"), PanelTop);
    btCancel = new QPushButton(QStringLiteral("Cancel"), PanelTop);
    // Neither button answers Enter or Esc; the keyword edit does.
    for (QPushButton *button : { btOK, btCancel }) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    cbShowSimilar = new QCheckBox(QStringLiteral("Show similar keywords"), PanelTop);

    auto *editRow = new QHBoxLayout;
    editRow->addWidget(lbKeyword);
    editRow->addWidget(edKeyword, 1);
    auto *buttonRow = new QHBoxLayout;
    buttonRow->addWidget(cbShowSimilar);
    buttonRow->addStretch(1);
    buttonRow->addWidget(btOK);
    buttonRow->addWidget(btCancel);
    auto *topLayout = new QVBoxLayout(PanelTop);
    topLayout->setContentsMargins(8, 8, 8, 8);
    topLayout->addLayout(editRow);
    topLayout->addLayout(buttonRow);

    PanelBottom = new QWidget(this);
    lbSimilarKeywords = new QListWidget(PanelBottom);
    lbSimilarKeywords->setSelectionMode(QAbstractItemView::SingleSelection);
    auto *bottomLayout = new QVBoxLayout(PanelBottom);
    bottomLayout->setContentsMargins(8, 0, 8, 8);
    bottomLayout->addWidget(lbSimilarKeywords);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(PanelTop);
    layout->addWidget(PanelBottom, 1);
    // The window is sized by hand when the list is shown or hidden.
    layout->setSizeConstraint(QLayout::SetNoConstraint);

    resize(451, kPanelTopHeight + kPanelBottomHeight);
    edKeyword->installEventFilter(this);

    connect(btOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(btCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(cbShowSimilar, &QCheckBox::clicked, this, &TfmAddKeyword::applyShowSimilar);
    connect(edKeyword, &QLineEdit::textChanged, this, [this] {
        if (cbShowSimilar->isChecked()) {
            updateSimilarKeywords();
        }
    });
    connect(lbSimilarKeywords, &QListWidget::itemClicked, this, &TfmAddKeyword::takeSimilarKeyword);
}

void TfmAddKeyword::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (fShownOnce) {
        return;
    }
    fShownOnce = true;
    OrigPanelBottomHeight = kPanelBottomHeight;
    cbShowSimilar->setChecked(Settings().ShowSimilarKeywordsOnAdd());
    applyShowSimilar();
    if (const QScreen *screen = this->screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

void TfmAddKeyword::applyShowSimilar()
{
    const bool show = cbShowSimilar->isChecked();
    PanelBottom->setVisible(show);
    resize(width(), kPanelTopHeight + (show ? OrigPanelBottomHeight : 0));
    edKeyword->setFocus(Qt::OtherFocusReason);
}

void TfmAddKeyword::updateSimilarKeywords()
{
    lbSimilarKeywords->setUpdatesEnabled(false);
    lbSimilarKeywords->clear();
    const QString text = edKeyword->text();
    if (!text.isEmpty()) {
        QStringList similar;
        for (const QString &keyword : *GlobalKeywordList) {
            if (TextContains(keyword, text)) {
                similar.append(keyword);
            }
        }
        lbSimilarKeywords->addItems(similar);
    }
    lbSimilarKeywords->setUpdatesEnabled(true);
}

void TfmAddKeyword::takeSimilarKeyword()
{
    const QListWidgetItem *item = lbSimilarKeywords->currentItem();
    if (!item || !item->isSelected()) {
        return;
    }
    const QString text = item->text();
    edKeyword->setText(text);
    edKeyword->setFocus(Qt::MouseFocusReason);
    edKeyword->setCursorPosition(int(text.size()));
}

bool TfmAddKeyword::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == edKeyword && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            accept();
            return true;
        }
        if (key->key() == Qt::Key_Escape) {
            reject();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TfmAddKeyword::keyPressEvent(QKeyEvent *event)
{
    if (IsEnterOrEscape(event)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TfmAddKeyword::done(int result)
{
    NewKeyword = result == QDialog::Accepted ? RemoveWhiteSpace(edKeyword->text()) : QString();
    QDialog::done(result);
}

bool ShowAddKeywordDialog(QString &keyword, const TKwStringList &globalKeywordList, QWidget *parent)
{
    TfmAddKeyword dialog(globalKeywordList, parent);
    dialog.NewKeyword.clear();
    dialog.exec();
    keyword = dialog.NewKeyword;
    return !RemoveWhiteSpace(keyword).isEmpty();
}

} // namespace orvane
