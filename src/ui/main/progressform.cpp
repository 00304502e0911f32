// The progress window: a label for the task and a percent bar.
#include "ui/main/progressform.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>

namespace orvane {

TProgressForm::TProgressForm(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setFixedSize(362, 117);
    TaskLabel = new QLabel(this);
    TaskLabel->setGeometry(8, 11, 343, 24);
    ProgressBar = new QProgressBar(this);
    ProgressBar->setGeometry(8, 46, 343, 19);
    ProgressBar->setRange(0, 100);
    ProgressBar->setValue(0);
    ProgressBar->setTextVisible(false);
}

void TProgressForm::closeEvent(QCloseEvent *event)
{
    // Only HideProgress ends it; a window manager's close request is ignored.
    event->ignore();
}

void TProgressForm::keyPressEvent(QKeyEvent *event)
{
    // Esc would reject the dialog; the operation behind it cannot be cancelled.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace orvane
