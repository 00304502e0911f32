// The options dialog and its one-cell preview.
#include "ui/dialogs/thumbnailoptionsdialog.h"

#include "core/settings/fileutils.h"
#include "core/settings/font.h"
#include "core/settings/prompter.h"
#include "core/settings/settings.h"
#include "core/thumbs/jpegdecode.h"
#include "core/thumbs/thumbcache.h"
#include "core/thumbs/thumbsize.h"
#include "ui/dialogs/folderactionentry.h"
#include "ui/dialogs/placeformonscreen.h"
#include "ui/main/browseforfolder.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QFontDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace orvane {

namespace {

// The spin edits take any number; the settings clamp it.
constexpr int SpinLimit = 99999;

QSpinBox *newSpinEdit(QWidget *parent)
{
    auto *spin = new QSpinBox(parent);
    spin->setRange(-SpinLimit, SpinLimit);
    spin->setFixedWidth(90);
    return spin;
}

int DivTrunc(int value, int divisor)
{
    return value / divisor; // C++ division truncates toward zero
}

} // namespace

TfmThumbnailOptions::TfmThumbnailOptions(QWidget *parent, const QFont &defaultFont)
    : QDialog(parent), fDefaultFont(defaultFont), fSampleFile(ProgramFolder() + QStringLiteral("Sample.jpg"))
{
    fBackupMade = Settings().BackupSettings();
    StartBMP_WIDTH = Settings().BMP_WIDTH();
    StartBMP_HEIGHT = Settings().BMP_HEIGHT();
    IsThumsSizeChanged = false;

    setWindowTitle(QStringLiteral("Options"));
    resize(784, 561);

    auto *layout = new QVBoxLayout(this);
    PageControl = new QTabWidget(this);
    tsThumbnailOptions = createThumbnailPage();
    tsProgramOptions = createProgramPage();
    tsCache = createCachePage();
    PageControl->addTab(tsThumbnailOptions, QStringLiteral("Thumbnails options"));
    PageControl->addTab(tsProgramOptions, QStringLiteral("Program options"));
    PageControl->addTab(tsCache, QStringLiteral("Cache options"));
    layout->addWidget(PageControl, 1);

    auto *bottom = new QHBoxLayout();
    btDefaultSettings = new QPushButton(QStringLiteral("Restore defaults"), this);
    btDefaultSettings->setAutoDefault(false);
    btOK = new QPushButton(QStringLiteral("OK"), this);
    btOK->setDefault(true);
    btCancel = new QPushButton(QStringLiteral("Cancel"), this);
    btCancel->setAutoDefault(false);
    bottom->addWidget(btDefaultSettings);
    bottom->addStretch(1);
    bottom->addWidget(btOK);
    bottom->addWidget(btCancel);
    layout->addLayout(bottom);

    for (const TThumbSize &size : ThumbSizes()) {
        cbThumbSize->addItem(size.Description());
    }
    for (int i = 1; i <= 9; ++i) {
        cbColumnCount->addItem(QString::number(i));
    }
    DrawGrid->setFont(Settings().TEXT_FONT().font);

    LoadControls();
    UpdateCacheSizeLabel();
    connectControls();
}

TfmThumbnailOptions::~TfmThumbnailOptions()
{
    if (!fSettingsFinished) {
        finishSettings(false);
    }
}

QWidget *TfmThumbnailOptions::createThumbnailPage()
{
    auto *page = new QWidget(this);
    auto *layout = new QHBoxLayout(page);

    auto *left = new QGridLayout();
    int row = 0;
    cbThumbSize = new QComboBox(page);
    cbThumbSize->setMaxVisibleItems(16);
    left->addWidget(new QLabel(QStringLiteral("Thumbnail size (pixels)"), page), row, 0);
    left->addWidget(cbThumbSize, row++, 1);
    cbColumnCount = new QComboBox(page);
    left->addWidget(new QLabel(QStringLiteral("Keywords columns"), page), row, 0);
    left->addWidget(cbColumnCount, row++, 1);
    seTEXT_COL_WIDTH = newSpinEdit(page);
    left->addWidget(new QLabel(QStringLiteral("Column width (pixels)"), page), row, 0);
    left->addWidget(seTEXT_COL_WIDTH, row++, 1);
    seGap = newSpinEdit(page);
    left->addWidget(new QLabel(QStringLiteral("Outer frame width (pixels)"), page), row, 0);
    left->addWidget(seGap, row++, 1);
    btColor = new QPushButton(QStringLiteral("Color"), page);
    btColor->setAutoDefault(false);
    btFont = new QPushButton(QStringLiteral("Font"), page);
    btFont->setAutoDefault(false);
    auto *colorAndFont = new QHBoxLayout();
    colorAndFont->addWidget(btColor);
    colorAndFont->addWidget(btFont);
    colorAndFont->addStretch(1);
    left->addLayout(colorAndFont, row++, 0, 1, 2);
    cbShowThumbnailNumber = new QCheckBox(QStringLiteral("Show thumbnail number"), page);
    left->addWidget(cbShowThumbnailNumber, row++, 0, 1, 2);
    cbRotateImage = new QCheckBox(QStringLiteral("Rotate image according to EXIF info (if available)"), page);
    left->addWidget(cbRotateImage, row++, 0, 1, 2);
    left->setRowStretch(row, 1);
    layout->addLayout(left);

    auto *right = new QVBoxLayout();
    cbShowBorders = new QCheckBox(QStringLiteral("Show outer frame (only for preview purpose)"), page);
    right->addWidget(cbShowBorders);
    auto *scroll = new QScrollArea(page);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    DrawGrid = new TOptionsPreview(this, scroll);
    scroll->setWidget(DrawGrid);
    scroll->setWidgetResizable(false);
    right->addWidget(scroll, 1);
    layout->addLayout(right, 1);
    return page;
}

QWidget *TfmThumbnailOptions::createProgramPage()
{
    auto *page = new QWidget(this);
    auto *layout = new QVBoxLayout(page);

    auto *confirm = new QGroupBox(QStringLiteral(" Confirm keyword deletion "), page);
    auto *confirmLayout = new QVBoxLayout(confirm);
    rbAlways = new QRadioButton(QStringLiteral("Always confirm"), confirm);
    rbNever = new QRadioButton(QStringLiteral("Never confirm"), confirm);
    rbMany = new QRadioButton(QStringLiteral("Confirm only if more than one file is involved "), confirm);
    auto *confirmGroup = new QButtonGroup(confirm);
    confirmGroup->addButton(rbAlways, 1);
    confirmGroup->addButton(rbNever, 2);
    confirmGroup->addButton(rbMany, 3);
    for (QRadioButton *button : {rbAlways, rbNever, rbMany}) {
        confirmLayout->addWidget(button);
    }
    layout->addWidget(confirm);

    auto *fileDate = new QGroupBox(QStringLiteral("File date modified when editing keywords"), page);
    auto *fileDateLayout = new QVBoxLayout(fileDate);
    rbPreserve = new QRadioButton(QStringLiteral("Preserve original date modified"), fileDate);
    rbDontPreserve = new QRadioButton(QStringLiteral("Don't preserve date modified"), fileDate);
    auto *fileDateGroup = new QButtonGroup(fileDate);
    fileDateGroup->addButton(rbPreserve);
    fileDateGroup->addButton(rbDontPreserve);
    fileDateLayout->addWidget(rbPreserve);
    fileDateLayout->addWidget(rbDontPreserve);
    layout->addWidget(fileDate);

    auto *integration = new QGroupBox(QStringLiteral(" Integration "), page);
    auto *integrationLayout = new QVBoxLayout(integration);
    cbContextMenu = new QCheckBox(
        QStringLiteral("Add context menu \"Open with Orvane\" for folders in windows exporer."), integration);
    integrationLayout->addWidget(cbContextMenu);
    layout->addWidget(integration);

    auto *recent = new QGroupBox(QStringLiteral(" Recent keywords "), page);
    auto *recentLayout = new QHBoxLayout(recent);
    seRecent = newSpinEdit(recent);
    recentLayout->addWidget(new QLabel(QStringLiteral("Count of recent keywords"), recent));
    recentLayout->addWidget(seRecent);
    recentLayout->addStretch(1);
    layout->addWidget(recent);

    auto *toolBar = new QGroupBox(QStringLiteral(" ToolBar"), page);
    auto *toolBarLayout = new QVBoxLayout(toolBar);
    cbShowToolBar = new QCheckBox(QStringLiteral("Show Tool Bar"), toolBar);
    toolBarLayout->addWidget(cbShowToolBar);
    layout->addWidget(toolBar);
    layout->addStretch(1);

    connect(confirmGroup, &QButtonGroup::buttonClicked, this, &TfmThumbnailOptions::confirmationClicked);
    connect(fileDateGroup, &QButtonGroup::buttonClicked, this, &TfmThumbnailOptions::confirmationClicked);
    return page;
}

QWidget *TfmThumbnailOptions::createCachePage()
{
    auto *page = new QWidget(this);
    auto *layout = new QVBoxLayout(page);
    auto *group = new QGroupBox(QStringLiteral("Thumbnails Cache Folder"), page);
    auto *grid = new QGridLayout(group);
    rbWindowsTemp = new QRadioButton(QStringLiteral("Use Windows Temp folder"), group);
    rbCustomFolder = new QRadioButton(QStringLiteral("Specific folder:"), group);
    edCustomFolder = new QLineEdit(group);
    edCustomFolder->setReadOnly(true);
    btSelectFolder = new QPushButton(QStringLiteral("Select Folder"), group);
    btSelectFolder->setAutoDefault(false);
    lbCacheFolderSize = new QLabel(group);
    btOpenCacheFolder = new QPushButton(QStringLiteral("Open Cache Folder"), group);
    btOpenCacheFolder->setAutoDefault(false);
    grid->addWidget(rbWindowsTemp, 0, 0, 1, 3);
    grid->addWidget(rbCustomFolder, 1, 0);
    grid->addWidget(edCustomFolder, 1, 1);
    grid->addWidget(btSelectFolder, 1, 2);
    grid->addWidget(lbCacheFolderSize, 2, 0, 1, 3);
    auto *open = new QHBoxLayout();
    open->addWidget(btOpenCacheFolder);
    open->addStretch(1);
    grid->addLayout(open, 3, 0, 1, 3);
    grid->setColumnStretch(1, 1);
    layout->addWidget(group);
    layout->addStretch(1);

    auto *cacheGroup = new QButtonGroup(group);
    cacheGroup->addButton(rbWindowsTemp);
    cacheGroup->addButton(rbCustomFolder);
    connect(cacheGroup, &QButtonGroup::buttonClicked, this, &TfmThumbnailOptions::cacheRadioClicked);
    return page;
}

void TfmThumbnailOptions::connectControls()
{
    connect(cbThumbSize, &QComboBox::activated, this, [this](int index) {
        if (index >= 0 && index < ThumbSizes().size()) {
            Settings().setBMP_WIDTH(ThumbSizes().at(index).Width());
            Settings().setBMP_HEIGHT(ThumbSizes().at(index).Height());
            RefreshPreview();
        }
    });
    connect(cbColumnCount, &QComboBox::activated, this, [this](int index) {
        Settings().setTEXT_COL_COUNT(index + 1);
        RefreshPreview();
    });
    for (QSpinBox *spin : {seTEXT_COL_WIDTH, seGap, seRecent}) {
        connect(spin, &QSpinBox::valueChanged, this, [this, spin](int value) { spinChanged(spin, value); });
        connect(spin, &QSpinBox::editingFinished, this, [this, spin] { spinFinished(spin); });
        spin->installEventFilter(this);
    }
    connect(btColor, &QPushButton::clicked, this, &TfmThumbnailOptions::chooseColor);
    connect(btFont, &QPushButton::clicked, this, &TfmThumbnailOptions::chooseFont);
    connect(cbShowThumbnailNumber, &QCheckBox::clicked, this, [this](bool checked) {
        Settings().setShowThumbnailNumber(checked);
        RefreshPreview();
    });
    connect(cbRotateImage, &QCheckBox::clicked, this, [this](bool checked) {
        Settings().setRotateImage(checked);
        RefreshPreview();
    });
    connect(cbShowToolBar, &QCheckBox::clicked, this, [this](bool checked) {
        Settings().setShowToolBar(checked);
        RefreshPreview();
    });
    connect(cbShowBorders, &QCheckBox::toggled, this, [this](bool checked) {
        DrawGrid->ShowBorders = checked;
        DrawGrid->update();
    });
    connect(cbContextMenu, &QCheckBox::clicked, this, &TfmThumbnailOptions::contextMenuToggled);
    connect(btSelectFolder, &QPushButton::clicked, this, &TfmThumbnailOptions::selectCacheFolder);
    connect(btOpenCacheFolder, &QPushButton::clicked, this, &TfmThumbnailOptions::openCacheFolder);
    connect(btDefaultSettings, &QPushButton::clicked, this, &TfmThumbnailOptions::RestoreDefaults);
    connect(btOK, &QPushButton::clicked, this, &TfmThumbnailOptions::okClicked);
    connect(btCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TfmThumbnailOptions::LoadControls()
{
    const TSettings &settings = Settings();
    fLoading = true;
    int sizeIndex = -1;
    for (int i = 0; i < ThumbSizes().size(); ++i) {
        if (ThumbSizes().at(i).Width() == settings.BMP_WIDTH() && ThumbSizes().at(i).Height() == settings.BMP_HEIGHT()) {
            sizeIndex = i;
            break;
        }
    }
    cbThumbSize->setCurrentIndex(sizeIndex);
    cbColumnCount->setCurrentIndex(settings.TEXT_COL_COUNT() - 1);
    seTEXT_COL_WIDTH->setValue(settings.TEXT_COL_WIDTH());
    seGap->setValue(settings.GAP());
    switch (settings.ConfirmKeywordDel()) {
    case 1:
        rbAlways->setChecked(true);
        break;
    case 2:
        rbNever->setChecked(true);
        break;
    default:
        rbMany->setChecked(true);
        break;
    }
    (settings.UseWinTmpFolder() ? rbWindowsTemp : rbCustomFolder)->setChecked(true);
    edCustomFolder->setText(settings.FolderThumbsRootPlace());
    (settings.PreserveFileDateTime() ? rbPreserve : rbDontPreserve)->setChecked(true);
    cbContextMenu->setChecked(ExplorerEntryExists());
    seRecent->setValue(settings.RecentCount());
    cbShowThumbnailNumber->setChecked(settings.ShowThumbnailNumber());
    cbRotateImage->setChecked(settings.RotateImage());
    cbShowToolBar->setChecked(settings.ShowToolBar());
    fLoading = false;
}

void TfmThumbnailOptions::spinChanged(QSpinBox *spin, int value)
{
    if (fLoading) {
        return;
    }
    if (spin == seTEXT_COL_WIDTH) {
        Settings().setTEXT_COL_WIDTH(value);
    } else if (spin == seGap) {
        Settings().setGAP(value);
    } else {
        Settings().setRecentCount(value);
        return;
    }
    RefreshPreview();
}

void TfmThumbnailOptions::spinFinished(QSpinBox *spin)
{
    spinChanged(spin, spin->value());
    int stored = 0;
    if (spin == seTEXT_COL_WIDTH) {
        stored = Settings().TEXT_COL_WIDTH();
    } else if (spin == seGap) {
        stored = Settings().GAP();
    } else {
        stored = Settings().RecentCount();
    }
    if (spin->value() != stored) {
        fLoading = true;
        spin->setValue(stored);
        fLoading = false;
    }
}

bool TfmThumbnailOptions::eventFilter(QObject *watched, QEvent *event)
{
    // Enter in a spin edit only stores and shows the clamped value; it does not press OK.
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            for (QSpinBox *spin : {seTEXT_COL_WIDTH, seGap, seRecent}) {
                if (watched == spin) {
                    spin->interpretText();
                    spinFinished(spin);
                    spin->selectAll();
                    return true;
                }
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TfmThumbnailOptions::chooseColor()
{
    const QColor chosen = QColorDialog::getColor(ColorToQColor(Settings().COLOR()), this, QStringLiteral("Color"));
    if (!chosen.isValid()) {
        return;
    }
    Settings().setCOLOR(QColorToColor(chosen));
    RefreshPreview();
}

void TfmThumbnailOptions::chooseFont()
{
    bool ok = false;
    TFont font = Settings().TEXT_FONT();
    const QFont chosen = QFontDialog::getFont(&ok, font.font, this, QStringLiteral("Font"));
    if (!ok) {
        return;
    }
    font.font = chosen;
    Settings().setTEXT_FONT(font);
    RefreshPreview();
}

void TfmThumbnailOptions::confirmationClicked(QAbstractButton *button)
{
    if (button == rbAlways) {
        Settings().setConfirmKeywordDel(1);
    } else if (button == rbNever) {
        Settings().setConfirmKeywordDel(2);
    } else if (button == rbMany) {
        Settings().setConfirmKeywordDel(3);
    } else if (button == rbPreserve || button == rbDontPreserve) {
        Settings().setPreserveFileDateTime(button == rbPreserve);
    }
    RefreshPreview();
}

void TfmThumbnailOptions::cacheRadioClicked(QAbstractButton *button)
{
    TSettings &settings = Settings();
    settings.setUseWinTmpFolder(button == rbWindowsTemp);
    if (button == rbCustomFolder) {
        // Without a usable folder of its own the cache would land in the working folder: ask for one.
        const QString place = settings.FolderThumbsRootPlace();
        if (place.isEmpty() || !QFileInfo(place).isDir()) {
            settings.setUseWinTmpFolder(true);
            selectCacheFolder();
            if (settings.UseWinTmpFolder()) {
                rbWindowsTemp->setChecked(true);
            }
        }
    }
    edCustomFolder->setText(settings.FolderThumbsRootPlace());
    UpdateCacheSizeLabel();
}

void TfmThumbnailOptions::selectCacheFolder()
{
    const QString folder =
        BrowseForFolder(this, QStringLiteral("Select Thumbnails Cache Folder"), edCustomFolder->text());
    if (folder.isEmpty()) {
        return;
    }
    TSettings &settings = Settings();
    edCustomFolder->setText(IncludeTrailingDelimiter(folder));
    settings.setFolderThumbsRootPlace(edCustomFolder->text());
    rbCustomFolder->setChecked(true);
    settings.setUseWinTmpFolder(false);
    CreateCacheFolders();
    UpdateCacheSizeLabel();
}

void TfmThumbnailOptions::openCacheFolder()
{
    try {
        ShellExecuteFile(Settings().FolderThumbsRoot());
    } catch (const EShellError &error) {
        ShowMessage(error.message());
    }
}

void TfmThumbnailOptions::contextMenuToggled(bool checked)
{
    // A failure leaves the box as the user set it, without a message.
    if (checked) {
        AddExplorerEntry();
    } else {
        RemoveExplorerEntry();
    }
}

void TfmThumbnailOptions::UpdateCacheSizeLabel()
{
    lbCacheFolderSize->setText(QStringLiteral("Cache Folder Size: ") +
                               FormatThousands(qint64(FolderSize(Settings().FolderThumbsRoot()))) +
                               QStringLiteral(" bytes"));
}

void TfmThumbnailOptions::RestoreDefaults()
{
    TSettings &settings = Settings();
    settings.setGAP(5);
    settings.setBMP_WIDTH(ThumbSizes().at(3).Width());
    settings.setBMP_HEIGHT(ThumbSizes().at(3).Height());
    settings.setTEXT_COL_WIDTH(100);
    settings.setTEXT_COL_COUNT(1);
    settings.setTEXT_FONT(TFont(fDefaultFont));
    settings.setCOLOR(12632256);
    settings.setConfirmKeywordDel(3);
    settings.setPreserveFileDateTime(true);
    settings.setRecentCount(15);
    settings.setShowThumbnailNumber(true);
    settings.setRotateImage(true);
    settings.setShowToolBar(true);
    LoadControls();
    RefreshPreview();
}

void TfmThumbnailOptions::RefreshPreview()
{
    const TSettings &settings = Settings();
    DrawGrid->setFont(settings.TEXT_FONT().font);
    DrawGrid->setFixedSize(settings.GridColWidth(), settings.GridRowHeight());
    DrawGrid->update();
}

void TfmThumbnailOptions::setSampleFile(const QString &fileName)
{
    fSampleFile = fileName;
    fSampleThumbnail = QImage();
    fSampleSize = QSize();
    fSampleFailed = false;
}

QImage TfmThumbnailOptions::SampleThumbnail()
{
    const QSize size(Settings().BMP_WIDTH(), Settings().BMP_HEIGHT());
    if (size == fSampleSize) {
        return fSampleThumbnail;
    }
    fSampleSize = size;
    fSampleThumbnail = QImage();
    if (!QFileInfo::exists(fSampleFile)) {
        return fSampleThumbnail;
    }
    const QString bmp = QStringLiteral("%1%2.bmp").arg(Settings().FolderTemp(), NewGuidString());
    try {
        if (MakeThumbnail(fSampleFile, bmp, size.width(), size.height())) {
            fSampleThumbnail = QImage(bmp, "BMP");
        }
    } catch (const ETurboJPEG &error) {
        // Once per dialog: the preview is drawn again on every change.
        if (!fSampleFailed) {
            fSampleFailed = true;
            ShowMessage(error.message());
        }
    }
    QFile::remove(bmp);
    return fSampleThumbnail;
}

void TfmThumbnailOptions::okClicked()
{
    IsThumsSizeChanged =
        Settings().BMP_WIDTH() != StartBMP_WIDTH || Settings().BMP_HEIGHT() != StartBMP_HEIGHT;
    accept();
    CreateCacheFolders();
}

void TfmThumbnailOptions::done(int result)
{
    if (!fSettingsFinished) {
        finishSettings(result == QDialog::Accepted);
    }
    QDialog::done(result);
}

void TfmThumbnailOptions::finishSettings(bool confirmed)
{
    fSettingsFinished = true;
    if (confirmed) {
        Settings().AbandonBackup();
    } else if (fBackupMade) {
        // Only the backup this dialog made; one left behind by an earlier run is never restored.
        Settings().RestoreBackup();
    }
}

void TfmThumbnailOptions::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!fPlaced) {
        fPlaced = true;
        PlaceFormOnScreen(this, 20, 15);
        PageControl->setCurrentWidget(tsThumbnailOptions);
        RefreshPreview();
    }
}

TOptionsPreview::TOptionsPreview(TfmThumbnailOptions *dialog, QWidget *parent) : QWidget(parent), fDialog(dialog)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TOptionsPreview::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    TSettings &settings = Settings();
    const QRect cell = rect();
    settings.InitCellData(cell);
    const QColor background = ColorToQColor(settings.COLOR());
    painter.fillRect(cell, background);

    const QRect bmpRect = settings.BmpRect;
    const QImage thumbnail = fDialog->SampleThumbnail();
    if (!thumbnail.isNull()) {
        painter.save();
        painter.setClipRect(bmpRect);
        painter.drawImage(bmpRect.left() + DivTrunc(bmpRect.width() - thumbnail.width(), 2),
                          bmpRect.top() + DivTrunc(bmpRect.height() - thumbnail.height(), 2), thumbnail);
        painter.restore();
    }

    painter.setFont(settings.TEXT_FONT().font);
    painter.setPen(settings.TEXT_FONT().cellTextColor());
    const int lineHeight = settings.TEXT_HEIGHT();
    const int textFlags = Qt::AlignTop | Qt::TextSingleLine;
    int counter = 1;
    for (int i = 1; i <= settings.TEXT_COL_COUNT(); ++i) {
        const QRect textRect = settings.TextRect[i];
        painter.save();
        painter.setClipRect(textRect);
        QRect line(textRect.left(), textRect.top(), textRect.width(), lineHeight);
        for (int r = 0; r < settings.RowCount; ++r) {
            painter.drawText(line, textFlags | Qt::AlignLeft, QStringLiteral("%1 Sample Keyword").arg(counter));
            ++counter;
            line.translate(0, lineHeight);
        }
        painter.restore();
    }

    const QRect labelRect = settings.LabelRect;
    painter.save();
    painter.setClipRect(labelRect);
    const QString fileName = QStringLiteral("Sample file name.jpg");
    if (settings.ShowThumbnailNumber()) {
        painter.drawText(labelRect, textFlags | Qt::AlignLeft, fileName);
        painter.drawText(labelRect, textFlags | Qt::AlignRight, QStringLiteral("123/9999"));
    } else {
        painter.drawText(labelRect, textFlags | Qt::AlignHCenter, fileName);
    }
    painter.restore();

    if (ShowBorders) {
        painter.setPen(QPen(ColorToQColor(InvertColor(settings.COLOR())), 0));
        painter.setBrush(Qt::NoBrush);
        // Outlines inside each box, as the boxes' right and bottom edges are exclusive.
        painter.drawRect(bmpRect.adjusted(0, 0, -1, -1));
        painter.drawRect(labelRect.adjusted(0, 0, -1, -1));
        for (int i = 1; i <= settings.TEXT_COL_COUNT(); ++i) {
            painter.drawRect(settings.TextRect[i].adjusted(0, 0, -1, -1));
        }
    }
}

bool ShowOptionsDialog(QWidget *parent, bool &sizeChanged)
{
    TfmThumbnailOptions dialog(parent, parent ? parent->font() : QFont());
    const bool ok = dialog.exec() == QDialog::Accepted;
    sizeChanged = dialog.IsThumsSizeChanged;
    return ok;
}

} // namespace orvane
