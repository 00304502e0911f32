// The main window's commands on the photo files themselves (copy paths, open, show in the file
// manager, move to the trash) and the commands that open the statistics, options, style and
// about windows.
#pragma once

#include <QObject>

namespace orvane {

class TfmMain;

class TFileCommands : public QObject
{
    Q_OBJECT

public:
    // Connects to the window's commands and marks them built; a child of the window.
    explicit TFileCommands(TfmMain *window);

    void ViewStatistics();
    void CopyFilePath();
    void OpenInDefaultJPGEditor();
    void ShowFileInFolder();
    void DeleteFile();
    void Options();
    void Styles();
    void About();

private:
    TfmMain *fMain;
};

// Asks the desktop's file manager over D-Bus to show the file selected in its folder; when no
// file manager answers, opens the folder. The outcome is not reported.
void ShowFileInFileManager(const QString &fileName);

} // namespace orvane
