#include "rm/render_pass.h"

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <vector>

#include "rm/face_setup.h"
#include "rm/rasteriser.h"
#include "rm/render_lists.h"
#include "rm/worker_pool.h"

// The scene is drawn in two passes over the worker pool. First every worker
// takes a share of the faces and sets them up (face_setup.h): lit, clipped,
// projected and filed as triangles or edges under the bands of rows they
// touch. Then the workers take bands in turn and draw everything filed under
// each (rasteriser.h): the opaque triangles in the order of the faces, then
// the blended ones from the farthest to the nearest. Bands never share a
// pixel, so the drawing needs no locks.
namespace lumtrak::rm {
namespace {

struct DrawItem {
    Transform toCamera;
    const MeshBuilder* mesh;
    std::size_t firstFace;  // index of its first face among all faces drawn
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

// Gathers the visuals and lights of the scene's tree.
void Gather(const Frame& scene, const Transform& fromWorld, RenderScratch& scratch, Rgb& ambient) {
    scratch.items.clear();
    scratch.lights.clear();
    scratch.stack.clear();
    ambient = {};
    std::size_t faces = 0;
    scratch.stack.emplace_back(&scene, scene.GetWorldTransform());
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
            scratch.stack.emplace_back(child->get(), (*child)->GetWorldTransform());
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

    const FaceSetup setup(view, scratch.lights, ambient);
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
