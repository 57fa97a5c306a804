#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "rm/colour.h"

namespace lumtrak::preview3d {

// A picture copied from the screen for an animation capture: its pixels, rows
// top first as 0xFFRRGGBB, and the colour format of the screen it came from,
// which decides the layout of the file.
struct CaptureBitmap {
    int width = 0;
    int height = 0;
    int planes = 1;
    int bitsPerPixel = 32;
    std::vector<rm::Colour> pixels;
};

// The fields of a capture file that follow from the bitmap's format.
struct BitmapFileLayout {
    int roundedBits = 0;            // planes x bits per pixel as 1, 4, 8, 16, 24 or 32
    std::uint32_t coloursUsed = 0;  // entries of the colour table
    std::uint32_t imageSize = 0;    // bytes of pixel rows
    std::uint32_t bitsOffset = 0;   // where the pixel rows start
    std::uint32_t fileSize = 0;
};

// Nothing when the file would not fit the 32-bit sizes of its header.
std::optional<BitmapFileLayout> LayoutOfBitmapFile(const CaptureBitmap& bitmap);

// The whole file: the 14-byte file header, the 40-byte information header, the
// colour table and the pixel rows, bottom row first, each row padded to four
// bytes; whatever the rows leave of the image size is zero. Empty when the
// layout cannot be had.
std::vector<std::uint8_t> BitmapFileBytes(const CaptureBitmap& bitmap);

// Writes the file as a new file under a fresh name in its folder, renamed into
// place: whatever stood at path (a file, a link planted in a shared folder, a
// FIFO) is replaced, never written through or waited on. Gives why the file
// could not be written.
std::error_code WriteBitmapFile(const CaptureBitmap& bitmap, const std::string& path);

// The capture files are Temp00.bmp, Temp01.bmp, ... in a folder that is the
// system's temporary folder unless the caller names another.
std::string DefaultCaptureFolder();
std::string CaptureFramePath(const std::string& folder, int counter);

}  // namespace lumtrak::preview3d
