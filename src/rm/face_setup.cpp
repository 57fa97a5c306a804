#include "rm/face_setup.h"

#include <algorithm>
#include <cmath>

#include "rm/material.h"

namespace lumtrak::rm {
namespace {

constexpr int kMaxClipVertices = 12;  // a triangle clipped by six planes has at most 9

Rgb Clamped(Rgb c) {
    return {Clamp01(c.red), Clamp01(c.green), Clamp01(c.blue)};
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

}  // namespace

FaceSetup::FaceSetup(const RenderView& view, const std::vector<DirectionalLight>& lights,
                     Rgb ambient)
    : view_(view), lights_(lights), ambient_(ambient) {
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

// Signed distances inside each of the six clipping planes.
float FaceSetup::Plane(int plane, Vector p) const {
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

unsigned FaceSetup::Outcode(Vector p) const {
    unsigned code = 0;
    for (int plane = 0; plane < 6; ++plane) {
        if (Plane(plane, p) < 0) code |= 1u << plane;
    }
    return code;
}

void FaceSetup::SetUp(const Face& face, const Transform& toCamera, std::uint64_t sequence,
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
    base.alpha = AlphaOf(colour);
    base.sequence = sequence << 24;
    if (wireframe_) {
        const ClipVertex& lit = out.faceVertices[0];
        const Colour line = RoundedColourFromRGB(lit.r + lit.sr, lit.g + lit.sg, lit.b + lit.sb);
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
void FaceSetup::LightVertices(const Face& face, Vector normal, std::size_t count,
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
    File(triangle.Blended() ? out.blendedBins : out.opaqueBins, top, bottom, index);
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

}  // namespace lumtrak::rm
