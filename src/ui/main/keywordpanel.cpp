// The keyword panel's controls and its two list rules: the filter and the recent list.
#include "ui/main/keywordpanel.h"

#include "core/model/keywordtext.h"
#include "ui/main/keywordlistbox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSplitter>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace orvane {

namespace {

constexpr int CounterRole = Qt::UserRole + 1;

struct RecentEntry
{
    QString keyword;
    int counter;
};

} // namespace

TKeywordPanel::TKeywordPanel(QWidget *parent) : QWidget(parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);

    auto *top = new QHBoxLayout();
    top->setContentsMargins(4, 3, 2, 0);
    top->setSpacing(4);
    top->addWidget(new QLabel(QStringLiteral("Filter keywords"), this));
    edFilter = new QLineEdit(this);
    edFilter->setObjectName(QStringLiteral("edFilter"));
    edFilter->installEventFilter(this);
    top->addWidget(edFilter, 1);
    btContainsClear = new QToolButton(this);
    btContainsClear->setText(QStringLiteral("x"));
    btContainsClear->setAutoRaise(false);
    btContainsClear->setFocusPolicy(Qt::NoFocus);
    top->addWidget(btContainsClear);
    layout->addLayout(top);

    SplitterRecent = new QSplitter(Qt::Vertical, this);
    SplitterRecent->setChildrenCollapsible(false);
    ListBoxKeywords = new TKeywordListBox(SplitterRecent);
    ListBoxKeywords->setObjectName(QStringLiteral("ListBoxKeywords"));
    ListBoxRecent = new TKeywordListBox(SplitterRecent);
    ListBoxRecent->setObjectName(QStringLiteral("ListBoxRecent"));
    ListBoxRecent->setMinimumHeight(30);
    ListBoxRecent->hide();
    SplitterRecent->addWidget(ListBoxKeywords);
    SplitterRecent->addWidget(ListBoxRecent);
    SplitterRecent->setStretchFactor(0, 1);
    SplitterRecent->setStretchFactor(1, 0);
    SplitterRecent->setSizes({400, 97});
    layout->addWidget(SplitterRecent, 1);

    auto *bottom = new QHBoxLayout();
    bottom->setContentsMargins(2, 0, 2, 3);
    bottom->setSpacing(4);
    btFont = new QToolButton(this);
    btFont->setText(QStringLiteral("Font"));
    btFont->setPopupMode(QToolButton::MenuButtonPopup);
    btFont->setToolButtonStyle(Qt::ToolButtonTextOnly);
    PopupMenuFont = new QMenu(btFont);
    btFont->setMenu(PopupMenuFont);
    bottom->addWidget(btFont);
    bottom->addSpacing(6);
    bottom->addWidget(new QLabel(QStringLiteral("Columns:"), this));
    cbColumnCount = new QComboBox(this);
    for (int i = 1; i <= 20; ++i) {
        cbColumnCount->addItem(QString::number(i));
    }
    cbColumnCount->setMaxVisibleItems(24);
    cbColumnCount->setCurrentIndex(0);
    bottom->addWidget(cbColumnCount);
    cbRecent = new QCheckBox(QStringLiteral("Recent"), this);
    bottom->addWidget(cbRecent);
    bottom->addStretch(1);
    layout->addLayout(bottom);

    connect(edFilter, &QLineEdit::textChanged, this, &TKeywordPanel::filterTextChanged);
    connect(btContainsClear, &QToolButton::clicked, edFilter, &QLineEdit::clear);
    connect(btFont, &QToolButton::clicked, this, &TKeywordPanel::fontButtonClicked);
    connect(cbColumnCount, &QComboBox::currentIndexChanged, this, &TKeywordPanel::applyColumnCount);
    connect(cbRecent, &QCheckBox::toggled, ListBoxRecent, &QWidget::setVisible);
}

void TKeywordPanel::fillKeywordList(const TKwStringList &globalKeywords)
{
    const QString filter = edFilter->text();
    if (filter.isEmpty()) {
        ListBoxKeywords->setItemTexts(globalKeywords.Strings());
        return;
    }
    QStringList shown;
    for (const QString &keyword : globalKeywords) {
        if (TextContains(keyword, filter)) {
            shown.append(keyword);
        }
    }
    ListBoxKeywords->setItemTexts(shown);
}

void TKeywordPanel::UpdateRecentList(const QStringList &keywords, int recentCount)
{
    const QStringList wasSelected = ListBoxRecent->selectedTexts();

    QList<RecentEntry> entries;
    int highest = 0;
    for (int i = 0; i < ListBoxRecent->count(); ++i) {
        const QListWidgetItem *item = ListBoxRecent->item(i);
        const int counter = item->data(CounterRole).toInt();
        entries.append({item->text(), counter});
        highest = std::max(highest, counter);
    }

    for (auto keyword = keywords.crbegin(); keyword != keywords.crend(); ++keyword) {
        QStringList texts;
        texts.reserve(entries.size());
        for (const RecentEntry &entry : std::as_const(entries)) {
            texts.append(entry.keyword);
        }
        const int index = TextIndexInList(texts, *keyword);
        int count = highest + 1;
        if (index >= 0) {
            count = entries.at(index).counter + 1;
            entries.removeAt(index);
        }
        entries.prepend({*keyword, count});
    }

    // Stable, so among equal counts the most recently dropped survive the cut.
    std::stable_sort(entries.begin(), entries.end(),
                     [](const RecentEntry &a, const RecentEntry &b) { return a.counter > b.counter; });
    if (entries.size() > std::max(recentCount, 0)) {
        entries.resize(std::max(recentCount, 0));
    }
    std::sort(entries.begin(), entries.end(), [](const RecentEntry &a, const RecentEntry &b) {
        return CompareKeywords(a.keyword, b.keyword) < 0;
    });

    ListBoxRecent->setUpdatesEnabled(false);
    ListBoxRecent->clear();
    for (const RecentEntry &entry : std::as_const(entries)) {
        auto *item = new QListWidgetItem(entry.keyword, ListBoxRecent);
        item->setData(CounterRole, entry.counter);
        item->setSelected(TextInList(wasSelected, entry.keyword));
    }
    ListBoxRecent->setUpdatesEnabled(true);
}

int TKeywordPanel::recentCount(const QString &keyword) const
{
    for (int i = 0; i < ListBoxRecent->count(); ++i) {
        if (SameKeyword(ListBoxRecent->item(i)->text(), keyword)) {
            return ListBoxRecent->item(i)->data(CounterRole).toInt();
        }
    }
    return 0;
}

void TKeywordPanel::clearRecentList()
{
    ListBoxRecent->clear();
}

void TKeywordPanel::setKeywordListFont(const TFont &font)
{
    for (TKeywordListBox *list : {ListBoxKeywords, ListBoxRecent}) {
        list->setFont(font.font);
        if ((font.color & clSystemColor) == clSystemColor) {
            list->setPalette(QPalette()); // follow the theme
        } else {
            QPalette palette = list->palette();
            palette.setColor(QPalette::Text, font.qcolor());
            list->setPalette(palette);
        }
        list->doItemsLayout();
    }
}

void TKeywordPanel::takeTypedFilterText(const QString &text)
{
    edFilter->setFocus(Qt::OtherFocusReason);
    edFilter->setText(text);
    edFilter->setCursorPosition(int(edFilter->text().size()));
}

bool TKeywordPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == edFilter && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
        edFilter->clear();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TKeywordPanel::applyColumnCount()
{
    const int columns = cbColumnCount->currentIndex() + 1;
    ListBoxKeywords->setColumnCount(columns);
    ListBoxRecent->setColumnCount(columns);
}

} // namespace orvane
