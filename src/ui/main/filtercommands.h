// The filter commands of the main window: the filter dialog, the cascade filter, refreshing and
// clearing the filter, showing only the selected photos and filtering by the keywords selected in
// the keyword list, with the rule that keeps the grid at the first selected photo.
#pragma once

#include <QObject>

namespace orvane {

class TfmMain;

class TFilterCommands : public QObject
{
    Q_OBJECT

public:
    // Connects the six filter commands of the window and marks them as built.
    explicit TFilterCommands(TfmMain &window);

    // The shown photo with the lowest index that is selected, else the photo of the grid's focus
    // cell (possibly none), goes into the window's FirstSeleted.
    void RememberFirstSelected();
    // Makes the row of FirstSeleted the top row when it is still shown; otherwise the top row 0.
    void ScrollToFirstSelected();
    // After the shown photos changed: grid size, grid repaint, status bar.
    void ReShow();
    // Applies the window's keyword filter to the photos and re-shows them (no scrolling, no focus
    // change), as a window that has just replaced the filter needs.
    void ApplyFilterAndShow();

    void FilterFiles();
    void CascadeFilter();
    void RefreshFilter();
    void ClearFilter();
    void FilterBySelected();
    void FilterBySelectedKeywords();

private:
    void showFiltered();

    TfmMain &fWindow;
};

} // namespace orvane
