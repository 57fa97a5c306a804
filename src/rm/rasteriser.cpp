#include "rm/rasteriser.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "rm/image.h"

namespace lumtrak::rm {
namespace {

// The smallest whole number not below value, for values well inside the int
// range (std::ceil is a library call on the baseline instruction set).
int Ceiling(float value) {
    const int whole = int(value);
    return whole + (value > float(whole) ? 1 : 0);
}

// An attribute's value at a point of the screen, from its plane over the triangle.
struct Gradient {
    float atOrigin = 0, perX = 0, perY = 0;
    float At(float x, float y) const { return atOrigin + perX * x + perY * y; }
};

}  // namespace

// The planes of the attributes that a triangle's spans step through: depth
// always, texture coordinates when textured, colours when shaded.
struct TriangleRaster::Gradients {
    Gradient invZ, uOverZ, vOverZ;
    Gradient red, green, blue;
    Gradient specularRed, specularGreen, specularBlue;
};

// What a triangle samples: palette indices through the palette, or colours.
struct TriangleRaster::TexelSource {
    const std::uint8_t* indices = nullptr;
    const Colour* palette = nullptr;
    std::size_t paletteSize = 0;
    const Colour* pixels = nullptr;
    int width = 0;
    int height = 0;
    bool decal = false;

    explicit TexelSource(const Texture& texture) {
        const Image& image = *texture.GetImage();
        width = image.width;
        height = image.height;
        decal = texture.GetDecalTransparency();
        if (image.Palettised()) {
            indices = image.indices.data();
            palette = image.palette.data();
            paletteSize = image.palette.size();
        } else {
            pixels = image.pixels.data();
        }
    }

    static int Texel(float coordinate, int size) {
        const float at = coordinate * float(size);
        return at > 0 ? (at < float(size) ? int(at) : size - 1) : 0;
    }
    // The texel at (u, v), or false where it is transparent.
    bool Sample(float u, float v, Colour& texel) const {
        const std::size_t at =
            std::size_t(Texel(v, height)) * std::size_t(width) + std::size_t(Texel(u, width));
        if (indices != nullptr) {
            const std::uint8_t index = indices[at];
            if (decal && index == 0) return false;
            texel = index < paletteSize ? palette[index] : 0;
            return true;
        }
        texel = pixels[at];
        return !(decal && (texel & 0xFFFFFF) == 0);
    }
};

void TriangleRaster::Draw(const Triangle& t) const {
    const ScreenVertex& a = t.v[0];
    const ScreenVertex& b = t.v[1];
    const ScreenVertex& c = t.v[2];
    const float abx = b.x - a.x, aby = b.y - a.y;
    const float acx = c.x - a.x, acy = c.y - a.y;
    const float area = abx * acy - acx * aby;
    if (!(std::fabs(area) > 1e-12f)) return;
    const float inverse = 1.0f / area;
    auto plane = [&](float va, float vb, float vc) {
        const float dx = ((vb - va) * acy - (vc - va) * aby) * inverse;
        const float dy = ((vc - va) * abx - (vb - va) * acx) * inverse;
        return Gradient{va - dx * a.x - dy * a.y, dx, dy};
    };
    // Only the planes that the triangle's spans step through.
    Gradients g;
    g.invZ = plane(a.invZ, b.invZ, c.invZ);
    if (t.texture != nullptr) {
        g.uOverZ = plane(a.uOverZ, b.uOverZ, c.uOverZ);
        g.vOverZ = plane(a.vOverZ, b.vOverZ, c.vOverZ);
    }
    if (t.shaded) {
        g.red = plane(a.r, b.r, c.r);
        g.green = plane(a.g, b.g, c.g);
        g.blue = plane(a.b, b.b, c.b);
        g.specularRed = plane(a.sr, b.sr, c.sr);
        g.specularGreen = plane(a.sg, b.sg, c.sg);
        g.specularBlue = plane(a.sb, b.sb, c.sb);
    }
    const bool blended = t.Blended();
    if (t.texture != nullptr) {
        const TexelSource texels(*t.texture);
        if (blended) {
            t.shaded ? Spans<true, true, true>(t, g, &texels)
                     : Spans<true, false, true>(t, g, &texels);
        } else {
            t.shaded ? Spans<true, true, false>(t, g, &texels)
                     : Spans<true, false, false>(t, g, &texels);
        }
    } else if (blended) {
        t.shaded ? Spans<false, true, true>(t, g, nullptr)
                 : Spans<false, false, true>(t, g, nullptr);
    } else {
        t.shaded ? Spans<false, true, false>(t, g, nullptr)
                 : Spans<false, false, false>(t, g, nullptr);
    }
}

template <bool kTextured, bool kShaded, bool kBlended>
void TriangleRaster::Spans(const Triangle& t, const Gradients& g, const TexelSource* texels) const {
    // The corners from top to bottom.
    const ScreenVertex* v[3] = {&t.v[0], &t.v[1], &t.v[2]};
    if (v[1]->y < v[0]->y) std::swap(v[0], v[1]);
    if (v[2]->y < v[1]->y) std::swap(v[1], v[2]);
    if (v[1]->y < v[0]->y) std::swap(v[0], v[1]);

    const int viewTop = std::max(view_.y, top_);
    const int viewBottom = std::min(view_.y + view_.height, bottom_);
    const int first = std::max(Ceiling(v[0]->y - 0.5f), viewTop);
    const int last = std::min(Ceiling(v[2]->y - 0.5f), viewBottom);
    const int left = view_.x;
    const int right = view_.x + view_.width;

    // The colour of an unshaded triangle, as bytes and as a colour.
    const std::uint32_t flatRed = RoundedColourByte(t.v[0].r);
    const std::uint32_t flatGreen = RoundedColourByte(t.v[0].g);
    const std::uint32_t flatBlue = RoundedColourByte(t.v[0].b);
    const Colour flat = OpaqueColour(flatRed, flatGreen, flatBlue);

    // Each edge's x per row; an edge without height is never stepped along.
    auto slope = [](const ScreenVertex* p, const ScreenVertex* q) {
        return q->y > p->y ? (q->x - p->x) / (q->y - p->y) : 0.0f;
    };
    const float slopeLong = slope(v[0], v[2]);
    const float slopeUpper = slope(v[0], v[1]);
    const float slopeLower = slope(v[1], v[2]);
    for (int row = first; row < last; ++row) {
        const float y = float(row) + 0.5f;
        const float xLong = v[0]->x + (y - v[0]->y) * slopeLong;
        const float xShort = y < v[1]->y ? v[0]->x + (y - v[0]->y) * slopeUpper
                                         : v[1]->x + (y - v[1]->y) * slopeLower;
        const float xl = std::min(xLong, xShort);
        const float xr = std::max(xLong, xShort);
        const int start = std::max(Ceiling(xl - 0.5f), left);
        const int end = std::min(Ceiling(xr - 0.5f), right);
        if (start >= end) continue;

        const std::size_t rowStart = std::size_t(row) * std::size_t(view_.pictureWidth);
        Colour* picture = view_.picture.data() + rowStart;
        float* depth = view_.depth.data() + rowStart;
        const float x = float(start) + 0.5f;
        float invZ = g.invZ.At(x, y);
        float uz = g.uOverZ.At(x, y);
        float vz = g.vOverZ.At(x, y);
        float cr = 0, cg = 0, cb = 0, sr = 0, sg = 0, sb = 0;
        if constexpr (kShaded) {
            cr = g.red.At(x, y);
            cg = g.green.At(x, y);
            cb = g.blue.At(x, y);
            sr = g.specularRed.At(x, y);
            sg = g.specularGreen.At(x, y);
            sb = g.specularBlue.At(x, y);
        }
        for (int px = start; px < end; ++px) {
            if (invZ >= depth[px]) {
                Colour out = flat;
                bool visible = true;
                if constexpr (kTextured) {
                    const float z = 1.0f / invZ;
                    Colour texel = 0;
                    visible = texels->Sample(uz * z, vz * z, texel);
                    if constexpr (kShaded) {
                        auto channel = [](std::uint8_t texelByte, float lit, float highlight) {
                            return std::min<std::uint32_t>(
                                ModulatedByte(texelByte, RoundedColourByte(lit)) +
                                    RoundedColourByte(highlight),
                                255);
                        };
                        out = OpaqueColour(channel(RedOf(texel), cr, sr),
                                           channel(GreenOf(texel), cg, sg),
                                           channel(BlueOf(texel), cb, sb));
                    } else {
                        out = OpaqueColour(ModulatedByte(RedOf(texel), flatRed),
                                           ModulatedByte(GreenOf(texel), flatGreen),
                                           ModulatedByte(BlueOf(texel), flatBlue));
                    }
                } else if constexpr (kShaded) {
                    out = RoundedColourFromRGB(cr + sr, cg + sg, cb + sb);
                }
                if (visible) {
                    if constexpr (kBlended) {
                        picture[px] = Blend(out, picture[px], t.alpha);
                    } else {
                        picture[px] = out;
                        depth[px] = invZ;
                    }
                }
            }
            invZ += g.invZ.perX;
            if constexpr (kTextured) {
                uz += g.uOverZ.perX;
                vz += g.vOverZ.perX;
            }
            if constexpr (kShaded) {
                cr += g.red.perX;
                cg += g.green.perX;
                cb += g.blue.perX;
                sr += g.specularRed.perX;
                sg += g.specularGreen.perX;
                sb += g.specularBlue.perX;
            }
        }
    }
}

void TriangleRaster::DrawLine(const Line& line) const {
    const float dx = line.x1 - line.x0;
    const float dy = line.y1 - line.y0;
    const int steps = std::max(1, int(std::ceil(std::max(std::fabs(dx), std::fabs(dy)))));
    const int viewTop = std::max(view_.y, top_);
    const int viewBottom = std::min(view_.y + view_.height, bottom_);
    for (int i = 0; i <= steps; ++i) {
        const float t = float(i) / float(steps);
        const float fx = std::floor(line.x0 + dx * t);
        const float fy = std::floor(line.y0 + dy * t);
        if (fy < float(viewTop) || fy >= float(viewBottom) || fx < float(view_.x) ||
            fx >= float(view_.x + view_.width)) {
            continue;
        }
        const std::size_t at = std::size_t(fy) * std::size_t(view_.pictureWidth) + std::size_t(fx);
        const float invZ = line.invZ0 + (line.invZ1 - line.invZ0) * t;
        if (invZ >= view_.depth[at]) {
            view_.picture[at] = line.colour;
            view_.depth[at] = invZ;
        }
    }
}

}  // namespace lumtrak::rm
