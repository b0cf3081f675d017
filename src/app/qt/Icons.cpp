#include "app/qt/Icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <algorithm>
#include <cmath>

namespace vmr {

namespace {

const QColor kInk(0x33, 0x3b, 0x45);
const QColor kPaper(0xfb, 0xfb, 0xf8);
const QColor kBlue(0x2f, 0x6f, 0xb8);
const QColor kGreen(0x2e, 0x8b, 0x57);
const QColor kRed(0xc0, 0x39, 0x2b);
const QColor kFolder(0xe8, 0xb3, 0x3a);
const QColor kSteel(0x7d, 0x8b, 0x99);

// The drawings use a 32 x 32 grid; the painter is scaled to the pixmap.
void Page(QPainter& p) {
    QPainterPath path;
    path.moveTo(7, 3);
    path.lineTo(20, 3);
    path.lineTo(26, 9);
    path.lineTo(26, 29);
    path.lineTo(7, 29);
    path.closeSubpath();
    p.setPen(QPen(kInk, 1.5));
    p.setBrush(kPaper);
    p.drawPath(path);
    p.drawPolyline(QPolygonF({QPointF(20, 3), QPointF(20, 9), QPointF(26, 9)}));
}

void Radio(QPainter& p, QRectF body) {
    p.setPen(QPen(kInk, 1.5));
    p.setBrush(QColor(0x4a, 0x55, 0x62));
    p.drawRoundedRect(body, 2.5, 2.5);
    p.setBrush(QColor(0x9f, 0xd8, 0xa8));
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(body.left() + 3, body.top() + 3, body.width() * 0.55, body.height() * 0.4));
    p.setBrush(kPaper);
    const qreal r = body.height() * 0.16;
    p.drawEllipse(QPointF(body.right() - r - 3, body.top() + body.height() * 0.35), r, r);
    p.drawEllipse(QPointF(body.right() - r - 3, body.bottom() - r - 3), r * 0.7, r * 0.7);
}

void Arrow(QPainter& p, QPointF from, QPointF to, const QColor& color) {
    p.setPen(QPen(color, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from, to);
    const QPointF d = to - from;
    const qreal len = std::max(1.0, std::hypot(d.x(), d.y()));
    const QPointF u(d.x() / len, d.y() / len);
    const QPointF n(-u.y(), u.x());
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPolygon(QPolygonF({to + u * 3, to - u * 5 + n * 5, to - u * 5 - n * 5}));
}

void Draw(QPainter& p, IconKind kind) {
    switch (kind) {
    case IconKind::App:
        p.setPen(QPen(kInk, 2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(8, 12), QPointF(5, 2));
        Radio(p, QRectF(3, 12, 26, 15));
        break;
    case IconKind::New:
        Page(p);
        p.setPen(QPen(kSteel, 1.2));
        for (int y = 13; y <= 24; y += 4) p.drawLine(11, y, 22, y);
        break;
    case IconKind::Open: {
        p.setPen(QPen(kInk, 1.5));
        p.setBrush(kFolder.darker(115));
        p.drawRoundedRect(QRectF(3, 7, 24, 20), 2, 2);
        QPainterPath front;
        front.moveTo(3, 27);
        front.lineTo(8, 13);
        front.lineTo(30, 13);
        front.lineTo(26, 27);
        front.closeSubpath();
        p.setBrush(kFolder);
        p.drawPath(front);
        break;
    }
    case IconKind::Save:
        p.setPen(QPen(kInk, 1.5));
        p.setBrush(kBlue);
        p.drawRoundedRect(QRectF(4, 4, 24, 24), 2, 2);
        p.setBrush(kPaper);
        p.drawRect(QRectF(9, 4, 14, 9));
        p.setBrush(QColor(0xdd, 0xe3, 0xea));
        p.drawRect(QRectF(8, 17, 16, 11));
        break;
    case IconKind::Read:
        Radio(p, QRectF(2, 4, 20, 12));
        Arrow(p, QPointF(12, 18), QPointF(24, 27), kGreen);
        break;
    case IconKind::Write:
        Radio(p, QRectF(10, 16, 20, 12));
        Arrow(p, QPointF(6, 4), QPointF(16, 12), kRed);
        break;
    case IconKind::Print:
        p.setPen(QPen(kInk, 1.5));
        p.setBrush(kPaper);
        p.drawRect(QRectF(9, 3, 14, 10));
        p.setBrush(kSteel);
        p.drawRoundedRect(QRectF(3, 12, 26, 11), 2, 2);
        p.setBrush(kPaper);
        p.drawRect(QRectF(9, 19, 14, 10));
        p.setPen(QPen(kSteel, 1));
        p.drawLine(11, 23, 21, 23);
        p.drawLine(11, 26, 19, 26);
        break;
    case IconKind::Port:
        p.setPen(QPen(kInk, 1.5));
        p.setBrush(kSteel);
        p.drawRoundedRect(QRectF(4, 9, 17, 14), 2, 2);
        p.setBrush(kInk);
        p.drawRect(QRectF(21, 12, 5, 2.5));
        p.drawRect(QRectF(21, 17.5, 5, 2.5));
        p.setPen(QPen(kInk, 2.5, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(-6, 14, 12, 14), 0, 90 * 16);
        break;
    case IconKind::About:
        p.setPen(Qt::NoPen);
        p.setBrush(kBlue);
        p.drawEllipse(QRectF(3, 3, 26, 26));
        p.setBrush(Qt::white);
        p.drawEllipse(QRectF(14, 7.5, 4.5, 4.5));
        p.drawRoundedRect(QRectF(14, 14, 4.5, 11), 1.5, 1.5);
        break;
    case IconKind::Editor:
        Page(p);
        p.setPen(QPen(kBlue, 1.6));
        p.drawLine(11, 14, 22, 14);
        p.drawLine(11, 19, 22, 19);
        p.drawLine(11, 24, 18, 24);
        break;
    }
}

} // namespace

QIcon MakeIcon(IconKind kind) {
    QIcon icon;
    for (int size : {16, 24, 32, 48}) {
        QPixmap pm(size, size);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(size / 32.0, size / 32.0);
        Draw(p, kind);
        p.end();
        icon.addPixmap(pm);
    }
    return icon;
}

} // namespace vmr
