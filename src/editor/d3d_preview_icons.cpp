#include "editor/d3d_preview_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include "editor/d3d_preview.h"

namespace lumtrak::editor {
namespace {

constexpr int kSize = 16;

// A lamp whose glass is as bright as level (0 to 255).
void Lamp(QPainter& painter, int level) {
    painter.setPen(Qt::black);
    painter.setBrush(QColor(level, level, level / 2));
    painter.drawEllipse(QRectF(3.5, 1.5, 9, 9));
    painter.setBrush(Qt::gray);
    painter.drawRect(QRectF(5.5, 10.5, 5, 4));
}

void Label(QPainter& painter, const QString& text) {
    QFont font = painter.font();
    font.setPixelSize(text.size() > 1 ? 8 : 11);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QRect(0, 0, kSize, kSize), Qt::AlignCenter, text);
}

void Draw(QPainter& painter, int id) {
    painter.setRenderHint(QPainter::Antialiasing);
    switch (id) {
        case D3DPreview::kCab1:
            Label(painter, QStringLiteral("C1"));
            break;
        case D3DPreview::kCab2:
            Label(painter, QStringLiteral("C2"));
            break;
        case D3DPreview::kSpotlight: {
            QPainterPath beam;
            beam.moveTo(6, 2);
            beam.lineTo(10, 2);
            beam.lineTo(15, 14);
            beam.lineTo(1, 14);
            beam.closeSubpath();
            painter.setPen(Qt::darkGray);
            painter.setBrush(QColor(255, 240, 120));
            painter.drawPath(beam);
            break;
        }
        case D3DPreview::kRefresh:
            painter.setPen(QPen(Qt::darkGreen, 2));
            painter.drawArc(QRectF(3, 3, 10, 10), 30 * 16, 300 * 16);
            painter.drawLine(QPointF(12, 2), QPointF(12, 6));
            break;
        case D3DPreview::kStopAnimation:
            painter.fillRect(QRect(4, 4, 8, 8), Qt::darkRed);
            break;
        case D3DPreview::kStepAnimation:
            painter.setBrush(Qt::darkBlue);
            painter.setPen(Qt::NoPen);
            painter.drawPolygon(QPolygonF({QPointF(3, 3), QPointF(10, 8), QPointF(3, 13)}));
            painter.fillRect(QRect(11, 3, 2, 10), Qt::darkBlue);
            break;
        case D3DPreview::kRunAnimation:
            painter.setBrush(Qt::darkGreen);
            painter.setPen(Qt::NoPen);
            painter.drawPolygon(QPolygonF({QPointF(4, 2), QPointF(13, 8), QPointF(4, 14)}));
            break;
        case D3DPreview::kLowLight:
            Lamp(painter, 60);
            break;
        case D3DPreview::kDimLighting:
            Lamp(painter, 150);
            break;
        case D3DPreview::kBrightLighting:
            Lamp(painter, 255);
            break;
        case D3DPreview::kCustomMaterial:
            Label(painter, QStringLiteral("M"));
            break;
        case D3DPreview::kCameraControl:
            painter.setPen(Qt::black);
            painter.setBrush(Qt::darkGray);
            painter.drawRect(QRectF(1.5, 5.5, 9, 7));
            painter.drawPolygon(QPolygonF({QPointF(10.5, 9), QPointF(14.5, 6), QPointF(14.5, 12)}));
            break;
        case D3DPreview::kWireframe:
            painter.setPen(Qt::black);
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(QRectF(2.5, 5.5, 8, 8));
            painter.drawRect(QRectF(5.5, 2.5, 8, 8));
            painter.drawLine(QPointF(2.5, 5.5), QPointF(5.5, 2.5));
            painter.drawLine(QPointF(10.5, 5.5), QPointF(13.5, 2.5));
            painter.drawLine(QPointF(2.5, 13.5), QPointF(5.5, 10.5));
            painter.drawLine(QPointF(10.5, 13.5), QPointF(13.5, 10.5));
            break;
        case D3DPreview::kResetView:
            // A house: the view from home.
            painter.setPen(Qt::black);
            painter.setBrush(QColor(230, 230, 230));
            painter.drawPolygon(QPolygonF({QPointF(8, 1.5), QPointF(14.5, 7.5), QPointF(12.5, 7.5),
                                           QPointF(12.5, 14.5), QPointF(3.5, 14.5),
                                           QPointF(3.5, 7.5), QPointF(1.5, 7.5)}));
            painter.fillRect(QRectF(6.5, 9.5, 3, 5), Qt::darkRed);
            break;
        default:
            break;
    }
}

}  // namespace

QIcon D3DPreviewIcon(int commandId) {
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    Draw(painter, commandId);
    painter.end();
    return QIcon(pixmap);
}

}  // namespace lumtrak::editor
