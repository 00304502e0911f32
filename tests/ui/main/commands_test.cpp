// The command table: captions, shortcuts and hints as the menus and tool bar show them, and which
// commands stand disabled until their behaviour exists.
#include "ui/main/commands.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QWidget>

namespace orvane {
namespace {

struct Expected
{
    const char *name;
    const char *caption;
    const char *shortcut; // portable text, "" for none
    const char *hint;
};

const Expected Table[] = {
    {"aRefresh", "Refresh thumbs", "F5", ""},
    {"aExit", "Exit", "", ""},
    {"aOptions", "Options...", "", "Options..."},
    {"aSelectAll", "Select All", "Ctrl+A", ""},
    {"aResetFontToDefault", "Reset font to default", "", ""},
    {"aClearRecentList", "Clear recent list", "", ""},
    {"aAddNewKeyword", "Add new keyword to list", "", "Add new keyword to list"},
    {"aReplaceKeyword", "Replace Keyword...", "Ctrl+R", "Replace Keyword..."},
    {"aDeleteKeyWord", "Delete Keyword(s)...", "", "Delete Keyword(s)..."},
    {"aDeleteAllKeyWords", "Delete all keywords from selected files", "", ""},
    {"aCopyKeywords", "Copy Keywords", "Ctrl+C", "Copy Keywords"},
    {"aPasteKeywords", "Paste Keywords", "Ctrl+V", "Paste Keywords"},
    {"aRepeatLastAdd", "Repeat the last added keywords", "F4", ""},
    {"aSelectKeywordsFromFile", "Select keywords directly from image", "F2", ""},
    {"aFilterBySelectedKeywords", "Filter by this keyword", "F3", ""},
    {"aFilterFiles", "Filter Files", "", ""},
    {"aCascadeFilter", "Cascade Filter", "", ""},
    {"aRefreshFilter", "Refresh Filter", "", ""},
    {"aClearFilter", "Clear Filter", "", ""},
    {"aFilterBySelected", "Filter Only Selected", "", ""},
    {"aSaveKeywordsToFile", "Save keywords to file", "", ""},
    {"aLoadKeywordsFromFile", "Load keywords from file", "", ""},
    {"aAppendKeywordsFromFile", "Append keywords from file", "", ""},
    {"aAppendKeywordsFromJpgFolder", "Append keywords from JPG folder", "", ""},
    {"aRefreshKeywordsFromImages", "Refresh keyword list from images", "", ""},
    {"aRemoveKeywordFromList", "Remove keyword from list", "", ""},
    {"aCopyFilePath", "Copy file Path", "", ""},
    {"aOpenInDefaultJPGEditor", "Open in default JPG editor", "", ""},
    {"aShowFileInFolder", "Show File In Folder", "", ""},
    {"aDeleteFile", "Delete File", "", ""},
    {"aViewStatistics", "View Statistics", "", "View Statistics"},
    {"aStyle", "Styles...", "", ""},
    {"aAbout", "About", "", ""},
};

TEST(CommandTable, EveryCommandHasItsCaptionShortcutAndHint)
{
    QWidget window;
    TMainCommands commands(&window);
    const QList<QAction *> all = commands.all();
    ASSERT_EQ(all.size(), qsizetype(std::size(Table)));
    for (std::size_t i = 0; i < std::size(Table); ++i) {
        const Expected &row = Table[i];
        QAction *action = all.at(qsizetype(i));
        SCOPED_TRACE(row.name);
        EXPECT_EQ(action->objectName(), QLatin1String(row.name));
        EXPECT_EQ(action->text(), QString::fromUtf8(row.caption));
        EXPECT_EQ(action->shortcut().toString(QKeySequence::PortableText), QLatin1String(row.shortcut));
        if (*row.hint) {
            EXPECT_EQ(action->toolTip(), QLatin1String(row.hint));
        }
        // Window-wide: reachable from any widget of the window, not only from a menu.
        EXPECT_TRUE(window.actions().contains(action));
        EXPECT_EQ(action->shortcutContext(), Qt::WindowShortcut);
    }
}

TEST(CommandTable, CommandsOfLaterPartsStayDisabledWhateverAMenuRuleSays)
{
    QWidget window;
    TMainCommands commands(&window);
    const QList<QAction *> working = {commands.aRefresh, commands.aExit, commands.aSelectAll,
                                      commands.aResetFontToDefault, commands.aClearRecentList};
    for (QAction *action : commands.all()) {
        SCOPED_TRACE(action->objectName().toStdString());
        EXPECT_EQ(action->isEnabled(), working.contains(action));
    }
    commands.setEnabledIfBuilt(commands.aOpenInDefaultJPGEditor, true);
    EXPECT_FALSE(commands.aOpenInDefaultJPGEditor->isEnabled());
    commands.setBuilt(commands.aOpenInDefaultJPGEditor);
    commands.setEnabledIfBuilt(commands.aOpenInDefaultJPGEditor, false);
    EXPECT_FALSE(commands.aOpenInDefaultJPGEditor->isEnabled());
    commands.setEnabledIfBuilt(commands.aOpenInDefaultJPGEditor, true);
    EXPECT_TRUE(commands.aOpenInDefaultJPGEditor->isEnabled());
}

TEST(CommandTable, ShownWindowPutsTheGesturesBesideTwoCaptions)
{
    QWidget window;
    TMainCommands commands(&window);
    commands.showGestureCaptions();
    EXPECT_EQ(commands.aOpenInDefaultJPGEditor->text(), QStringLiteral("Open in default JPG editor\t(Alt+DblClick)"));
    EXPECT_EQ(commands.aDeleteKeyWord->text(), QStringLiteral("Delete Keyword(s)...\t(Del)"));
}

} // namespace
} // namespace orvane
