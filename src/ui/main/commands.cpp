// Captions, shortcuts and hints of every main window command.
#include "ui/main/commands.h"

#include <QAction>
#include <QWidget>

namespace orvane {

namespace {

struct CommandRow
{
    QAction *TMainCommands::*member;
    const char *objectName;
    const char *caption;
    QKeySequence shortcut;
    const char *hint;
    // False for commands whose behaviour comes with a later part of the program.
    bool built;
};

const QList<CommandRow> &commandRows()
{
    using C = TMainCommands;
    static const QList<CommandRow> rows = {
        {&C::aRefresh, "aRefresh", "Refresh thumbs", QKeySequence(Qt::Key_F5), "", true},
        {&C::aExit, "aExit", "Exit", QKeySequence(), "", true},
        {&C::aOptions, "aOptions", "Options...", QKeySequence(), "Options...", false},
        {&C::aSelectAll, "aSelectAll", "Select All", QKeySequence(Qt::CTRL | Qt::Key_A), "", true},
        {&C::aResetFontToDefault, "aResetFontToDefault", "Reset font to default", QKeySequence(), "", true},
        {&C::aClearRecentList, "aClearRecentList", "Clear recent list", QKeySequence(), "", true},
        {&C::aAddNewKeyword, "aAddNewKeyword", "Add new keyword to list", QKeySequence(), "Add new keyword to list",
         false},
        {&C::aReplaceKeyword, "aReplaceKeyword", "Replace Keyword...", QKeySequence(Qt::CTRL | Qt::Key_R),
         "Replace Keyword...", false},
        // Del is handled by the grid itself, so that Del in the filter edit still deletes text.
        {&C::aDeleteKeyWord, "aDeleteKeyWord", "Delete Keyword(s)...", QKeySequence(), "Delete Keyword(s)...", false},
        {&C::aDeleteAllKeyWords, "aDeleteAllKeyWords", "Delete all keywords from selected files", QKeySequence(), "",
         false},
        {&C::aCopyKeywords, "aCopyKeywords", "Copy Keywords", QKeySequence(Qt::CTRL | Qt::Key_C), "Copy Keywords",
         false},
        {&C::aPasteKeywords, "aPasteKeywords", "Paste Keywords", QKeySequence(Qt::CTRL | Qt::Key_V), "Paste Keywords",
         false},
        {&C::aRepeatLastAdd, "aRepeatLastAdd", "Repeat the last added keywords", QKeySequence(Qt::Key_F4), "", false},
        {&C::aSelectKeywordsFromFile, "aSelectKeywordsFromFile", "Select keywords directly from image",
         QKeySequence(Qt::Key_F2), "", false},
        {&C::aFilterBySelectedKeywords, "aFilterBySelectedKeywords", "Filter by this keyword",
         QKeySequence(Qt::Key_F3), "", false},
        {&C::aFilterFiles, "aFilterFiles", "Filter Files", QKeySequence(), "", false},
        {&C::aCascadeFilter, "aCascadeFilter", "Cascade Filter", QKeySequence(), "", false},
        {&C::aRefreshFilter, "aRefreshFilter", "Refresh Filter", QKeySequence(), "", false},
        {&C::aClearFilter, "aClearFilter", "Clear Filter", QKeySequence(), "", false},
        {&C::aFilterBySelected, "aFilterBySelected", "Filter Only Selected", QKeySequence(), "", false},
        {&C::aSaveKeywordsToFile, "aSaveKeywordsToFile", "Save keywords to file", QKeySequence(), "", false},
        {&C::aLoadKeywordsFromFile, "aLoadKeywordsFromFile", "Load keywords from file", QKeySequence(), "", false},
        {&C::aAppendKeywordsFromFile, "aAppendKeywordsFromFile", "Append keywords from file", QKeySequence(), "",
         false},
        {&C::aAppendKeywordsFromJpgFolder, "aAppendKeywordsFromJpgFolder", "Append keywords from JPG folder",
         QKeySequence(), "", false},
        {&C::aRefreshKeywordsFromImages, "aRefreshKeywordsFromImages", "Refresh keyword list from images",
         QKeySequence(), "", false},
        {&C::aRemoveKeywordFromList, "aRemoveKeywordFromList", "Remove keyword from list", QKeySequence(), "", false},
        {&C::aCopyFilePath, "aCopyFilePath", "Copy file Path", QKeySequence(), "", false},
        {&C::aOpenInDefaultJPGEditor, "aOpenInDefaultJPGEditor", "Open in default JPG editor", QKeySequence(), "",
         false},
        {&C::aShowFileInFolder, "aShowFileInFolder", "Show File In Folder", QKeySequence(), "", false},
        {&C::aDeleteFile, "aDeleteFile", "Delete File", QKeySequence(), "", false},
        {&C::aViewStatistics, "aViewStatistics", "View Statistics", QKeySequence(), "View Statistics", false},
        {&C::aStyle, "aStyle", "Styles...", QKeySequence(), "", false},
        {&C::aAbout, "aAbout", "About", QKeySequence(), "", false},
    };
    return rows;
}

} // namespace

TMainCommands::TMainCommands(QWidget *window)
{
    for (const CommandRow &row : commandRows()) {
        auto *action = new QAction(QString::fromUtf8(row.caption), window);
        action->setObjectName(QLatin1String(row.objectName));
        if (!row.shortcut.isEmpty()) {
            action->setShortcut(row.shortcut);
            action->setShortcutContext(Qt::WindowShortcut);
        }
        const QString hint = QString::fromUtf8(row.hint);
        if (!hint.isEmpty()) {
            action->setToolTip(hint);
            action->setStatusTip(hint);
        }
        // Captions contain "&" only where the table says so; plain text otherwise.
        action->setIconVisibleInMenu(false);
        window->addAction(action);
        this->*row.member = action;
        fAll.append(action);
        if (row.built) {
            fBuilt.append(action);
        } else {
            action->setEnabled(false);
        }
    }
}

QList<QAction *> TMainCommands::all() const
{
    return fAll;
}

bool TMainCommands::isBuilt(const QAction *action) const
{
    return fBuilt.contains(action);
}

void TMainCommands::setBuilt(QAction *action, bool built)
{
    if (built && !fBuilt.contains(action)) {
        fBuilt.append(action);
    } else if (!built) {
        fBuilt.removeAll(action);
    }
    action->setEnabled(built);
}

void TMainCommands::setEnabledIfBuilt(QAction *action, bool enabled)
{
    action->setEnabled(enabled && isBuilt(action));
}

// Qt menus show whatever follows the first tab in the shortcut column, right-aligned; further tabs
// would only widen every menu that holds the command.
QString TMainCommands::OpenInEditorMenuCaption()
{
    return QStringLiteral("Open in default JPG editor\t(Alt+DblClick)");
}

QString TMainCommands::DeleteKeywordMenuCaption()
{
    return QStringLiteral("Delete Keyword(s)...\t(Del)");
}

void TMainCommands::showGestureCaptions()
{
    aOpenInDefaultJPGEditor->setText(OpenInEditorMenuCaption());
    aDeleteKeyWord->setText(DeleteKeywordMenuCaption());
}

} // namespace orvane
