#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../preview3d/scene_test_support.h"
#include "export/scene_export.h"
#include "rm/bmp_codec.h"
#include "support/gltf_check.h"

namespace lumtrak::exporter::testing {

// A scene of three levels: the top part's red face, a bogie with a green face
// and an axle on a wheel with a blue face, the axle turning at phase 0.
inline constexpr std::string_view kWheelScene =
    "length 100\n"
    "fill -10 0 0 10 0 0 10 0 10 -10 0 10 255/0/0\n"
    "include 0 70 0 bogie\n"
    "[end]\n"
    "name bogie\n"
    "fill -10 -5 2 10 -5 2 10 5 2 -10 5 2 0/255/0\n"
    "wheel 0 10 5 -1 0 axle\n"
    "[end]\n"
    "name axle\n"
    "fill -5 0 -5 -5 0 5 -5 5 5 -5 5 -5 0/0/255 double\n"
    "[end]\n";

// An 8-bit BMP file whose left half is palette index 0 (black) and whose right
// half is index 1 (grey).
inline std::string HalfKeyedBmp(int width, int height) {
    rm::Image image = rm::MakePalettisedImage(width, height);
    image.palette.assign(256, 0x808080);
    image.palette[0] = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = width / 2; x < width; ++x)
            image.indices[std::size_t(y * width + x)] = 1;
    }
    const auto bytes = rm::WriteBmp(image);
    return {bytes.begin(), bytes.end()};
}

// v turned by the unit quaternion q (x, y, z, w).
inline rm::Vector Turned(const std::vector<double>& q, rm::Vector v) {
    if (q.empty()) return v;
    const double x = q[0], y = q[1], z = q[2], w = q[3];
    // v + 2w (q × v) + 2 q × (q × v)
    const double cx = y * v.z - z * v.y, cy = z * v.x - x * v.z, cz = x * v.y - y * v.x;
    const double dx = y * cz - z * cy, dy = z * cx - x * cz, dz = x * cy - y * cx;
    return {float(v.x + 2 * (w * cx + dx)), float(v.y + 2 * (w * cy + dy)),
            float(v.z + 2 * (w * cz + dz))};
}

// The scene builder's test scenes, exported.
class ExportTest : public preview3d::testing::SceneTest {
  protected:
    ExportResult Export(ExportFormat format, const std::string& out) {
        return ExportScene(*top, engine, textures, {format, out, "Loco"});
    }
    // The ".glb" of the scene as it is placed now, read back; no faults.
    ::lumtrak::testing::GltfRead Glb() {
        const ExportResult result = Export(ExportFormat::Glb, "model.glb");
        EXPECT_EQ(result.files.size(), 1u);
        const std::string& bytes = result.files.at(0).bytes;
        EXPECT_EQ(::lumtrak::testing::GlbContainerFaults(bytes), std::vector<std::string>{});
        auto read = ::lumtrak::testing::ReadGlb(bytes);
        EXPECT_TRUE(read.ok) << read.error;
        EXPECT_EQ(read.error, "");
        EXPECT_EQ(::lumtrak::testing::GltfFaults(read.model), std::vector<std::string>{});
        return read;
    }
};

}  // namespace lumtrak::exporter::testing
