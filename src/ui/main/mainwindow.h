// The main window: the open folder, the keyword panel, the thumbnail grid, the menus, tool bar
// and status bar, and the program's start-up and shutdown.
#pragma once

#include "core/model/fileset.h"
#include "core/model/keywordfilter.h"
#include "core/model/kwstringlist.h"
#include "core/settings/font.h"

#include <QMainWindow>
#include <QStringList>

#include <memory>

class QLabel;
class QLineEdit;
class QMenu;
class QSplitter;
class QToolBar;
class QToolButton;

namespace orvane {

class TFileInfo;
class TFilterCommands;
class TKeywordCommands;
class TKeywordPanel;
class TMainCommands;
class TThumbGrid;

class TfmMain : public QMainWindow
{
    Q_OBJECT

public:
    // Runs the start-up steps: data folder (unless already chosen), ExifTool check, settings,
    // cache folders, empty lists, status bar, splitter colour, theme. arguments are the
    // command-line arguments after the program name; the first names a folder to open on the
    // first activation.
    explicit TfmMain(const QStringList &arguments = {}, QWidget *parent = nullptr);
    // Waits for a running background keyword write, frees the photo set and lists, then the
    // settings, which writes the settings file.
    ~TfmMain() override;

    // Opens or re-opens a folder; a path that is not an existing folder is ignored silently.
    void OpenFolder(const QString &folder, bool ForceRecreateThumbs);
    void UpdateGridSize();
    void FillKeywordListBox();
    void UpdateStatusBar();
    void UpdateRecentList(const QStringList &keywords);

    // The keyword drop on the grid: adds the keywords to the selected shown photos.
    void dropKeywords(const QStringList &keywords);

    // The entries behind the recent-folder menu, rebuilt each time it opens.
    QStringList ArrayMRU;
    void rebuildRecentFolderMenu();

    TFileSet &fileSet() { return *FileSet; }
    const QString &currentFolderName() const { return fCurrentFolderName; }
    TMainCommands &commands() { return *fCommands; }
    TFilterCommands &filterCommands() { return *fFilterCommands; }
    TKeywordCommands &keywordCommands() { return *fKeywordCommands; }
    TKeywordPanel *keywordPanel() const { return PanelKeywords; }
    TThumbGrid *grid() const { return DrawGrid; }
    QLabel *statusPanel(int index) const;
    QMenu *recentFolderMenu() const { return PopupMenuMRU; }
    QLineEdit *folderEdit() const { return edFolder; }
    QToolBar *toolBar() const { return ToolBar; }

    TKwStringList GlobalKeywordList;
    TKwStringList CopyPasteKeywordList;
    TKwStringList LastDragDropKeywordList;
    TKeywordFilter KeywordFilter;
    TFont ListBoxKeywordsDefaultFont;
    // Remembered before a filter change so the grid can scroll back to it; not owned.
    TFileInfo *FirstSeleted = nullptr;
    bool FirstRun = true;

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool event(QEvent *event) override;

private:
    void createCommands();
    void createLayout();
    void createMenus();
    void createPopupMenus();
    void connectSignals();
    void colourSplitter();

    void selectFolder();
    void openRecentFolder(int index);
    void selectAll();
    void changeKeywordListFont();
    void resetKeywordListFont();
    void showGridMenu(TFileInfo *photo, bool many, const QPoint &globalPos);
    void viewPhoto(int index);
    void openInEditor(TFileInfo *photo);
    void firstActivation();

    std::unique_ptr<TFileSet> FileSet;
    std::unique_ptr<TMainCommands> fCommands;
    TKeywordCommands *fKeywordCommands = nullptr;
    TFilterCommands *fFilterCommands = nullptr;
    QString fCurrentFolderName;
    QStringList fArguments;

    QWidget *PanelTop = nullptr;
    QToolButton *btSelectFolder = nullptr;
    QLineEdit *edFolder = nullptr;
    QToolBar *ToolBar = nullptr;
    QSplitter *Splitter = nullptr;
    TKeywordPanel *PanelKeywords = nullptr;
    QWidget *PanelGrid = nullptr;
    TThumbGrid *DrawGrid = nullptr;
    QLabel *fStatusPanels[2] = {nullptr, nullptr};

    QMenu *PopupMenuMRU = nullptr;
    QMenu *PopupMenuGrid = nullptr;
    QMenu *PopupMenuKeywords = nullptr;
    QMenu *PopupMenuRecent = nullptr;
};

// The application title for a folder: its last path component, one trailing delimiter ignored.
QString FolderTitle(const QString &folder);

} // namespace orvane
