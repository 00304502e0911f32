// The image viewer window and its modal entry point.
#include "ui/main/imageviewer.h"

#include "core/model/fileset.h"
#include "core/settings/prompter.h"
#include "core/settings/settings.h"
#include "core/thumbs/jpegdecode.h"
#include "core/thumbs/rotatebitmap.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>

namespace orvane {

TfmView::TfmView(TFileSet *fileSet, int index, QWidget *parent)
    : QDialog(parent), FileSet(fileSet), fIndex(index)
{
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint
                   | Qt::WindowCloseButtonHint);
    setSizeGripEnabled(false);

    PanelTop = new QWidget(this);
    PanelTop->setFixedHeight(25);
    cbShowKeywords = new QCheckBox(tr("Show Keywords"), PanelTop);
    cbTransparent = new QCheckBox(tr("Transparent Keywords"), PanelTop);
    auto *topLayout = new QHBoxLayout(PanelTop);
    topLayout->setContentsMargins(4, 0, 4, 0);
    topLayout->addWidget(cbShowKeywords);
    topLayout->addWidget(cbTransparent);
    topLayout->addStretch();

    PaintBox = new QWidget(this);
    PaintBox->setAttribute(Qt::WA_OpaquePaintEvent);
    PaintBox->setFocusPolicy(Qt::NoFocus);
    PaintBox->installEventFilter(this);

    StatusBar = new QStatusBar(this);
    StatusBar->setSizeGripEnabled(false);
    fStatusPanel = new QLabel(StatusBar);
    fStatusPanel->setFixedWidth(300);
    StatusBar->addWidget(fStatusPanel);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(PanelTop);
    layout->addWidget(PaintBox, 1);
    layout->addWidget(StatusBar);

    // The viewer's keys win over the focused check box (Enter, arrows, Esc).
    cbShowKeywords->installEventFilter(this);
    cbTransparent->installEventFilter(this);

    cbShowKeywords->setChecked(Settings().ShowKeywordsOnPreview());
    cbTransparent->setChecked(Settings().Transparent());
    connect(cbShowKeywords, &QCheckBox::toggled, this, [this](bool on) {
        Settings().setShowKeywordsOnPreview(on);
        PaintBox->update();
    });
    connect(cbTransparent, &QCheckBox::toggled, this, [this](bool on) {
        Settings().setTransparent(on);
        PaintBox->update();
    });
    Update();
}

void TfmView::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!fIsFormFullScreen && !isMaximized()) {
        // Covers the screen's work area even where no window manager carries out the maximizing.
        if (QScreen *screen = parentWidget() ? parentWidget()->screen() : this->screen()) {
            setGeometry(screen->availableGeometry());
        }
        setWindowState(windowState() | Qt::WindowMaximized);
    }
    Update();
}

QString TfmView::statusText() const
{
    return tr("Image %1 of %2").arg(fIndex + 1).arg(FileSet->CountFiltered());
}

void TfmView::Update()
{
    if (fIndex >= 0 && fIndex < FileSet->CountFiltered()) {
        setWindowTitle(FileSet->FilesFiltered(fIndex)->JpgFullName);
    }
    fStatusPanel->setText(statusText());
    PaintBox->update();
}

void TfmView::step(int newIndex)
{
    if (newIndex == fIndex || newIndex < 0 || newIndex >= FileSet->CountFiltered()) {
        return;
    }
    fIndex = newIndex;
    Update();
}

void TfmView::setFormFullScreen(bool on)
{
    if (on == fIsFormFullScreen) {
        return;
    }
    fIsFormFullScreen = on;
    PanelTop->setVisible(!on);
    StatusBar->setVisible(!on);
    if (on) {
        showFullScreen();
    } else {
        showMaximized();
    }
    Update();
}

bool TfmView::handleKey(int key)
{
    switch (key) {
    case Qt::Key_Right:
        step(fIndex + 1);
        return true;
    case Qt::Key_Left:
        step(fIndex - 1);
        return true;
    case Qt::Key_Home:
        step(0);
        return true;
    case Qt::Key_End:
        step(FileSet->CountFiltered() - 1);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        setFormFullScreen(!fIsFormFullScreen);
        return true;
    case Qt::Key_Escape:
        if (fIsFormFullScreen) {
            setFormFullScreen(false);
        } else {
            close();
        }
        return true;
    default:
        return false;
    }
}

void TfmView::keyPressEvent(QKeyEvent *event)
{
    if (!handleKey(event->key())) {
        QDialog::keyPressEvent(event);
    }
}

bool TfmView::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == PaintBox && event->type() == QEvent::Paint) {
        paintPicture();
        return true;
    }
    if (event->type() == QEvent::KeyPress && (watched == cbShowKeywords || watched == cbTransparent)) {
        return handleKey(static_cast<QKeyEvent *>(event)->key());
    }
    return QDialog::eventFilter(watched, event);
}

QImage TfmView::pictureFor(int width, int height)
{
    const TFileInfo *photo = FileSet->FilesFiltered(fIndex);
    const TRotateAngle angle = Settings().RotateImage() ? photo->RotateAngle : rotNone;
    const QFileInfo file(photo->JpgFullName);
    const QString key = QStringLiteral("%1|%2|%3|%4|%5|%6")
                            .arg(photo->JpgFullName)
                            .arg(width)
                            .arg(height)
                            .arg(int(angle))
                            .arg(file.lastModified().toMSecsSinceEpoch())
                            .arg(file.size());
    if (key == fPictureKey) {
        return fPicture;
    }
    fPictureKey = key;
    fPicture = QImage();
    try {
        // Only quarter turns change the picture's shape; a half-turned photo is fitted to the area
        // as it is.
        const bool quarterTurn = angle == rotAngle90 || angle == rotAngle270;
        fPicture = LoadScaledBitmap(photo->JpgFullName, width, height, quarterTurn);
        if (!fPicture.isNull() && angle != rotNone) {
            RotateBitmap(fPicture, angle);
        }
    } catch (const std::exception &error) {
        // Painting is no place for a modal box; tell the user once the paint is over, once per photo.
        const QString message = QString::fromStdString(error.what());
        if (fReportedFailure != photo->JpgFullName) {
            fReportedFailure = photo->JpgFullName;
            QTimer::singleShot(0, this, [message]() { ShowMessage(message); });
        }
    }
    return fPicture;
}

void TfmView::paintPicture()
{
    QPainter painter(PaintBox);
    const int w = PaintBox->width();
    const int h = PaintBox->height();
    TSettings &settings = Settings();
    const QColor background = ColorToQColor(settings.COLOR());
    painter.fillRect(PaintBox->rect(), background);
    if (fIndex < 0 || fIndex >= FileSet->CountFiltered() || w <= 0 || h <= 0) {
        return;
    }
    const QImage picture = pictureFor(w, h);
    if (!picture.isNull()) {
        painter.drawImage((w - picture.width()) / 2, (h - picture.height()) / 2, picture);
    }
    if (!cbShowKeywords->isChecked()) {
        return;
    }
    const TFont &font = settings.TEXT_FONT();
    painter.setFont(font.font);
    painter.setPen(font.cellTextColor());
    const int lineHeight = settings.TEXT_HEIGHT();
    const TFileInfo *photo = FileSet->FilesFiltered(fIndex);
    QStringList lines = photo->KeywordList.Strings();
    if (lines.isEmpty()) {
        lines << QStringLiteral("< No Keywords >");
    }
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine;
    for (int i = 0; i < lines.size(); ++i) {
        const QRect lineRect(lineHeight, lineHeight + i * lineHeight, w, lineHeight);
        if (lineRect.top() >= h) {
            break;
        }
        if (!cbTransparent->isChecked()) {
            painter.fillRect(painter.boundingRect(lineRect, flags, lines.at(i)).intersected(lineRect), background);
        }
        painter.drawText(lineRect, flags, lines.at(i));
    }
}

int ShowImageViewer(QWidget *parent, TFileSet *fileSet, int startIndex)
{
    if (!fileSet || startIndex < 0 || startIndex >= fileSet->CountFiltered()) {
        return startIndex;
    }
    TfmView view(fileSet, startIndex, parent);
    view.exec();
    return view.Index();
}

} // namespace orvane
