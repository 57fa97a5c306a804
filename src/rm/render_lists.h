#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "rm/colour.h"
#include "rm/geometry.h"
#include "rm/texture.h"

// What the face set-up hands the rasteriser: triangles and edges in pixels,
// each worker's own, filed under the bands of rows they touch.
namespace lumtrak::rm {

inline constexpr int kBandRows = 16;

// A vertex on its way through the set-up: camera-space position, texture
// coordinates and its colour (the lit colour, which multiplies the texel, and
// the specular highlight added after).
struct ClipVertex {
    Vector p;
    float u, v;
    float r, g, b;
    float sr, sg, sb;
};

// A vertex in pixels: (x, y) with pixel (i, j) centred on (i + 0.5, j + 0.5),
// the reciprocal of its distance and the texture coordinates divided by that
// distance, which vary linearly across the screen.
struct ScreenVertex {
    float x, y;
    float invZ, uOverZ, vOverZ;
    float r, g, b;
    float sr, sg, sb;
};

struct Triangle {
    ScreenVertex v[3];
    const Texture* texture;
    std::uint32_t alpha;  // the face colour's alpha byte; 255 for opaque
    bool shaded;          // colours differ between the vertices or a highlight is added
    float depthKey;
    std::uint64_t sequence;

    bool Blended() const { return alpha < 255; }
};

struct Line {
    float x0, y0, invZ0;
    float x1, y1, invZ1;
    Colour colour;
};

struct DirectionalLight {
    Vector towards;  // unit vector from the surface toward the light, camera space
    Rgb colour;
};

// Where a band's blended triangle is filed for sorting.
struct BlendedRef {
    float depthKey;
    std::uint64_t sequence;
    const Triangle* triangle;
};

// One worker's triangles and edges, the indices of those under each band, and
// its scratch memory.
struct WorkerLists {
    std::vector<Triangle> triangles;
    std::vector<Line> lines;
    std::vector<std::vector<std::uint32_t>> opaqueBins;
    std::vector<std::vector<std::uint32_t>> blendedBins;
    std::vector<std::vector<std::uint32_t>> lineBins;
    std::vector<ClipVertex> faceVertices;
    std::vector<BlendedRef> blendedScratch;

    void Reset(std::size_t bands) {
        triangles.clear();
        lines.clear();
        for (auto* bins : {&opaqueBins, &blendedBins, &lineBins}) {
            bins->resize(bands);
            for (auto& bin : *bins)
                bin.clear();
        }
    }
};

}  // namespace lumtrak::rm
