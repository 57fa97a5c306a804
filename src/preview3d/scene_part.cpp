#include "preview3d/scene_part.h"

namespace lumtrak::preview3d {

ScenePart::ScenePart(PreviewEngine& previewEngine, std::string partName)
    : engine(previewEngine), name(std::move(partName)) {}

ScenePart::~ScenePart() {
    // Frames leave the scene in the reverse order of their making (a part's
    // frame is made after its children's), which the scene frame handles at
    // the end of its list.
    if (frame) {
        engine.Scene().DeleteChild(*frame);
        if (meshBuilder) frame->DeleteVisual(*meshBuilder);
    }
    while (!children.empty())
        children.pop_back();
}

Motion ScenePart::MotionOf() const {
    if (motionParameter != 0) return Motion::Wheel;
    switch (motionKind) {
        case 0:
            return Motion::Still;
        case 1:
            return Motion::Motion1;
        case 2:
            return Motion::Motion2;
        case 3:
            return Motion::Motion3;
        default:
            return Motion::PositionOnly;
    }
}

}  // namespace lumtrak::preview3d
