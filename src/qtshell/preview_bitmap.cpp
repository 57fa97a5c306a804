#include "qtshell/preview_bitmap.h"

#include <QPainter>

#include "preview2d/drawing_frame.h"
#include "qtshell/painter_canvas.h"

namespace lumtrak::qtshell {

QImage PaintPreviewBitmap(int frameWidth, int frameHeight, bool white,
                          const std::function<void(preview2d::Canvas&)>& draw) {
    const auto size = preview2d::BitmapSizeForFrame(frameWidth, frameHeight);
    if (size.width <= 0 || size.height <= 0) return {};
    QImage image(size.width, size.height, QImage::Format_RGB32);
    if (image.isNull()) return {};
    QPainter painter(&image);
    PainterCanvas canvas(painter);
    canvas.FillBackground(preview2d::PreviewBackground(white));
    draw(canvas);
    painter.end();
    return image;
}

}  // namespace lumtrak::qtshell
