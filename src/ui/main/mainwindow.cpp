// Start-up, opening folders, the keyword drop and shutdown of the main window.
#include "ui/main/mainwindow.h"

#include "core/exiftool/exiftoolcommand.h"
#include "core/exiftool/exiftoolpath.h"
#include "core/exiftool/keywordwriter.h"
#include "core/model/folderload.h"
#include "core/settings/fileutils.h"
#include "core/settings/prompter.h"
#include "core/settings/settings.h"
#include "core/thumbs/thumbcache.h"
#include "ui/main/browseforfolder.h"
#include "ui/main/commands.h"
#include "ui/main/filtercommands.h"
#include "ui/main/filecommands.h"
#include "ui/main/imageviewer.h"
#include "ui/main/keywordcommands.h"
#include "ui/main/keywordlistbox.h"
#include "ui/main/keywordpanel.h"
#include "ui/main/textdragobject.h"
#include "ui/main/themes.h"
#include "ui/main/thumbgrid.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QFontDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSplitter>
#include <QToolBar>

namespace orvane {

QString FolderTitle(const QString &folder)
{
    QString path = folder;
    if (path.endsWith(QLatin1Char('/')) || path.endsWith(QLatin1Char('\\'))) {
        path.chop(1);
    }
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    // The root folder "/" leaves nothing after the delimiter; it keeps its own name.
    if (path.isEmpty()) {
        return folder;
    }
    return slash < 0 ? path : path.mid(slash + 1);
}

TfmMain::TfmMain(const QStringList &arguments, QWidget *parent) : QMainWindow(parent), fArguments(arguments)
{
    // Tests and tools may have chosen the data folder already.
    if (DataFolder().isEmpty()) {
        ChooseDataFolder();
    }
    InitExifToolPath();

    createCommands();
    createLayout();
    createMenus();
    createPopupMenus();

    ListBoxKeywordsDefaultFont = TFont(PanelKeywords->ListBoxKeywords->font());
    PanelKeywords->setKeywordListFont(Settings().KeywordListFont());

    fCurrentFolderName.clear();
    setWindowTitle(QStringLiteral("Orvane"));
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Orvane"));

    KeywordFilter = TKeywordFilter();
    CreateCacheFolders();
    ResetKeywordDragState();

    FileSet = std::make_unique<TFileSet>();
    CopyPasteKeywordList.Clear();
    GlobalKeywordList.Clear();
    LastDragDropKeywordList.Clear();
    DrawGrid->setFileSet(FileSet.get());
    DrawGrid->resetGrid();

    UpdateStatusBar();
    colourSplitter();
    ApplyTheme(Settings().StyleName());
    FirstRun = true;

    connectSignals();
    fKeywordCommands = new TKeywordCommands(this);
    fFilterCommands = new TFilterCommands(*this);
    new TFileCommands(this);
    // A background write that could not update every file re-reads those records afterwards.
    SetKeywordRecordsChangedHandler([this] { DrawGrid->refresh(); });
    resize(1028, 636);
}

TfmMain::~TfmMain()
{
    // A keyword write may still run in the background: let it finish before its records go.
    WaitForExifToolIdle();
    SetKeywordRecordsChangedHandler({});
    if (DrawGrid) {
        DrawGrid->setFileSet(nullptr);
    }
    FileSet.reset();
    CopyPasteKeywordList.Clear();
    GlobalKeywordList.Clear();
    LastDragDropKeywordList.Clear();
    KeywordFilter = TKeywordFilter();
    FreeSettings();
}

QLabel *TfmMain::statusPanel(int index) const
{
    return fStatusPanels[index];
}

void TfmMain::OpenFolder(const QString &folder, bool ForceRecreateThumbs)
{
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) {
        return;
    }
    edFolder->setText(folder);
    fCurrentFolderName = folder;
    QGuiApplication::setApplicationDisplayName(FolderTitle(folder));
    Settings().AddToMRU(folder);

    FileSet->Clear();
    DrawGrid->resetGrid();
    LoadJpgFilesFromFolder(*FileSet, folder, ForceRecreateThumbs);
    UpdateGridSize();
    GlobalKeywordList = FileSet->GetKeywordsList(ksAll);
    FillKeywordListBox();
}

void TfmMain::UpdateGridSize()
{
    if (!FileSet) {
        return;
    }
    DrawGrid->UpdateGridSize();
}

void TfmMain::FillKeywordListBox()
{
    PanelKeywords->fillKeywordList(GlobalKeywordList);
    UpdateStatusBar();
}

void TfmMain::UpdateStatusBar()
{
    fStatusPanels[0]->setText(QStringLiteral("Keywords: %1").arg(PanelKeywords->ListBoxKeywords->count()));
    fStatusPanels[1]->setText(QStringLiteral("Files: %1").arg(FileSet ? FileSet->CountFiltered() : 0));
}

void TfmMain::UpdateRecentList(const QStringList &keywords)
{
    PanelKeywords->UpdateRecentList(keywords, Settings().RecentCount());
}

void TfmMain::dropKeywords(const QStringList &keywords)
{
    ChangeKeywordsInSelectedFiles(*FileSet, keywords, koAddAppend);
    DrawGrid->refresh();
    DrawGrid->setFocus(Qt::OtherFocusReason);
    LastDragDropKeywordList = TKwStringList(keywords);
    UpdateRecentList(keywords);
}

void TfmMain::rebuildRecentFolderMenu()
{
    PopupMenuMRU->clear();
    const QStringList folders = Settings().GetMRUList();
    ArrayMRU.clear();
    for (const QString &folder : folders) {
        if (folder.isEmpty()) {
            continue;
        }
        const int index = int(ArrayMRU.size());
        ArrayMRU.append(folder);
        QString caption = folder;
        caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction *item = PopupMenuMRU->addAction(QStringLiteral("%1 %2").arg(index + 1).arg(caption));
        connect(item, &QAction::triggered, this, [this, index] { openRecentFolder(index); });
    }
}

void TfmMain::openRecentFolder(int index)
{
    if (index >= 0 && index < ArrayMRU.size()) {
        OpenFolder(ArrayMRU.at(index), false);
    }
    DrawGrid->setFocus(Qt::OtherFocusReason);
}

void TfmMain::selectFolder()
{
    const QString folder = BrowseForFolder(this, QStringLiteral("Select folder with JPG files"), Settings().GetMRU(1));
    if (!folder.isEmpty()) {
        OpenFolder(folder, false);
    }
    DrawGrid->setFocus(Qt::OtherFocusReason);
}

void TfmMain::selectAll()
{
    QWidget *focus = QApplication::focusWidget();
    if (focus == PanelKeywords->ListBoxKeywords) {
        PanelKeywords->ListBoxKeywords->selectAll();
    } else if (focus == PanelKeywords->ListBoxRecent) {
        PanelKeywords->ListBoxRecent->selectAll();
    } else if (fKeywordCommands->selectAllInPicker()) {
        return;
    } else {
        DrawGrid->selectAllPhotos();
    }
}

void TfmMain::changeKeywordListFont()
{
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, PanelKeywords->ListBoxKeywords->font(), this);
    if (!ok) {
        return;
    }
    TFont font = Settings().KeywordListFont();
    font.font = chosen;
    Settings().setKeywordListFont(font);
    PanelKeywords->setKeywordListFont(font);
}

void TfmMain::resetKeywordListFont()
{
    Settings().setKeywordListFont(ListBoxKeywordsDefaultFont);
    PanelKeywords->setKeywordListFont(ListBoxKeywordsDefaultFont);
}

void TfmMain::showGridMenu(TFileInfo *photo, bool many, const QPoint &globalPos)
{
    fCommands->setEnabledIfBuilt(fCommands->aDeleteKeyWord, many || photo);
    fCommands->setEnabledIfBuilt(fCommands->aOpenInDefaultJPGEditor, photo && !many);
    fCommands->setEnabledIfBuilt(fCommands->aShowFileInFolder, photo && !many);
    PopupMenuGrid->exec(globalPos);
    // The menu's rule holds only while it is open; the shortcuts and the main menu act on the selection.
    fCommands->setEnabledIfBuilt(fCommands->aDeleteKeyWord, true);
    fCommands->setEnabledIfBuilt(fCommands->aOpenInDefaultJPGEditor, true);
    fCommands->setEnabledIfBuilt(fCommands->aShowFileInFolder, true);
}

void TfmMain::viewPhoto(int index)
{
    const int last = ShowImageViewer(this, FileSet.get(), index);
    if (last >= 0 && last < FileSet->CountFiltered()) {
        DrawGrid->focusPhoto(last);
    }
}

void TfmMain::openInEditor(TFileInfo *photo)
{
    if (!photo) {
        return;
    }
    try {
        ShellExecuteFile(photo->JpgFullName);
    } catch (const EShellError &error) {
        ShowMessage(error.message());
    }
}

void TfmMain::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    ToolBar->setVisible(Settings().ShowToolBar());
    fCommands->showGestureCaptions();
    // Window managers normally activate a new window; without one (or with focus-stealing
    // prevention) ask for it, so the first activation still opens the command-line folder.
    activateWindow();
}

bool TfmMain::event(QEvent *event)
{
    const bool handled = QMainWindow::event(event);
    if (event->type() == QEvent::WindowActivate) {
        // Never above our own dialogs or the progress window: without a window manager keeping
        // them on top, raising would hide them behind the window they block.
        bool dialogShown = false;
        const QList<QWidget *> windows = QApplication::topLevelWidgets();
        for (const QWidget *window : windows) {
            dialogShown = dialogShown || (window != this && window->isVisible() && window->isWindow()
                                          && (window->windowType() == Qt::Dialog || window->windowType() == Qt::Popup));
        }
        if (!dialogShown) {
            raise();
        }
        if (FirstRun) {
            FirstRun = false;
            // After the activation has been handled, so the window is on screen behind the progress.
            QMetaObject::invokeMethod(this, &TfmMain::firstActivation, Qt::QueuedConnection);
        }
    }
    return handled;
}

void TfmMain::firstActivation()
{
    if (fArguments.isEmpty()) {
        return;
    }
    edFolder->setText(fArguments.first());
    OpenFolder(edFolder->text(), false);
}

void TfmMain::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) {
        colourSplitter();
    }
}

} // namespace orvane
