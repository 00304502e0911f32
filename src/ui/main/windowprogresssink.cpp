// Showing, updating and hiding the progress window.
#include "ui/main/windowprogresssink.h"

#include "ui/main/progressform.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>

namespace orvane {

WindowProgressSink::~WindowProgressSink()
{
    hideProgress();
}

void WindowProgressSink::showProgress(const QString &caption)
{
    hideProgress();
    fForm = new TProgressForm();
    fForm->setAttribute(Qt::WA_DeleteOnClose, false);
    fForm->setWindowTitle(caption.isEmpty() ? QStringLiteral("Please Wait ...") : caption);
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect frame = fForm->frameGeometry();
        frame.moveCenter(screen->geometry().center());
        fForm->move(frame.topLeft());
    }
    fForm->show();
    const QList<QWidget *> windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        if (window != fForm && window->isVisible() && window->isEnabled()) {
            window->setEnabled(false);
            fDisabledWindows.append(window);
        }
    }
    QCoreApplication::processEvents();
}

void WindowProgressSink::updateProgress(const QString &text, int position)
{
    if (!fForm) {
        return;
    }
    fForm->TaskLabel->setText(text);
    if (position >= 0) {
        fForm->ProgressBar->setValue(position);
    }
    QCoreApplication::processEvents();
}

void WindowProgressSink::hideProgress()
{
    for (const QPointer<QWidget> &window : std::as_const(fDisabledWindows)) {
        if (window) {
            window->setEnabled(true);
        }
    }
    fDisabledWindows.clear();
    if (fForm) {
        fForm->hide();
        delete fForm;
    }
}

void WindowProgressSink::processEvents()
{
    QCoreApplication::processEvents();
}

} // namespace orvane
