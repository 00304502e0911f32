// The image viewer: one shown photo at a time, as large as the window allows, optionally with its
// keywords written over it; arrows step through the shown photos, Enter toggles full screen.
#pragma once

#include <QDialog>
#include <QImage>
#include <QString>

class QCheckBox;
class QLabel;
class QStatusBar;

namespace orvane {

class TFileSet;

class TfmView : public QDialog
{
    Q_OBJECT

public:
    // fileSet is not owned; index is a position among its shown photos.
    TfmView(TFileSet *fileSet, int index, QWidget *parent = nullptr);

    int Index() const { return fIndex; }
    bool isFormFullScreen() const { return fIsFormFullScreen; }
    // Caption, status line and picture for the current Index.
    void Update();
    void setFormFullScreen(bool on);
    QString statusText() const;

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // True when the key is one of the viewer's own; those are handled before any child sees them.
    bool handleKey(int key);
    void step(int newIndex);
    void paintPicture();
    QImage pictureFor(int width, int height);

    QWidget *PanelTop;
    QCheckBox *cbShowKeywords;
    QCheckBox *cbTransparent;
    QWidget *PaintBox;
    QStatusBar *StatusBar;
    QLabel *fStatusPanel;

    TFileSet *FileSet;
    int fIndex;
    bool fIsFormFullScreen = false;

    // The last decoded picture, so that repaints of the same photo at the same size (an expose,
    // a check box) do not decode the file again.
    QString fPictureKey;
    QImage fPicture;
    QString fReportedFailure;
};

// Shows the viewer modally on the shown photos from startIndex; returns the index shown last.
int ShowImageViewer(QWidget *parent, TFileSet *fileSet, int startIndex);

} // namespace orvane
