#include "rm/face.h"

namespace lumtrak::rm {

void Face::AddVertex(Vector position) {
    positions_.push_back(position);
    coordinates_.emplace_back();
}

Vector Face::GetNormal() const {
    // The sum of the cross products of neighbouring vertices: twice the area
    // times the normal, for any polygon, however its first vertices lie.
    Vector sum;
    for (std::size_t i = 0; i < positions_.size(); ++i) {
        sum = sum + Cross(positions_[i], positions_[(i + 1) % positions_.size()]);
    }
    return Normalized(sum);
}

void Face::SetColorRGB(float red, float green, float blue) {
    colour_ = ColourFromRGB(red, green, blue);
}

bool Face::SetTextureCoordinates(std::size_t vertex, float u, float v) {
    if (vertex >= coordinates_.size()) return false;
    coordinates_[vertex] = {u, v};
    return true;
}

TextureCoordinates Face::GetTextureCoordinates(std::size_t vertex) const {
    return vertex < coordinates_.size() ? coordinates_[vertex] : TextureCoordinates{};
}

}  // namespace lumtrak::rm
