#pragma once

#include <cmath>

namespace lumtrak::rm {

// A point or direction. Single precision, as the engine's values are throughout.
struct Vector {
    float x = 0;
    float y = 0;
    float z = 0;

    friend Vector operator+(Vector a, Vector b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
    friend Vector operator-(Vector a, Vector b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
    friend Vector operator-(Vector a) { return {-a.x, -a.y, -a.z}; }
    friend Vector operator*(Vector a, float s) { return {a.x * s, a.y * s, a.z * s}; }
    friend bool operator==(Vector a, Vector b) = default;
};

inline float Dot(Vector a, Vector b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
inline Vector Cross(Vector a, Vector b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
inline float Length(Vector a) {
    return std::sqrt(Dot(a, a));
}
// The vector scaled to length 1, or the zero vector when it has no direction.
inline Vector Normalized(Vector a) {
    const float length = Length(a);
    return length > 0 ? a * (1.0f / length) : Vector{};
}

// Where a frame stands in the space it is expressed in: its three unit axes and
// its origin. The axes are orthonormal and left-handed (right = up x front), so
// the inverse of the rotation is its transpose.
struct Transform {
    Vector right{1, 0, 0};
    Vector up{0, 1, 0};
    Vector front{0, 0, 1};
    Vector origin{};

    // A point given in the frame's own coordinates, in the outer space.
    Vector Apply(Vector p) const { return origin + Rotate(p); }
    Vector Rotate(Vector d) const { return right * d.x + up * d.y + front * d.z; }
    // A point of the outer space, in the frame's own coordinates.
    Vector ApplyInverse(Vector p) const { return RotateInverse(p - origin); }
    Vector RotateInverse(Vector d) const { return {Dot(d, right), Dot(d, up), Dot(d, front)}; }
};

// outer, then inner: inner is given in outer's coordinates; the result is in
// the space outer is expressed in.
inline Transform Compose(const Transform& outer, const Transform& inner) {
    return {outer.Rotate(inner.right), outer.Rotate(inner.up), outer.Rotate(inner.front),
            outer.Apply(inner.origin)};
}

inline Transform Inverse(const Transform& t) {
    const Vector right{t.right.x, t.up.x, t.front.x};
    const Vector up{t.right.y, t.up.y, t.front.y};
    const Vector front{t.right.z, t.up.z, t.front.z};
    Transform inverse{right, up, front, {}};
    inverse.origin = -inverse.Rotate(t.origin);
    return inverse;
}

}  // namespace lumtrak::rm
