// The folder browser.
#pragma once

#include <QString>

class QWidget;

namespace orvane {

// Lets the user pick an existing folder; prompt is the window title, initialFolder is preselected
// when not empty. Returns the chosen folder, or empty text when cancelled.
QString BrowseForFolder(QWidget *owner, const QString &prompt, const QString &initialFolder);

} // namespace orvane
