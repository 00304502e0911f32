// The cascade filter window: building and removing levels, picking, per-level text filters and
// the information line.
#include "ui/dialogs/cascadefilterdialog.h"

#include "core/model/fileset.h"
#include "core/model/keywordfilter.h"
#include "core/settings/settings.h"
#include "ui/dialogs/cascade.h"
#include "ui/dialogs/filterrules.h"
#include "ui/dialogs/keywordlistfont.h"
#include "ui/dialogs/listcontrolsearch.h"
#include "ui/dialogs/placeformonscreen.h"

#include <QApplication>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace orvane {

TfmCascadeFilter::TfmCascadeFilter(const TKwStringList &availableKeywordList, TKeywordFilter &keywordFilter,
                                   const TFileSet &fileSet, QWidget *parent)
    : QDialog(parent), FileSet(fileSet), AvailableKeywordList(availableKeywordList), KeywordFilter(keywordFilter)
{
    setWindowTitle(QStringLiteral("Cascade Filter"));
    setObjectName(QStringLiteral("fmCascadeFilter"));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    const TFont &listFont = Settings().KeywordListFont();

    auto *topRow = new QWidget(this);
    auto *topLayout = new QHBoxLayout(topRow);
    lbInfo = new QLabel(topRow);
    lbInfo->setObjectName(QStringLiteral("lbInfo"));
    lbInfo->clear();
    ApplyKeywordListFont(lbInfo, listFont);
    // The label sits half its height in from the left and the top; the row is as high as that
    // offset plus twice the label's height.
    const int labelHeight = lbInfo->fontMetrics().height();
    topLayout->setContentsMargins(labelHeight / 2, labelHeight / 2, labelHeight / 2, 0);
    topLayout->addWidget(lbInfo, 0, Qt::AlignTop);
    topRow->setFixedHeight(labelHeight / 2 + 2 * labelHeight);
    layout->addWidget(topRow);

    fCascadeArea = new QWidget(this);
    fCascadeArea->setObjectName(QStringLiteral("CascadeArea"));
    fCascadeArea->installEventFilter(this);
    layout->addWidget(fCascadeArea, 1);

    auto *bottomRow = new QWidget(this);
    auto *bottomLayout = new QHBoxLayout(bottomRow);
    btAddCascade = new QPushButton(QStringLiteral("Add Cascade"), bottomRow);
    btRemoveCascade = new QPushButton(QStringLiteral("Remove Cascade"), bottomRow);
    cbAutoFocus = new QCheckBox(QStringLiteral("Auto focus next cascade on click"), bottomRow);
    auto *btOK = new QPushButton(QStringLiteral("OK"), bottomRow);
    auto *btCancel = new QPushButton(QStringLiteral("Cancel"), bottomRow);
    btAddCascade->setAutoDefault(false);
    btRemoveCascade->setAutoDefault(false);
    btCancel->setAutoDefault(false);
    btOK->setDefault(true);
    bottomLayout->addWidget(btAddCascade);
    bottomLayout->addWidget(btRemoveCascade);
    bottomLayout->addSpacing(12);
    bottomLayout->addWidget(cbAutoFocus);
    bottomLayout->addStretch(1);
    bottomLayout->addWidget(btOK);
    bottomLayout->addWidget(btCancel);
    layout->addWidget(bottomRow);

    connect(btAddCascade, &QPushButton::clicked, this, [this] {
        AddCascade();
        Settings().setCascadeCount(cascadeCount());
    });
    connect(btRemoveCascade, &QPushButton::clicked, this, [this] {
        if (cascadeCount() <= MinCascadeCount) {
            return;
        }
        RemoveCascade();
        Settings().setCascadeCount(cascadeCount());
    });
    connect(cbAutoFocus, &QCheckBox::clicked, this, [](bool checked) { Settings().setAutoFocusNextCascade(checked); });
    connect(btOK, &QPushButton::clicked, this, &TfmCascadeFilter::accept);
    connect(btCancel, &QPushButton::clicked, this, &TfmCascadeFilter::reject);

    cbAutoFocus->setChecked(Settings().AutoFocusNextCascade());

    // Level 0 offers every keyword of the folder.
    TCascade *first = newCascade();
    first->AvailableKeywordList = AvailableKeywordList;
    fillList(*first, AvailableKeywordList.Strings());
    first->SetIndex(0);

    const int wanted = std::clamp(Settings().CascadeCount(), MinCascadeCount, MaxCascadeCount);
    while (cascadeCount() < wanted) {
        AddCascade();
    }
    ArrangeCascades();
    UpdateButtons();

    resize(900, 500);
    PlaceFormOnScreen(this, 5, 15);
    RestoreChain();
    UpdateInfo();

    // The window sees every key before its controls.
    qApp->installEventFilter(this);
}

TfmCascadeFilter::~TfmCascadeFilter() = default;

TCascade *TfmCascadeFilter::newCascade()
{
    const int n = cascadeCount();
    auto cascade = std::make_unique<TCascade>();

    auto *panel = new QWidget(fCascadeArea);
    panel->setObjectName(QStringLiteral("Panel%1").arg(n));
    auto *panelLayout = new QVBoxLayout(panel);
    panelLayout->setContentsMargins(1, 0, 1, 1);
    panelLayout->setSpacing(2);

    auto *top = new QWidget(panel);
    top->setObjectName(QStringLiteral("Panel%1Top").arg(n));
    auto *topLayout = new QHBoxLayout(top);
    topLayout->setContentsMargins(2, 2, 2, 0);
    topLayout->setSpacing(4);
    auto *label = new QLabel(QStringLiteral("Filter"), top);
    label->setObjectName(QStringLiteral("LabelFilter%1").arg(n));
    auto *edit = new QLineEdit(top);
    edit->setObjectName(QStringLiteral("EditFilter%1").arg(n));
    auto *clear = new QToolButton(top);
    clear->setObjectName(QStringLiteral("ButtonClear%1").arg(n));
    clear->setText(QStringLiteral("x"));
    clear->setFocusPolicy(Qt::NoFocus);
    topLayout->addWidget(label);
    topLayout->addWidget(edit, 1);
    topLayout->addWidget(clear);

    auto *list = new QListWidget(panel);
    list->setObjectName(QStringLiteral("LB%1").arg(n));
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setUniformItemSizes(true);
    ApplyKeywordListFont(list, Settings().KeywordListFont());

    panelLayout->addWidget(top);
    panelLayout->addWidget(list, 1);

    cascade->CascadePanel = panel;
    cascade->CascadePanelTop = top;
    cascade->LabelFilter = label;
    cascade->Edit = edit;
    cascade->ButtonClear = clear;
    cascade->LB = list;

    connect(list, &QListWidget::itemSelectionChanged, this, [this, list] {
        if (!fUpdating) {
            PickInCascade(TCascade::IndexOf(list));
        }
    });
    connect(edit, &QLineEdit::textChanged, this, [this, edit] {
        if (!fUpdating) {
            FilterCascade(TCascade::IndexOf(edit));
        }
    });
    connect(clear, &QToolButton::clicked, this, [edit] {
        edit->clear();
        edit->setFocus(Qt::OtherFocusReason);
    });

    panel->show();
    CascadeList.push_back(std::move(cascade));
    return CascadeList.back().get();
}

void TfmCascadeFilter::AddCascade()
{
    if (cascadeCount() >= MaxCascadeCount) {
        return;
    }
    const int n = cascadeCount();
    TCascade *cascade = newCascade();
    ArrangeCascades();
    UpdateButtons();
    cascade->SetIndex(n);
}

void TfmCascadeFilter::RemoveCascade()
{
    if (cascadeCount() <= MinCascadeCount) {
        return;
    }
    std::unique_ptr<TCascade> last = std::move(CascadeList.back());
    CascadeList.pop_back();
    fUpdating = true;
    delete last->CascadePanel;
    fUpdating = false;
    ArrangeCascades();
    UpdateButtons();
    RecountFiles();
    UpdateInfo();
}

void TfmCascadeFilter::ArrangeCascades()
{
    if (CascadeList.empty()) {
        return;
    }
    const int width = std::max(10, fCascadeArea->width() / cascadeCount());
    const int height = fCascadeArea->height();
    for (int i = 0; i < cascadeCount(); ++i) {
        cascade(i).CascadePanel->setGeometry(i * width, 0, width, height);
    }
}

void TfmCascadeFilter::UpdateButtons()
{
    btAddCascade->setEnabled(cascadeCount() < MaxCascadeCount);
    btRemoveCascade->setEnabled(cascadeCount() > MinCascadeCount);
}

QStringList TfmCascadeFilter::pickedKeywords() const
{
    QStringList picked;
    for (const auto &cascade : CascadeList) {
        const QList<QListWidgetItem *> selected = cascade->LB->selectedItems();
        if (!selected.isEmpty()) {
            picked.append(selected.first()->text());
        }
    }
    return picked;
}

void TfmCascadeFilter::pick(int level, int row)
{
    if (level < 0 || level >= cascadeCount()) {
        return;
    }
    cascade(level).LB->setCurrentRow(row);
}

void TfmCascadeFilter::fillList(TCascade &cascade, const QStringList &keywords)
{
    const bool wasUpdating = fUpdating;
    fUpdating = true;
    cascade.LB->setUpdatesEnabled(false);
    cascade.LB->clear();
    cascade.LB->addItems(keywords);
    cascade.LB->setUpdatesEnabled(true);
    fUpdating = wasUpdating;
}

void TfmCascadeFilter::ClearLaterCascades(int index, bool clearEdits)
{
    const bool wasUpdating = fUpdating;
    fUpdating = true;
    for (int j = index + 1; j < cascadeCount(); ++j) {
        TCascade &later = cascade(j);
        later.LB->clear();
        later.AvailableKeywordList.Clear();
        // Emptying an edit would run its text filter on an empty level: nothing to show, and the
        // levels after it are emptied here anyway.
        if (clearEdits) {
            later.Edit->clear();
        }
    }
    fUpdating = wasUpdating;
}

void TfmCascadeFilter::PickInCascade(int index)
{
    if (index < 0 || index >= cascadeCount()) {
        return;
    }
    const bool autoFocus = cbAutoFocus->isChecked();
    ClearLaterCascades(index, autoFocus);
    if (cascade(index).LB->selectedItems().isEmpty()) {
        // Ctrl+click took the pick away: the chain now ends before this level.
        RecountFiles();
        UpdateInfo();
        return;
    }

    const TKwStringList picked(pickedKeywords());
    TKwStringList candidates;
    FileCount = CountCascadeMatches(FileSet, picked, &candidates);

    if (FileCount > 1 && index + 1 < cascadeCount()) {
        TCascade &next = cascade(index + 1);
        next.AvailableKeywordList = candidates;
        if (autoFocus) {
            fUpdating = true;
            next.Edit->clear();
            fUpdating = false;
            fillList(next, candidates.Strings());
            next.Edit->setFocus(Qt::OtherFocusReason);
        } else {
            // The next level keeps its filter text and applies it to the new keywords; the count
            // stays what this pick found.
            fillList(next, KeywordsContainingText(candidates.Strings(), next.Edit->text()));
            ClearLaterCascades(index + 1, true);
        }
    }
    UpdateInfo();
}

void TfmCascadeFilter::FilterCascade(int index)
{
    if (index < 0 || index >= cascadeCount()) {
        return;
    }
    TCascade &level = cascade(index);
    fillList(level, KeywordsContainingText(level.AvailableKeywordList.Strings(), level.Edit->text()));
    ClearLaterCascades(index, true);
    RecountFiles();
    UpdateInfo();
}

void TfmCascadeFilter::RecountFiles()
{
    FileCount = CountCascadeMatches(FileSet, TKwStringList(pickedKeywords()));
}

void TfmCascadeFilter::UpdateInfo()
{
    lbInfo->setText(CascadeInfoText(pickedKeywords(), FileCount));
}

void TfmCascadeFilter::RestoreChain()
{
    const QStringList &chain = KeywordFilter.ContainCascade;
    for (int i = 0; i < cascadeCount() && i < chain.size(); ++i) {
        TCascade &level = cascade(i);
        const int row = TextIndexInList(level.LB, chain.at(i));
        if (row < 0) {
            break;
        }
        fUpdating = true;
        level.LB->setCurrentRow(row);
        fUpdating = false;
        PickInCascade(i);
    }
}

void TfmCascadeFilter::accept()
{
    SetFilterFromCascade(KeywordFilter, pickedKeywords());
    QDialog::accept();
}

void TfmCascadeFilter::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!fPlaced) {
        fPlaced = true;
        PlaceFormOnScreen(this, 5, 15);
        cascade(0).Edit->setFocus(Qt::OtherFocusReason);
    }
}

bool TfmCascadeFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == fCascadeArea && event->type() == QEvent::Resize) {
        ArrangeCascades();
        return false;
    }
    if (event->type() == QEvent::KeyPress && watched->isWidgetType()
        && static_cast<QWidget *>(watched)->window() == this) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier) {
            reject();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

bool ShowCascadeFilter(QWidget *parent, const TKwStringList &availableKeywordList, TKeywordFilter &keywordFilter,
                       const TFileSet &fileSet)
{
    TfmCascadeFilter dialog(availableKeywordList, keywordFilter, fileSet, parent);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace orvane
