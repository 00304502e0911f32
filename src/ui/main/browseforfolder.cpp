// The folder browser on Qt's directory dialog.
#include "ui/main/browseforfolder.h"

#include <QDir>
#include <QFileDialog>

namespace orvane {

QString BrowseForFolder(QWidget *owner, const QString &prompt, const QString &initialFolder)
{
    const QString chosen = QFileDialog::getExistingDirectory(owner, prompt, initialFolder,
                                                             QFileDialog::ShowDirsOnly | QFileDialog::ReadOnly);
    return chosen.isEmpty() ? QString() : QDir::toNativeSeparators(chosen);
}

} // namespace orvane
