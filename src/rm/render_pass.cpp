#include "rm/render_pass.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstddef>
#include <vector>

#include "rm/worker_pool.h"

// The scene is drawn in two passes over the worker pool. First every worker
// takes a share of the faces: it carries their vertices into camera space,
// lights them, drops the faces turned away, clips them to the view, projects
// them and files the resulting triangles (or, in wireframe, edges) under the
// bands of rows they touch. Then the workers take bands in turn and draw
// everything filed under each: the opaque triangles in the order of the faces,
// then the blended ones from the farthest to the nearest. Bands never share a
// pixel, so the drawing needs no locks.
namespace lumtrak::rm {
namespace {

constexpr int kBandRows = 16;
constexpr int kMaxClipVertices = 12;  // a triangle clipped by six planes has at most 9

// A vertex on its way through the pipeline: camera-space position, texture
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
    float alpha;  // 1 for opaque
    bool shaded;  // colours differ between the vertices or a highlight is added
    float depthKey;
    std::uint64_t sequence;
};

struct Line {
    float x0, y0, invZ0;
    float x1, y1, invZ1;
    Colour colour;
};

// Where a band's blended triangle is filed.
struct BlendedRef {
    float depthKey;
    std::uint64_t sequence;
    const Triangle* triangle;
};

struct DrawItem {
    Transform toCamera;
    const MeshBuilder* mesh;
    std::size_t firstFace;  // index of its first face among all faces drawn
};

struct DirectionalLight {
    Vector towards;  // unit vector from the surface toward the light, camera space
    Rgb colour;
};

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

}  // namespace

struct RenderScratch {
    std::vector<WorkerLists> workers;
    std::vector<DrawItem> items;
    std::vector<std::pair<const Frame*, Transform>> stack;
    std::vector<DirectionalLight> lights;
    std::atomic<int> nextBand{0};
};

void RenderScratchDeleter::operator()(RenderScratch* scratch) const {
    delete scratch;
}

RenderScratchPointer MakeRenderScratch() {
    return RenderScratchPointer(new RenderScratch);
}

namespace {

float Clamp01(float v) {
    return v > 0.0f ? (v < 1.0f ? v : 1.0f) : 0.0f;
}

Rgb Clamped(Rgb c) {
    return {Clamp01(c.red), Clamp01(c.green), Clamp01(c.blue)};
}

// Everything a worker needs to turn faces into filed triangles.
class FaceSetup {
  public:
    FaceSetup(const RenderView& view, const RenderScratch& scratch, Rgb ambient)
        : view_(view), lights_(scratch.lights), ambient_(ambient) {
        const float longer = float(std::max(view.width, view.height));
        scale_ = longer * 0.5f * view.front / view.field;
        centreX_ = float(view.x) + float(view.width) * 0.5f;
        centreY_ = float(view.y) + float(view.height) * 0.5f;
        // The side planes lie a pixel outside the rectangle, so that clipping
        // never cuts into a pixel that is drawn.
        slopeX_ = (float(view.width) * 0.5f + 1.0f) / scale_;
        slopeY_ = (float(view.height) * 0.5f + 1.0f) / scale_;
        wireframe_ = (view.quality & kFillMask) != kFillSolid;
        lit_ = (view.quality & kLightingOn) != 0;
        flat_ = (view.quality & kShadeMask) == kShadeFlat;
        bands_ = (view.height + kBandRows - 1) / kBandRows;
    }

    void SetUp(const Face& face, const Transform& toCamera, std::uint64_t sequence,
               WorkerLists& out) const;

  private:
    // Signed distances inside each of the six clipping planes.
    float Plane(int plane, Vector p) const {
        switch (plane) {
            case 0:
                return p.z - view_.front;
            case 1:
                return view_.back - p.z;
            case 2:
                return slopeX_ * p.z + p.x;
            case 3:
                return slopeX_ * p.z - p.x;
            case 4:
                return slopeY_ * p.z + p.y;
            default:
                return slopeY_ * p.z - p.y;
        }
    }
    unsigned Outcode(Vector p) const {
        unsigned code = 0;
        for (int plane = 0; plane < 6; ++plane) {
            if (Plane(plane, p) < 0) code |= 1u << plane;
        }
        return code;
    }

    void LightVertices(const Face& face, Vector normal, std::size_t count, WorkerLists& out) const;
    void EmitTriangle(const ClipVertex& a, const ClipVertex& b, const ClipVertex& c,
                      unsigned clipPlanes, const Triangle& base, WorkerLists& out) const;
    bool Project(const ClipVertex& c, ScreenVertex& s) const;
    void Keep(const Triangle& triangle, WorkerLists& out) const;
    void File(std::vector<std::vector<std::uint32_t>>& bins, float top, float bottom,
              std::uint32_t index) const;
    void EmitEdge(ClipVertex a, ClipVertex b, Colour colour, WorkerLists& out) const;

    const RenderView& view_;
    const std::vector<DirectionalLight>& lights_;
    Rgb ambient_;
    float scale_;
    float centreX_;
    float centreY_;
    float slopeX_;
    float slopeY_;
    bool wireframe_;
    bool lit_;
    bool flat_;
    int bands_;
};

void FaceSetup::SetUp(const rm::Face& face, const Transform& toCamera, std::uint64_t sequence,
                      WorkerLists& out) const {
    const auto positions = face.GetVertices();
    const std::size_t count = positions.size();
    if (count < 3) return;
    out.faceVertices.resize(count);
    unsigned all = ~0u;
    unsigned any = 0;
    Vector normalSum;
    for (std::size_t i = 0; i < count; ++i) {
        ClipVertex& c = out.faceVertices[i];
        c.p = toCamera.Apply(positions[i]);
        const unsigned code = Outcode(c.p);
        all &= code;
        any |= code;
    }
    if (all != 0) return;  // wholly outside one plane
    for (std::size_t i = 0; i < count; ++i) {
        normalSum = normalSum + Cross(out.faceVertices[i].p, out.faceVertices[(i + 1) % count].p);
    }
    const Vector normal = Normalized(normalSum);
    // Seen from behind (the eye is at the origin), or without area.
    if (!(Dot(normal, out.faceVertices[0].p) < 0)) return;

    LightVertices(face, normal, count, out);
    const Colour colour = face.GetColor();
    Triangle base{};
    base.texture = nullptr;
    base.alpha = float(AlphaOf(colour)) / 255.0f;
    base.sequence = sequence << 24;
    if (wireframe_) {
        const ClipVertex& lit = out.faceVertices[0];
        const Colour line = 0xFF000000u | Colour(ColourByte(lit.r + lit.sr)) << 16 |
                            Colour(ColourByte(lit.g + lit.sg)) << 8 |
                            Colour(ColourByte(lit.b + lit.sb));
        for (std::size_t i = 0; i < count; ++i) {
            EmitEdge(out.faceVertices[i], out.faceVertices[(i + 1) % count], line, out);
        }
        return;
    }

    const Texture* texture = face.GetTexture().get();
    if (texture != nullptr && texture->GetImage() && texture->GetImage()->Complete()) {
        base.texture = texture;
        const auto coordinates = face.GetAllTextureCoordinates();
        for (std::size_t i = 0; i < count && i < coordinates.size(); ++i) {
            out.faceVertices[i].u = coordinates[i].u;
            out.faceVertices[i].v = coordinates[i].v;
        }
    }
    float depthSum = 0;
    base.shaded = false;
    for (std::size_t i = 0; i < count; ++i) {
        const ClipVertex& c = out.faceVertices[i];
        depthSum += c.p.z;
        const ClipVertex& first = out.faceVertices[0];
        if (c.sr > 0 || c.sg > 0 || c.sb > 0 || c.r != first.r || c.g != first.g ||
            c.b != first.b) {
            base.shaded = true;
        }
    }
    base.depthKey = depthSum / float(count);
    // A fan from the first vertex.
    for (std::size_t i = 1; i + 1 < count; ++i) {
        base.sequence = sequence << 24 | std::min<std::uint64_t>(i, 0xFFFFFF);
        EmitTriangle(out.faceVertices[0], out.faceVertices[i], out.faceVertices[i + 1], any, base,
                     out);
    }
}

// Colours each vertex: the face colour under the ambient and directional
// lights plus the material's emissive colour, which multiplies the texture,
// and the material's specular highlight, added after.
void FaceSetup::LightVertices(const rm::Face& face, Vector normal, std::size_t count,
                              WorkerLists& out) const {
    const Colour colour = face.GetColor();
    const Rgb own{float(RedOf(colour)) / 255.0f, float(GreenOf(colour)) / 255.0f,
                  float(BlueOf(colour)) / 255.0f};
    Rgb lit = own;
    Rgb specular;
    float power = 0;
    bool highlights = false;
    if (lit_) {
        Rgb received = ambient_;
        for (const DirectionalLight& light : lights_) {
            const float facing = Dot(normal, light.towards);
            if (facing <= 0) continue;
            received.red += light.colour.red * facing;
            received.green += light.colour.green * facing;
            received.blue += light.colour.blue * facing;
        }
        Rgb emissive;
        if (const Material* material = face.GetMaterial().get()) {
            emissive = Clamped(material->GetEmissive());
            specular = Clamped(material->GetSpecular());
            power = material->GetPower();
            highlights =
                !lights_.empty() && (specular.red > 0 || specular.green > 0 || specular.blue > 0);
        }
        lit = Clamped({own.red * received.red + emissive.red,
                       own.green * received.green + emissive.green,
                       own.blue * received.blue + emissive.blue});
    }
    Vector centre;
    if (flat_) {
        for (std::size_t i = 0; i < count; ++i)
            centre = centre + out.faceVertices[i].p;
        centre = centre * (1.0f / float(count));
    }
    for (std::size_t i = 0; i < count; ++i) {
        ClipVertex& c = out.faceVertices[i];
        c.r = lit.red;
        c.g = lit.green;
        c.b = lit.blue;
        c.u = c.v = 0;
        c.sr = c.sg = c.sb = 0;
        if (!highlights) continue;
        const Vector toEye = Normalized(-(flat_ ? centre : c.p));
        Rgb sum;
        for (const DirectionalLight& light : lights_) {
            if (Dot(normal, light.towards) <= 0) continue;
            const float along = Dot(normal, Normalized(light.towards + toEye));
            if (along <= 0) continue;
            const float strength = std::pow(along, power);
            sum.red += light.colour.red * strength;
            sum.green += light.colour.green * strength;
            sum.blue += light.colour.blue * strength;
        }
        c.sr = Clamp01(sum.red * specular.red);
        c.sg = Clamp01(sum.green * specular.green);
        c.sb = Clamp01(sum.blue * specular.blue);
    }
}

ClipVertex Between(const ClipVertex& a, const ClipVertex& b, float t) {
    auto mix = [t](float x, float y) { return x + (y - x) * t; };
    ClipVertex c;
    c.p = {mix(a.p.x, b.p.x), mix(a.p.y, b.p.y), mix(a.p.z, b.p.z)};
    c.u = mix(a.u, b.u);
    c.v = mix(a.v, b.v);
    c.r = mix(a.r, b.r);
    c.g = mix(a.g, b.g);
    c.b = mix(a.b, b.b);
    c.sr = mix(a.sr, b.sr);
    c.sg = mix(a.sg, b.sg);
    c.sb = mix(a.sb, b.sb);
    return c;
}

bool FaceSetup::Project(const ClipVertex& c, ScreenVertex& s) const {
    const float invZ = 1.0f / c.p.z;
    s.x = centreX_ + scale_ * c.p.x * invZ;
    s.y = centreY_ - scale_ * c.p.y * invZ;
    s.invZ = invZ;
    s.uOverZ = c.u * invZ;
    s.vOverZ = c.v * invZ;
    s.r = c.r;
    s.g = c.g;
    s.b = c.b;
    s.sr = c.sr;
    s.sg = c.sg;
    s.sb = c.sb;
    return std::isfinite(s.x) && std::isfinite(s.y) && std::isfinite(s.uOverZ) &&
           std::isfinite(s.vOverZ);
}

void FaceSetup::File(std::vector<std::vector<std::uint32_t>>& bins, float top, float bottom,
                     std::uint32_t index) const {
    const float first = std::max(top - float(view_.y), 0.0f) / float(kBandRows);
    const float last = std::max(bottom - float(view_.y), 0.0f) / float(kBandRows);
    const int from = std::min(int(first), bands_ - 1);
    const int to = std::min(int(last), bands_ - 1);
    for (int band = from; band <= to; ++band)
        bins[std::size_t(band)].push_back(index);
}

void FaceSetup::EmitTriangle(const ClipVertex& a, const ClipVertex& b, const ClipVertex& c,
                             unsigned clipPlanes, const Triangle& base, WorkerLists& out) const {
    Triangle triangle = base;
    if (clipPlanes == 0) {
        if (Project(a, triangle.v[0]) && Project(b, triangle.v[1]) && Project(c, triangle.v[2])) {
            Keep(triangle, out);
        }
        return;
    }
    ClipVertex buffers[2][kMaxClipVertices];
    int count = 3;
    buffers[0][0] = a;
    buffers[0][1] = b;
    buffers[0][2] = c;
    int current = 0;
    for (int plane = 0; plane < 6 && count >= 3; ++plane) {
        if ((clipPlanes & (1u << plane)) == 0) continue;
        const ClipVertex* in = buffers[current];
        ClipVertex* result = buffers[1 - current];
        int kept = 0;
        for (int i = 0; i < count; ++i) {
            const ClipVertex& p = in[i];
            const ClipVertex& q = in[(i + 1) % count];
            const float dp = Plane(plane, p.p);
            const float dq = Plane(plane, q.p);
            if (dp >= 0) result[kept++] = p;
            if ((dp >= 0) != (dq >= 0) && kept < kMaxClipVertices) {
                result[kept++] = Between(p, q, dp / (dp - dq));
            }
        }
        count = kept;
        current = 1 - current;
    }
    if (count < 3) return;
    const ClipVertex* polygon = buffers[current];
    if (!Project(polygon[0], triangle.v[0])) return;
    for (int i = 1; i + 1 < count; ++i) {
        if (Project(polygon[i], triangle.v[1]) && Project(polygon[i + 1], triangle.v[2])) {
            Keep(triangle, out);
        }
    }
}

void FaceSetup::Keep(const Triangle& triangle, WorkerLists& out) const {
    const float top = std::min({triangle.v[0].y, triangle.v[1].y, triangle.v[2].y});
    const float bottom = std::max({triangle.v[0].y, triangle.v[1].y, triangle.v[2].y});
    const auto index = std::uint32_t(out.triangles.size());
    out.triangles.push_back(triangle);
    File(triangle.alpha < 1.0f ? out.blendedBins : out.opaqueBins, top, bottom, index);
}

void FaceSetup::EmitEdge(ClipVertex a, ClipVertex b, Colour colour, WorkerLists& out) const {
    for (int plane = 0; plane < 6; ++plane) {
        const float da = Plane(plane, a.p);
        const float db = Plane(plane, b.p);
        if (da < 0 && db < 0) return;
        if (da < 0) a = Between(a, b, da / (da - db));
        if (db < 0) b = Between(a, b, Plane(plane, a.p) / (Plane(plane, a.p) - db));
    }
    ScreenVertex sa{};
    ScreenVertex sb{};
    if (!Project(a, sa) || !Project(b, sb)) return;
    const auto index = std::uint32_t(out.lines.size());
    out.lines.push_back({sa.x, sa.y, sa.invZ, sb.x, sb.y, sb.invZ, colour});
    File(out.lineBins, std::min(sa.y, sb.y), std::max(sa.y, sb.y), index);
}

// What a triangle samples: palette indices through the palette, or colours.
struct TexelSource {
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

class TriangleRaster {
  public:
    TriangleRaster(const RenderView& view, int bandTop, int bandBottom)
        : view_(view), top_(bandTop), bottom_(bandBottom) {}

    void Draw(const Triangle& t) const;
    void DrawLine(const Line& line) const;

  private:
    template <bool kTextured, bool kShaded, bool kBlended>
    void Spans(const Triangle& t, const Gradient* g, const TexelSource* texels) const;

    const RenderView& view_;
    int top_;
    int bottom_;
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
    Gradient g[9];
    g[0] = plane(a.invZ, b.invZ, c.invZ);
    if (t.texture != nullptr) {
        g[1] = plane(a.uOverZ, b.uOverZ, c.uOverZ);
        g[2] = plane(a.vOverZ, b.vOverZ, c.vOverZ);
    }
    if (t.shaded) {
        g[3] = plane(a.r, b.r, c.r);
        g[4] = plane(a.g, b.g, c.g);
        g[5] = plane(a.b, b.b, c.b);
        g[6] = plane(a.sr, b.sr, c.sr);
        g[7] = plane(a.sg, b.sg, c.sg);
        g[8] = plane(a.sb, b.sb, c.sb);
    }
    const bool blended = t.alpha < 1.0f;
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

std::uint32_t Channel(float value) {
    return std::uint32_t(Clamp01(value) * 255.0f + 0.5f);
}

template <bool kTextured, bool kShaded, bool kBlended>
void TriangleRaster::Spans(const Triangle& t, const Gradient* g, const TexelSource* texels) const {
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

    // Fixed colour parts, as 0..256 multipliers and 0..255 additions.
    const std::uint32_t mr = std::uint32_t(Clamp01(t.v[0].r) * 256.0f + 0.5f);
    const std::uint32_t mg = std::uint32_t(Clamp01(t.v[0].g) * 256.0f + 0.5f);
    const std::uint32_t mb = std::uint32_t(Clamp01(t.v[0].b) * 256.0f + 0.5f);
    const Colour flat =
        0xFF000000u | Channel(t.v[0].r) << 16 | Channel(t.v[0].g) << 8 | Channel(t.v[0].b);
    const std::uint32_t alpha = std::uint32_t(t.alpha * 256.0f + 0.5f);

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
        float invZ = g[0].At(x, y);
        float uz = g[1].At(x, y);
        float vz = g[2].At(x, y);
        float cr = 0, cg = 0, cb = 0, sr = 0, sg = 0, sb = 0;
        if constexpr (kShaded) {
            cr = g[3].At(x, y);
            cg = g[4].At(x, y);
            cb = g[5].At(x, y);
            sr = g[6].At(x, y);
            sg = g[7].At(x, y);
            sb = g[8].At(x, y);
        }
        for (int px = start; px < end; ++px) {
            if (invZ > depth[px]) {
                Colour out = flat;
                bool visible = true;
                if constexpr (kTextured) {
                    const float z = 1.0f / invZ;
                    Colour texel = 0;
                    visible = texels->Sample(uz * z, vz * z, texel);
                    if constexpr (kShaded) {
                        out = 0xFF000000u |
                              std::min<std::uint32_t>(
                                  RedOf(texel) * Channel(cr) / 255 + Channel(sr), 255)
                                  << 16 |
                              std::min<std::uint32_t>(
                                  GreenOf(texel) * Channel(cg) / 255 + Channel(sg), 255)
                                  << 8 |
                              std::min<std::uint32_t>(
                                  BlueOf(texel) * Channel(cb) / 255 + Channel(sb), 255);
                    } else {
                        out = 0xFF000000u | (RedOf(texel) * mr >> 8) << 16 |
                              (GreenOf(texel) * mg >> 8) << 8 | (BlueOf(texel) * mb >> 8);
                    }
                } else if constexpr (kShaded) {
                    out = 0xFF000000u | Channel(cr + sr) << 16 | Channel(cg + sg) << 8 |
                          Channel(cb + sb);
                }
                if (visible) {
                    if constexpr (kBlended) {
                        const Colour under = picture[px];
                        auto mix = [alpha](std::uint32_t over, std::uint32_t below) {
                            return (over * alpha + below * (256 - alpha)) >> 8;
                        };
                        picture[px] = 0xFF000000u | mix(RedOf(out), RedOf(under)) << 16 |
                                      mix(GreenOf(out), GreenOf(under)) << 8 |
                                      mix(BlueOf(out), BlueOf(under));
                    } else {
                        picture[px] = out;
                        depth[px] = invZ;
                    }
                }
            }
            invZ += g[0].perX;
            if constexpr (kTextured) {
                uz += g[1].perX;
                vz += g[2].perX;
            }
            if constexpr (kShaded) {
                cr += g[3].perX;
                cg += g[4].perX;
                cb += g[5].perX;
                sr += g[6].perX;
                sg += g[7].perX;
                sb += g[8].perX;
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

// Gathers the visuals and lights of the scene's tree.
void Gather(const Frame& scene, const Transform& fromWorld, RenderScratch& scratch, Rgb& ambient) {
    scratch.items.clear();
    scratch.lights.clear();
    scratch.stack.clear();
    ambient = {};
    std::size_t faces = 0;
    scratch.stack.emplace_back(&scene, scene.WorldTransform());
    while (!scratch.stack.empty()) {
        const auto [frame, world] = scratch.stack.back();
        scratch.stack.pop_back();
        const Transform toCamera = Compose(fromWorld, world);
        for (const auto& mesh : frame->GetVisuals()) {
            scratch.items.push_back({toCamera, mesh.get(), faces});
            faces += mesh->GetFaceCount();
        }
        for (const auto& light : frame->GetLights()) {
            const Rgb c = light->GetColor();
            if (light->GetType() == LightType::Ambient) {
                ambient = {ambient.red + c.red, ambient.green + c.green, ambient.blue + c.blue};
            } else {
                scratch.lights.push_back({-Normalized(toCamera.front), c});
            }
        }
        const auto& children = frame->GetChildren();
        for (auto child = children.rbegin(); child != children.rend(); ++child) {
            scratch.stack.emplace_back(child->get(), (*child)->WorldTransform());
        }
    }
}

}  // namespace

void RenderScene(const Frame& scene, const RenderView& view, RenderScratch& scratch,
                 WorkerPool& workers) {
    if (view.width < 1 || view.height < 1) return;
    Rgb ambient;
    Gather(scene, Inverse(view.camera), scratch, ambient);
    std::size_t totalFaces = 0;
    if (!scratch.items.empty()) {
        totalFaces = scratch.items.back().firstFace + scratch.items.back().mesh->GetFaceCount();
    }

    const int workerCount = workers.Size();
    const int bands = (view.height + kBandRows - 1) / kBandRows;
    scratch.workers.resize(std::size_t(workerCount));
    for (auto& lists : scratch.workers)
        lists.Reset(std::size_t(bands));

    const FaceSetup setup(view, scratch, ambient);
    workers.Run([&](int worker) {
        WorkerLists& out = scratch.workers[std::size_t(worker)];
        const std::size_t begin = totalFaces * std::size_t(worker) / std::size_t(workerCount);
        const std::size_t end = totalFaces * std::size_t(worker + 1) / std::size_t(workerCount);
        if (begin >= end) return;
        // The first item holding face `begin`.
        auto item = std::upper_bound(
                        scratch.items.begin(), scratch.items.end(), begin,
                        [](std::size_t face, const DrawItem& i) { return face < i.firstFace; }) -
                    1;
        for (std::size_t face = begin; face < end; ++face) {
            while (face >= item->firstFace + item->mesh->GetFaceCount())
                ++item;
            const auto& faces = item->mesh->GetFaces();
            setup.SetUp(*faces[face - item->firstFace], item->toCamera, face, out);
        }
    });

    scratch.nextBand = 0;
    workers.Run([&](int worker) {
        auto& sortScratch = scratch.workers[std::size_t(worker)].blendedScratch;
        for (;;) {
            const int band = scratch.nextBand.fetch_add(1);
            if (band >= bands) return;
            const auto b = std::size_t(band);
            const TriangleRaster raster(view, view.y + band * kBandRows,
                                        view.y + (band + 1) * kBandRows);
            for (const WorkerLists& lists : scratch.workers) {
                for (std::uint32_t i : lists.opaqueBins[b])
                    raster.Draw(lists.triangles[i]);
                for (std::uint32_t i : lists.lineBins[b])
                    raster.DrawLine(lists.lines[i]);
            }
            sortScratch.clear();
            for (const WorkerLists& lists : scratch.workers) {
                for (std::uint32_t i : lists.blendedBins[b]) {
                    const Triangle& t = lists.triangles[i];
                    sortScratch.push_back({t.depthKey, t.sequence, &t});
                }
            }
            std::sort(sortScratch.begin(), sortScratch.end(),
                      [](const BlendedRef& p, const BlendedRef& q) {
                          if (p.depthKey != q.depthKey) return p.depthKey > q.depthKey;
                          return p.sequence < q.sequence;
                      });
            for (const BlendedRef& ref : sortScratch)
                raster.Draw(*ref.triangle);
        }
    });
}

}  // namespace lumtrak::rm
