#include "setup-app/setup_picture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace lumtrak::setupapp {

void SetupPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal w = width();
    const qreal h = height();
    const qreal horizon = h * 0.62;

    QLinearGradient sky(0, 0, 0, horizon);
    sky.setColorAt(0, QColor(32, 48, 96));
    sky.setColorAt(1, QColor(240, 170, 90));
    painter.fillRect(QRectF(0, 0, w, horizon), sky);

    QPainterPath hills;
    hills.moveTo(0, horizon);
    hills.cubicTo(w * 0.2, horizon - h * 0.18, w * 0.35, horizon - h * 0.05, w * 0.55, horizon);
    hills.cubicTo(w * 0.7, horizon - h * 0.14, w * 0.85, horizon - h * 0.1, w, horizon);
    painter.fillPath(hills, QColor(60, 80, 60));
    painter.fillRect(QRectF(0, horizon, w, h - horizon), QColor(70, 100, 60));

    // Sleepers and rails.
    const qreal rail = h * 0.82;
    painter.setPen(Qt::NoPen);
    for (qreal x = 0; x < w; x += w / 40) {
        painter.fillRect(QRectF(x, rail - h * 0.01, w / 80, h * 0.05), QColor(90, 60, 40));
    }
    painter.fillRect(QRectF(0, rail, w, h * 0.015), QColor(180, 180, 190));

    // A locomotive: body, cab, chimney and wheels.
    const qreal wheel = h * 0.06;
    const qreal bodyTop = rail - h * 0.3;
    painter.setBrush(QColor(30, 30, 36));
    painter.drawRect(QRectF(w * 0.3, bodyTop + h * 0.06, w * 0.3, h * 0.18));
    painter.drawRect(QRectF(w * 0.55, bodyTop - h * 0.04, w * 0.12, h * 0.28));
    painter.drawRect(QRectF(w * 0.34, bodyTop - h * 0.04, w * 0.035, h * 0.1));
    painter.setBrush(QColor(150, 30, 30));
    for (qreal x : {0.36, 0.45, 0.54, 0.63}) {
        painter.drawEllipse(QPointF(w * x, rail - wheel), wheel, wheel);
    }

    painter.setPen(QColor(255, 240, 210));
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(int(h * 0.14));
    painter.setFont(font);
    painter.drawText(QRectF(0, h * 0.05, w, h * 0.2), Qt::AlignCenter, QStringLiteral("Lumtrak"));

    painter.setPen(palette().color(QPalette::Dark));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace lumtrak::setupapp
