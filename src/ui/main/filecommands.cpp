// Photo file commands and the commands that open the program's other windows.
#include "ui/main/filecommands.h"

#include "core/model/folderload.h"
#include "core/settings/fileutils.h"
#include "core/settings/prompter.h"
#include "core/settings/settings.h"
#include "ui/dialogs/aboutdialog.h"
#include "ui/dialogs/stylesdialog.h"
#include "ui/dialogs/thumbnailoptionsdialog.h"
#include "ui/dialogs/viewstatisticsdialog.h"
#include "ui/main/commands.h"
#include "ui/main/filtercommands.h"
#include "ui/main/mainwindow.h"
#include "ui/main/thumbgrid.h"

#include <QAction>
#include <QClipboard>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDesktopServices>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QToolBar>
#include <QUrl>

namespace orvane {

TFileCommands::TFileCommands(TfmMain *window) : QObject(window), fMain(window)
{
    TMainCommands &c = window->commands();
    const struct
    {
        QAction *action;
        void (TFileCommands::*handler)();
    } commands[] = {
        {c.aViewStatistics, &TFileCommands::ViewStatistics},
        {c.aCopyFilePath, &TFileCommands::CopyFilePath},
        {c.aOpenInDefaultJPGEditor, &TFileCommands::OpenInDefaultJPGEditor},
        {c.aShowFileInFolder, &TFileCommands::ShowFileInFolder},
        {c.aDeleteFile, &TFileCommands::DeleteFile},
        {c.aOptions, &TFileCommands::Options},
        {c.aStyle, &TFileCommands::Styles},
        {c.aAbout, &TFileCommands::About},
    };
    for (const auto &command : commands) {
        connect(command.action, &QAction::triggered, this, command.handler);
        c.setBuilt(command.action);
    }
}

void TFileCommands::ViewStatistics()
{
    bool filterChanged = false;
    ShowStatistics(fMain, fMain->fileSet(), fMain->folderEdit()->text(), fMain->KeywordFilter, filterChanged);
    if (filterChanged) {
        fMain->filterCommands().ApplyFilterAndShow();
    }
}

void TFileCommands::CopyFilePath()
{
    QStringList paths;
    for (const TFileInfo *photo : fMain->fileSet().FilteredList()) {
        if (photo->Selected) {
            paths.append(photo->JpgFullName);
        }
    }
    QGuiApplication::clipboard()->setText(paths.join(QStringLiteral("\r\n")));
}

void TFileCommands::OpenInDefaultJPGEditor()
{
    const TFileInfo *photo = fMain->fileSet().GetIfSingleSelected();
    if (!photo) {
        return;
    }
    try {
        ShellExecuteFile(photo->JpgFullName);
    } catch (const EShellError &error) {
        ShowMessage(error.message());
    }
}

void TFileCommands::ShowFileInFolder()
{
    if (const TFileInfo *photo = fMain->fileSet().GetIfSingleSelected()) {
        ShowFileInFileManager(photo->JpgFullName);
    }
}

void TFileCommands::DeleteFile()
{
    TFileSet &fileSet = fMain->fileSet();
    const int n = fileSet.SelectedCount();
    if (n == 0) {
        return;
    }
    if (n > 1 && !AskYesNo(QStringLiteral("Move %1 files to the Recycle Bin?").arg(n))) {
        return;
    }
    QString failedPath;
    DeleteSelectedFiles(fileSet, failedPath);
    TFilterCommands &filter = fMain->filterCommands();
    filter.RememberFirstSelected();
    filter.ReShow();
    fMain->grid()->setFocus(Qt::OtherFocusReason);
    filter.ScrollToFirstSelected();
    if (!failedPath.isEmpty()) {
        ShowMessage(QStringLiteral("Can't delete file: ") + failedPath);
    }
}

void TFileCommands::Options()
{
    bool sizeChanged = false;
    if (!ShowOptionsDialog(fMain, sizeChanged)) {
        // The grid may have painted with the settings being tried; show the restored ones.
        fMain->grid()->refresh();
        return;
    }
    fMain->toolBar()->setVisible(Settings().ShowToolBar());
    if (sizeChanged) {
        fMain->OpenFolder(fMain->currentFolderName(), false);
    } else {
        fMain->UpdateGridSize();
        fMain->grid()->refresh();
    }
}

void TFileCommands::Styles()
{
    ShowStylesDialog(fMain);
}

void TFileCommands::About()
{
    ShowAboutDialog(fMain);
}

void ShowFileInFileManager(const QString &fileName)
{
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("/org/freedesktop/FileManager1"),
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("ShowItems"));
    call << QStringList{QUrl::fromLocalFile(fileName).toString(QUrl::FullyEncoded)} << QString();
    QDBusConnection bus = QDBusConnection::sessionBus();
    // A file manager that is started on demand may take a moment; one that never answers must not
    // hang the window for long.
    const QDBusMessage reply = bus.isConnected() ? bus.call(call, QDBus::Block, 5000) : QDBusMessage();
    if (reply.type() == QDBusMessage::ReplyMessage) {
        return;
    }
    QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(fileName).absolutePath()));
}

} // namespace orvane
