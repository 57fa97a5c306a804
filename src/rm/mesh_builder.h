#pragma once

#include <memory>
#include <vector>

#include "rm/face.h"

namespace lumtrak::rm {

// A visual: the faces of one mesh, drawn in the space of each frame it is added to.
class MeshBuilder {
  public:
    void AddFace(std::shared_ptr<Face> face) {
        if (face) faces_.push_back(std::move(face));
    }
    const std::vector<std::shared_ptr<Face>>& GetFaces() const { return faces_; }
    std::size_t GetFaceCount() const { return faces_.size(); }

  private:
    std::vector<std::shared_ptr<Face>> faces_;
};

}  // namespace lumtrak::rm
