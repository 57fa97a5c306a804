#include "qtshell/qt_text_raster.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QString>

#include <algorithm>

#include "qtshell/windows1252.h"

namespace lumtrak::qtshell {
namespace {

constexpr int kCellHeight = 32;

// The label font: "Arial" at the size whose ascent plus descent, the cell, is
// 32 pixels.
QFont LabelFont() {
    QFont font(QStringLiteral("Arial"));
    font.setStyleStrategy(QFont::NoAntialias);
    font.setPixelSize(kCellHeight);
    const QFontMetricsF metrics(font);
    const double cell = metrics.ascent() + metrics.descent();
    if (cell > 0) font.setPixelSize(std::max(1, qRound(kCellHeight * kCellHeight / cell)));
    return font;
}

}  // namespace

preview3d::MonoBitmap QtTextRaster::PaintText(std::string_view text, int width, int height) {
    preview3d::MonoBitmap bitmap;
    if (width <= 0 || height <= 0) return bitmap;
    bitmap.width = width;
    bitmap.height = height;
    bitmap.bits.assign(std::size_t(width) * std::size_t(height), 0);

    // Painted in grey levels with an unsmoothed font, so that every pixel is
    // either ink or background.
    QImage image(width, height, QImage::Format_Grayscale8);
    if (image.isNull()) return bitmap;
    image.fill(Qt::black);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::TextAntialiasing, false);
        painter.setPen(Qt::white);
        painter.setFont(LabelFont());
        const QString label =
            DecodeWindows1252(QByteArrayView(text.data(), qsizetype(text.size())));
        painter.drawText(QRect(0, 0, width, height),
                         Qt::AlignHCenter | Qt::AlignTop | Qt::TextShowMnemonic, label);
    }
    for (int y = 0; y < height; ++y) {
        const uchar* row = image.constScanLine(y);
        for (int x = 0; x < width; ++x) {
            if (row[x] >= 128)
                bitmap.bits[std::size_t(y) * std::size_t(width) + std::size_t(x)] = 1;
        }
    }
    return bitmap;
}

}  // namespace lumtrak::qtshell
