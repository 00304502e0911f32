// Messages and questions of the core as modal boxes over the active window.
#include "ui/main/messageboxprompter.h"

#include <QApplication>
#include <QMessageBox>

namespace orvane {

namespace {

QString boxTitle()
{
    return QStringLiteral("Orvane");
}

} // namespace

void MessageBoxPrompter::showMessage(const QString &text)
{
    QMessageBox::information(QApplication::activeWindow(), boxTitle(), text, QMessageBox::Ok);
}

bool MessageBoxPrompter::askYesNo(const QString &text)
{
    return QMessageBox::question(QApplication::activeWindow(), boxTitle(), text, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

} // namespace orvane
