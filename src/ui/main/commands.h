// The command table of the main window: one QAction per command, shared by every menu item and
// button that shows it; shortcuts work anywhere in the window.
#pragma once

#include <QKeySequence>
#include <QList>
#include <QString>

class QAction;
class QWidget;

namespace orvane {

class TMainCommands
{
public:
    // Creates every action as a child of window and adds it to the window, so that its shortcut
    // works wherever the keyboard focus is inside it.
    explicit TMainCommands(QWidget *window);

    QAction *aRefresh;
    QAction *aExit;
    QAction *aOptions;
    QAction *aSelectAll;
    QAction *aResetFontToDefault;
    QAction *aClearRecentList;
    QAction *aAddNewKeyword;
    QAction *aReplaceKeyword;
    QAction *aDeleteKeyWord;
    QAction *aDeleteAllKeyWords;
    QAction *aCopyKeywords;
    QAction *aPasteKeywords;
    QAction *aRepeatLastAdd;
    QAction *aSelectKeywordsFromFile;
    QAction *aFilterBySelectedKeywords;
    QAction *aFilterFiles;
    QAction *aCascadeFilter;
    QAction *aRefreshFilter;
    QAction *aClearFilter;
    QAction *aFilterBySelected;
    QAction *aSaveKeywordsToFile;
    QAction *aLoadKeywordsFromFile;
    QAction *aAppendKeywordsFromFile;
    QAction *aAppendKeywordsFromJpgFolder;
    QAction *aRefreshKeywordsFromImages;
    QAction *aRemoveKeywordFromList;
    QAction *aCopyFilePath;
    QAction *aOpenInDefaultJPGEditor;
    QAction *aShowFileInFolder;
    QAction *aDeleteFile;
    QAction *aViewStatistics;
    QAction *aStyle;
    QAction *aAbout;

    // Every command in table order.
    QList<QAction *> all() const;

    // Commands whose behaviour is not built yet stay disabled whatever a menu rule says.
    bool isBuilt(const QAction *action) const;
    void setBuilt(QAction *action, bool built = true);
    // Enables a built command; a command that is not built stays disabled.
    void setEnabledIfBuilt(QAction *action, bool enabled);

    // Shown with the mouse and key gestures at the right of the menus once the window is shown.
    static QString OpenInEditorMenuCaption();
    static QString DeleteKeywordMenuCaption();
    void showGestureCaptions();

private:
    QList<QAction *> fAll;
    QList<const QAction *> fBuilt;
};

} // namespace orvane
