// The style picker.
#include "ui/dialogs/stylesdialog.h"

#include "core/settings/settings.h"
#include "ui/main/themes.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace orvane {

TfmStyles::TfmStyles(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Styles"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setFixedSize(440, 571);

    auto *layout = new QVBoxLayout(this);
    lbStyles = new QListWidget(this);
    lbStyles->setSelectionMode(QAbstractItemView::SingleSelection);
    layout->addWidget(lbStyles, 1);

    btProgramDefault = new QPushButton(QStringLiteral("Set program default  style"), this);
    btWindowsDefault = new QPushButton(QStringLiteral("Set windows default style"), this);
    btOK = new QPushButton(QStringLiteral("OK"), this);
    btCancel = new QPushButton(QStringLiteral("Cancel"), this);
    for (QPushButton *button : {btProgramDefault, btWindowsDefault, btOK}) {
        button->setAutoDefault(false);
    }
    btCancel->setDefault(true);
    auto *defaults = new QHBoxLayout();
    defaults->addWidget(btProgramDefault);
    defaults->addWidget(btWindowsDefault);
    layout->addLayout(defaults);
    auto *closing = new QHBoxLayout();
    closing->addStretch(1);
    closing->addWidget(btOK);
    closing->addWidget(btCancel);
    layout->addLayout(closing);

    QStringList names = ThemeNames();
    std::sort(names.begin(), names.end(),
              [](const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    lbStyles->addItems(names);
    const QList<QListWidgetItem *> active = lbStyles->findItems(CurrentThemeName(), Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (!active.isEmpty()) {
        lbStyles->setCurrentItem(active.first());
    }
    lbStyles->setFocus();

    // Connected after the active style is selected, so opening previews nothing.
    connect(lbStyles, &QListWidget::currentTextChanged, this, [](const QString &name) {
        if (!name.isEmpty()) {
            ApplyTheme(name);
        }
    });
    connect(btProgramDefault, &QPushButton::clicked, this,
            [this] { SelectStyle(QStringLiteral("Iceberg Classico")); });
    connect(btWindowsDefault, &QPushButton::clicked, this, [this] { SelectStyle(QStringLiteral("Windows")); });
    connect(btOK, &QPushButton::clicked, this, &TfmStyles::okClicked);
    connect(btCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TfmStyles::SelectStyle(const QString &name)
{
    const QList<QListWidgetItem *> items = lbStyles->findItems(name, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (items.isEmpty()) {
        return;
    }
    lbStyles->setCurrentItem(items.first());
    ApplyTheme(name);
}

void TfmStyles::okClicked()
{
    if (QListWidgetItem *item = lbStyles->currentItem(); item && item->isSelected()) {
        Settings().setStyleName(item->text());
    }
    accept();
}

void TfmStyles::done(int result)
{
    if (result != QDialog::Accepted) {
        ApplyTheme(Settings().StyleName());
    }
    QDialog::done(result);
}

void ShowStylesDialog(QWidget *parent)
{
    TfmStyles dialog(parent);
    dialog.exec();
}

} // namespace orvane
