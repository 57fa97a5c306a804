#include "rm/render_pass.h"

namespace lumtrak::rm {

struct RenderScratch {};

void RenderScratchDeleter::operator()(RenderScratch* scratch) const {
    delete scratch;
}

RenderScratchPointer MakeRenderScratch() {
    return RenderScratchPointer(new RenderScratch);
}

void RenderScene(const Frame&, const RenderView&, RenderScratch&, WorkerPool&) {}

}  // namespace lumtrak::rm
