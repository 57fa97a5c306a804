#pragma once

#include <QImage>
#include <functional>

#include "preview2d/canvas.h"

namespace lumtrak::qtshell {

// The 2D preview's off-screen bitmap for a drawing frame of frameWidth ×
// frameHeight pixels: filled with the background (white or black), then painted
// by draw through a painter canvas. A null image when the frame leaves no room
// for a bitmap or the image cannot be made.
QImage PaintPreviewBitmap(int frameWidth, int frameHeight, bool white,
                          const std::function<void(preview2d::Canvas&)>& draw);

}  // namespace lumtrak::qtshell
