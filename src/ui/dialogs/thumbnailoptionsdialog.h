// The options dialog: thumbnail and cell geometry with a live one-cell preview, program options,
// and the thumbnail cache folder. Every change is stored at once; anything but OK puts the
// settings back as they were when the dialog opened.
#pragma once

#include <QDialog>
#include <QFont>
#include <QImage>
#include <QSize>

class QAbstractButton;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;
class QWidget;

namespace orvane {

class TOptionsPreview;

class TfmThumbnailOptions : public QDialog
{
    Q_OBJECT

public:
    // defaultFont is what "Restore defaults" gives the keyword text (the main window's font).
    explicit TfmThumbnailOptions(QWidget *parent = nullptr, const QFont &defaultFont = QFont());
    // Puts the settings back unless the dialog was confirmed, also when it never got to close
    // (the program quitting while it is open).
    ~TfmThumbnailOptions() override;

    int StartBMP_WIDTH = 0;
    int StartBMP_HEIGHT = 0;
    bool IsThumsSizeChanged = false;

    void LoadControls();
    void RefreshPreview();
    void UpdateCacheSizeLabel();
    void RestoreDefaults();
    // The sample photo of the preview; "Sample.jpg" beside the program unless set otherwise.
    void setSampleFile(const QString &fileName);
    QImage SampleThumbnail();

    void done(int result) override;

    QTabWidget *PageControl = nullptr;
    QWidget *tsThumbnailOptions = nullptr;
    QWidget *tsProgramOptions = nullptr;
    QWidget *tsCache = nullptr;
    QComboBox *cbThumbSize = nullptr;
    QComboBox *cbColumnCount = nullptr;
    QSpinBox *seTEXT_COL_WIDTH = nullptr;
    QSpinBox *seGap = nullptr;
    QPushButton *btColor = nullptr;
    QPushButton *btFont = nullptr;
    QCheckBox *cbShowThumbnailNumber = nullptr;
    QCheckBox *cbRotateImage = nullptr;
    QCheckBox *cbShowBorders = nullptr;
    TOptionsPreview *DrawGrid = nullptr;
    QRadioButton *rbAlways = nullptr;
    QRadioButton *rbNever = nullptr;
    QRadioButton *rbMany = nullptr;
    QRadioButton *rbPreserve = nullptr;
    QRadioButton *rbDontPreserve = nullptr;
    QCheckBox *cbContextMenu = nullptr;
    QSpinBox *seRecent = nullptr;
    QCheckBox *cbShowToolBar = nullptr;
    QRadioButton *rbWindowsTemp = nullptr;
    QRadioButton *rbCustomFolder = nullptr;
    QLineEdit *edCustomFolder = nullptr;
    QPushButton *btSelectFolder = nullptr;
    QLabel *lbCacheFolderSize = nullptr;
    QPushButton *btOpenCacheFolder = nullptr;
    QPushButton *btDefaultSettings = nullptr;
    QPushButton *btOK = nullptr;
    QPushButton *btCancel = nullptr;

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *createThumbnailPage();
    QWidget *createProgramPage();
    QWidget *createCachePage();
    void connectControls();

    void spinChanged(QSpinBox *spin, int value);
    void spinFinished(QSpinBox *spin);
    void chooseColor();
    void chooseFont();
    void confirmationClicked(QAbstractButton *button);
    void cacheRadioClicked(QAbstractButton *button);
    void selectCacheFolder();
    void openCacheFolder();
    void contextMenuToggled(bool checked);
    void okClicked();
    // Keeps or restores the settings once, whichever way the dialog ends.
    void finishSettings(bool confirmed);

    QFont fDefaultFont;
    QString fSampleFile;
    QImage fSampleThumbnail;
    QSize fSampleSize;
    bool fSampleFailed = false;
    bool fLoading = false;
    bool fBackupMade = false;
    bool fSettingsFinished = false;
    bool fPlaced = false;
};

// The one-cell preview drawn like a grid cell with sample texts.
class TOptionsPreview : public QWidget
{
    Q_OBJECT

public:
    TOptionsPreview(TfmThumbnailOptions *dialog, QWidget *parent);
    bool ShowBorders = false;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    TfmThumbnailOptions *fDialog;
};

// Opens the options dialog modally; true when confirmed with OK. sizeChanged tells whether the
// thumbnail size differs from the one at opening.
bool ShowOptionsDialog(QWidget *parent, bool &sizeChanged);

} // namespace orvane
