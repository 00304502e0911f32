// The file manager's "Open with Orvane" entry for folders: a desktop entry file in the user's
// applications folder that starts the program with the chosen folder as its argument.
#pragma once

#include <QString>

namespace orvane {

// The desktop entry file, in the user's applications folder (honours XDG_DATA_HOME).
QString ExplorerEntryFileName();
bool ExplorerEntryExists();
// Writes the entry for programPath (the running program when empty); false when it could not be written.
bool AddExplorerEntry(const QString &programPath = QString());
bool RemoveExplorerEntry();

// The program path as one argument of a desktop entry's Exec key, quoted and escaped.
QString DesktopExecArgument(const QString &path);

} // namespace orvane
