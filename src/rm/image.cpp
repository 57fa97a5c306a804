#include "rm/image.h"

namespace lumtrak::rm {

Image MakePalettisedImage(int width, int height) {
    Image image;
    image.width = width;
    image.height = height;
    image.indices.assign(image.PixelCount(), 0);
    return image;
}

}  // namespace lumtrak::rm
