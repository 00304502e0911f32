// Simple vector drawings for the tool bar.
#include "ui/main/toolbaricons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace orvane {

namespace {

const QColor Ink(0x33, 0x3b, 0x45);
const QColor Paper(0xfb, 0xfc, 0xfd);
const QColor Green(0x2e, 0x9e, 0x4f);
const QColor Red(0xd0, 0x3b, 0x32);
const QColor Blue(0x2f, 0x74, 0xc0);
const QColor Amber(0xe0, 0x9a, 0x24);

void drawTag(QPainter &p, const QRectF &r, const QColor &fill)
{
    // A luggage tag: the keyword symbol all keyword icons share.
    QPainterPath path;
    path.moveTo(r.left() + 3, r.top());
    path.lineTo(r.right(), r.top());
    path.lineTo(r.right(), r.bottom());
    path.lineTo(r.left() + 3, r.bottom());
    path.lineTo(r.left(), r.center().y());
    path.closeSubpath();
    p.setPen(QPen(Ink, 1));
    p.setBrush(fill);
    p.drawPath(path);
    p.setBrush(Paper);
    p.drawEllipse(QPointF(r.left() + 3.2, r.center().y()), 1.1, 1.1);
}

void drawPage(QPainter &p, const QRectF &r)
{
    p.setPen(QPen(Ink, 1));
    p.setBrush(Paper);
    p.drawRect(r);
    p.setPen(QPen(QColor(0x9a, 0xa4, 0xae), 1));
    for (qreal y = r.top() + 2.5; y < r.bottom() - 1; y += 2) {
        p.drawLine(QPointF(r.left() + 2, y), QPointF(r.right() - 2, y));
    }
}

QPixmap drawIcon(ToolBarIcon icon)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    switch (icon) {
    case ToolBarIcon::AddKeyword:
        drawTag(p, QRectF(0.5, 3.5, 11, 7), QColor(0xf4, 0xd3, 0x6b));
        p.setPen(QPen(Green, 2.4, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(12, 8.5), QPointF(12, 15.5));
        p.drawLine(QPointF(8.5, 12), QPointF(15.5, 12));
        break;
    case ToolBarIcon::ReplaceKeyword:
        drawTag(p, QRectF(0.5, 0.5, 9, 6), QColor(0xf4, 0xd3, 0x6b));
        drawTag(p, QRectF(6.5, 9.5, 9, 6), QColor(0x9f, 0xd3, 0xa9));
        p.setPen(QPen(Blue, 1.6));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(9, 1, 6, 8), 90 * 16, -180 * 16);
        p.setBrush(Blue);
        p.drawPolygon(QPolygonF({QPointF(10, 7.5), QPointF(13.5, 8.5), QPointF(10.5, 10.5)}));
        break;
    case ToolBarIcon::DeleteKeyword:
        drawTag(p, QRectF(0.5, 2.5, 11, 7), QColor(0xf4, 0xd3, 0x6b));
        p.setPen(QPen(Red, 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(9, 9), QPointF(14.5, 14.5));
        p.drawLine(QPointF(14.5, 9), QPointF(9, 14.5));
        break;
    case ToolBarIcon::CopyKeywords:
        drawPage(p, QRectF(1.5, 1.5, 8, 10));
        drawPage(p, QRectF(6.5, 4.5, 8, 10));
        break;
    case ToolBarIcon::PasteKeywords:
        p.setPen(QPen(Ink, 1));
        p.setBrush(QColor(0xc8, 0x96, 0x5a));
        p.drawRoundedRect(QRectF(1.5, 2.5, 10, 12), 1.2, 1.2);
        p.setBrush(QColor(0x8a, 0x93, 0x9c));
        p.drawRect(QRectF(4, 1, 5, 3));
        drawPage(p, QRectF(6.5, 6.5, 8, 8.5));
        break;
    case ToolBarIcon::Options: {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x6b, 0x77, 0x84));
        p.translate(8, 8);
        for (int i = 0; i < 8; ++i) {
            p.drawRect(QRectF(-1.5, -7.5, 3, 4));
            p.rotate(45);
        }
        p.drawEllipse(QPointF(0, 0), 5.2, 5.2);
        p.setBrush(Paper);
        p.drawEllipse(QPointF(0, 0), 2, 2);
        break;
    }
    case ToolBarIcon::Statistics:
        p.setPen(QPen(Ink, 1));
        p.drawLine(QPointF(1.5, 1), QPointF(1.5, 14.5));
        p.drawLine(QPointF(1.5, 14.5), QPointF(15, 14.5));
        p.setPen(Qt::NoPen);
        p.setBrush(Blue);
        p.drawRect(QRectF(3.5, 8, 3, 6));
        p.setBrush(Green);
        p.drawRect(QRectF(7.5, 3, 3, 11));
        p.setBrush(Amber);
        p.drawRect(QRectF(11.5, 6, 3, 8));
        break;
    }
    return pixmap;
}

} // namespace

QIcon toolBarIcon(ToolBarIcon icon)
{
    return QIcon(drawIcon(icon));
}

} // namespace orvane
