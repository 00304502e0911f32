// The about box.
#include "ui/dialogs/aboutdialog.h"

#include "core/settings/fileutils.h"
#include "core/settings/prompter.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

#ifndef ORVANE_HOMEPAGE_URL
#define ORVANE_HOMEPAGE_URL "https://vantrel.example/orvane/"
#endif

namespace orvane {

QString HomePageAddress()
{
    return QStringLiteral(ORVANE_HOMEPAGE_URL);
}

TfmAbout::TfmAbout(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("About"));
    setFixedSize(274, 244);

    auto *layout = new QVBoxLayout(this);
    layout->addStretch(1);
    lbVersion = new QLabel(QStringLiteral("Orvane - version 1.7"), this);
    QFont versionFont = lbVersion->font();
    versionFont.setPointSizeF(versionFont.pointSizeF() * 1.3);
    versionFont.setBold(true);
    lbVersion->setFont(versionFont);
    lbVersion->setAlignment(Qt::AlignCenter);
    layout->addWidget(lbVersion);
    layout->addSpacing(12);
    lbHomepage = new QLabel(this);
    lbHomepage->setAlignment(Qt::AlignCenter);
    lbHomepage->setCursor(Qt::PointingHandCursor);
    lbHomepage->installEventFilter(this);
    layout->addWidget(lbHomepage);
    layout->addStretch(1);

    btOK = new QPushButton(QStringLiteral("OK"), this);
    btOK->setDefault(true);
    auto *bottom = new QHBoxLayout();
    bottom->addStretch(1);
    bottom->addWidget(btOK);
    bottom->addStretch(1);
    layout->addLayout(bottom);
    // OK is the default button, and Esc rejects: both close the box.
    connect(btOK, &QPushButton::clicked, this, &QDialog::accept);
}

void TfmAbout::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    lbHomepage->setText(HomePageAddress());
    QFont font = lbHomepage->font();
    font.setUnderline(true);
    lbHomepage->setFont(font);
    QPalette palette = lbHomepage->palette();
    palette.setColor(QPalette::WindowText, QColor(0, 0, 255));
    lbHomepage->setPalette(palette);
}

bool TfmAbout::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == lbHomepage && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton &&
        lbHomepage->rect().contains(static_cast<QMouseEvent *>(event)->position().toPoint())) {
        try {
            ShellExecuteFile(lbHomepage->text());
        } catch (const EShellError &error) {
            ShowMessage(error.message());
        }
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void ShowAboutDialog(QWidget *parent)
{
    TfmAbout dialog(parent);
    dialog.exec();
}

} // namespace orvane
