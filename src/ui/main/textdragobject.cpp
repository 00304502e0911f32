// The keyword drag payload, its drag image and the shared drag state.
#include "ui/main/textdragobject.h"

#include <QApplication>
#include <QDrag>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QPalette>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace orvane {

namespace {

TKeywordDragState gDragState;

// Rounds to the nearest integer, halves to even (the default floating-point rounding mode).
int roundHalfEven(double value)
{
    return int(std::nearbyint(value));
}

// X11 and Wayland cursor themes publish their size only through the environment; 32 otherwise.
int cursorSize()
{
    bool ok = false;
    const int size = qEnvironmentVariableIntValue("XCURSOR_SIZE", &ok);
    return ok && size > 0 ? size : 32;
}

} // namespace

TKeywordDragState &KeywordDragState()
{
    return gDragState;
}

void ResetKeywordDragState()
{
    gDragState = TKeywordDragState();
}

TTextDragObject::TTextDragObject(QWidget *sourceControl) : fSourceControl(sourceControl)
{
}

QString TTextDragObject::HeaderFor(int selectedShownCount)
{
    if (selectedShownCount < 2) {
        return QStringLiteral(" ");
    }
    return QStringLiteral("Drop into (%1) files").arg(selectedShownCount);
}

void TTextDragObject::setKeywords(const QStringList &keywords)
{
    // The list order of the source is kept for the payload; TKwStringList sorts, and the source
    // lists are sorted the same way, so both agree.
    KeywordList.Clear();
    KeywordList.AddStrings(keywords);
    const QString joined = KeywordList.Strings().join(QLatin1Char('\n'));
    setData(QString::fromLatin1(KeywordsMimeType), joined.toUtf8());
    setText(joined);
    fDragImage = QPixmap();
}

QPixmap TTextDragObject::dragImage()
{
    if (!fDragImage.isNull()) {
        return fDragImage;
    }
    QFont font = QApplication::font();
    font.setPointSize(16);
    const QFontMetrics metrics(font);

    int width = std::max(metrics.horizontalAdvance(HeaderText), metrics.horizontalAdvance(QStringLiteral("WWWWW")));
    for (const QString &keyword : KeywordList) {
        width = std::max(width, metrics.horizontalAdvance(keyword));
    }
    const int lineHeight = metrics.boundingRect(QStringLiteral("O")).height();
    int height = (KeywordList.Count() + 3) * lineHeight;

    width = roundHalfEven(width * 1.1);
    height = roundHalfEven(height * 1.1);
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        width = std::min(width, roundHalfEven(screen->geometry().width() * 0.5));
        height = std::min(height, roundHalfEven(screen->geometry().height() * 0.75));
    }

    QPixmap image(std::max(width, 1), std::max(height, 1));
    const QPalette palette = QApplication::palette();
    image.fill(palette.color(QPalette::ToolTipBase));
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(palette.color(QPalette::ToolTipText));
    QString text = HeaderText + QLatin1Char('\n');
    for (const QString &keyword : KeywordList) {
        text += keyword + QLatin1Char('\n');
    }
    // No mnemonic handling here, so "&" is drawn as itself.
    painter.setClipRect(image.rect());
    painter.drawText(image.rect(), Qt::AlignLeft | Qt::AlignTop, text);
    // A hairline frame keeps the image apart from light photos under it.
    QColor frame = palette.color(QPalette::ToolTipText);
    frame.setAlpha(90);
    painter.setPen(frame);
    painter.drawRect(image.rect().adjusted(0, 0, -1, -1));
    painter.end();
    fDragImage = image;
    return fDragImage;
}

QPoint TTextDragObject::dragHotSpot() const
{
    const int size = cursorSize();
    return QPoint(-size, -size);
}

bool TTextDragObject::hasKeywords(const QMimeData *data)
{
    return data && data->hasFormat(QString::fromLatin1(KeywordsMimeType));
}

QStringList TTextDragObject::keywordsFrom(const QMimeData *data)
{
    if (const auto *own = qobject_cast<const TTextDragObject *>(data)) {
        return own->KeywordList.Strings();
    }
    if (!hasKeywords(data)) {
        return {};
    }
    const QString joined = QString::fromUtf8(data->data(QString::fromLatin1(KeywordsMimeType)));
    return joined.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

bool ExecKeywordDrag(QWidget *sourceControl, int sourceItemCount, const QStringList &selectedKeywords,
                     int selectedShownCount)
{
    TKeywordDragState &state = KeywordDragState();
    if (state.KeywordDragActive || sourceItemCount == 0) {
        return false;
    }
    auto *payload = new TTextDragObject(sourceControl);
    payload->HeaderText = TTextDragObject::HeaderFor(selectedShownCount);
    payload->setKeywords(selectedKeywords);
    state.KeywordDragActive = true;
    state.DragOverGrid = false;

    auto *drag = new QDrag(sourceControl);
    drag->setPixmap(payload->dragImage());
    drag->setHotSpot(payload->dragHotSpot());
    drag->setMimeData(payload);
    drag->exec(Qt::CopyAction);
    drag->deleteLater();

    ResetKeywordDragState();
    return true;
}

} // namespace orvane
