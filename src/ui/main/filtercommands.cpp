// The filter commands of the main window.
#include "ui/main/filtercommands.h"

#include "ui/dialogs/cascadefilterdialog.h"
#include "ui/dialogs/filterfilesdialog.h"
#include "ui/main/commands.h"
#include "ui/main/keywordlistbox.h"
#include "ui/main/keywordpanel.h"
#include "ui/main/mainwindow.h"
#include "ui/main/thumbgrid.h"

#include <QAction>

namespace orvane {

TFilterCommands::TFilterCommands(TfmMain &window) : QObject(&window), fWindow(window)
{
    TMainCommands &c = fWindow.commands();
    const struct {
        QAction *action;
        void (TFilterCommands::*run)();
    } table[] = {
        {c.aFilterFiles, &TFilterCommands::FilterFiles},
        {c.aCascadeFilter, &TFilterCommands::CascadeFilter},
        {c.aRefreshFilter, &TFilterCommands::RefreshFilter},
        {c.aClearFilter, &TFilterCommands::ClearFilter},
        {c.aFilterBySelected, &TFilterCommands::FilterBySelected},
        {c.aFilterBySelectedKeywords, &TFilterCommands::FilterBySelectedKeywords},
    };
    for (const auto &entry : table) {
        connect(entry.action, &QAction::triggered, this, entry.run);
        c.setBuilt(entry.action);
        c.setEnabledIfBuilt(entry.action, true);
    }
}

void TFilterCommands::RememberFirstSelected()
{
    TFileSet &files = fWindow.fileSet();
    fWindow.FirstSeleted = nullptr;
    for (TFileInfo *photo : files.FilteredList()) {
        if (photo->Selected) {
            fWindow.FirstSeleted = photo;
            return;
        }
    }
    const TThumbGrid *grid = fWindow.grid();
    fWindow.FirstSeleted = grid->FileInfoAtCell(grid->col(), grid->row());
}

void TFilterCommands::ScrollToFirstSelected()
{
    TThumbGrid *grid = fWindow.grid();
    const int index = fWindow.FirstSeleted ? int(fWindow.fileSet().FilteredList().indexOf(fWindow.FirstSeleted)) : -1;
    // scrollToPhoto takes an index outside the shown photos as the top row.
    grid->scrollToPhoto(index);
}

void TFilterCommands::ReShow()
{
    fWindow.UpdateGridSize();
    fWindow.grid()->refresh();
    fWindow.UpdateStatusBar();
}

void TFilterCommands::ApplyFilterAndShow()
{
    fWindow.fileSet().ApplyFilter(fWindow.KeywordFilter);
    ReShow();
}

void TFilterCommands::showFiltered()
{
    RememberFirstSelected();
    ApplyFilterAndShow();
    ScrollToFirstSelected();
}

void TFilterCommands::FilterFiles()
{
    if (ShowFilterDialog(&fWindow, fWindow.GlobalKeywordList, fWindow.KeywordFilter)) {
        showFiltered();
    }
    fWindow.grid()->setFocus(Qt::OtherFocusReason);
}

void TFilterCommands::CascadeFilter()
{
    if (ShowCascadeFilter(&fWindow, fWindow.GlobalKeywordList, fWindow.KeywordFilter, fWindow.fileSet())) {
        showFiltered();
    }
    fWindow.grid()->setFocus(Qt::OtherFocusReason);
}

void TFilterCommands::RefreshFilter()
{
    RememberFirstSelected();
    ApplyFilterAndShow();
    fWindow.grid()->setFocus(Qt::OtherFocusReason);
    ScrollToFirstSelected();
}

void TFilterCommands::ClearFilter()
{
    RememberFirstSelected();
    fWindow.fileSet().ClearFilter();
    ReShow();
    fWindow.grid()->setFocus(Qt::OtherFocusReason);
    ScrollToFirstSelected();
}

void TFilterCommands::FilterBySelected()
{
    if (fWindow.fileSet().SelectedCount() == 0) {
        return;
    }
    RememberFirstSelected();
    fWindow.fileSet().ApplyFilterBySelected();
    ReShow();
    fWindow.grid()->setFocus(Qt::OtherFocusReason);
    ScrollToFirstSelected();
}

void TFilterCommands::FilterBySelectedKeywords()
{
    RememberFirstSelected();
    const QStringList keywords = fWindow.keywordPanel()->ListBoxKeywords->selectedTexts();
    if (!keywords.isEmpty()) {
        fWindow.KeywordFilter.ClearFilter();
        fWindow.KeywordFilter.ContainSome.AddStrings(keywords);
        fWindow.fileSet().ApplyFilter(fWindow.KeywordFilter);
        fWindow.UpdateGridSize();
        fWindow.UpdateStatusBar();
        fWindow.grid()->refresh();
    }
    ScrollToFirstSelected();
}

} // namespace orvane
