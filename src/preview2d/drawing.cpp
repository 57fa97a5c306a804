#include "preview2d/drawing.h"

#include <memory>
#include <optional>
#include <utility>

#include "model/wrapping.h"

namespace lumtrak::preview2d {

using model::WrapAdd;
using model::WrapDivide;
using model::WrapSubtract;

namespace {

constexpr Colour kAxisColour = 0x0000FF;

void DrawPanel(model::PanelKind kind, const std::array<model::PanelVertex, 4>& vertices,
               Colour colour, const model::Panel* subPanels, const DrawingRect& rect,
               Canvas& canvas) {
    auto at = [&rect](const model::PanelVertex& vertex) {
        return CanvasPoint{WrapSubtract(vertex.screenX, rect.left),
                           WrapSubtract(vertex.screenY, rect.top)};
    };
    canvas.BeginPath();
    canvas.MoveTo(at(vertices[0]));
    canvas.LineTo(at(vertices[1]));
    if (kind != model::PanelKind::Line) {
        canvas.LineTo(at(vertices[2]));
        canvas.LineTo(at(vertices[3]));
    }
    switch (kind) {
        case model::PanelKind::Fill:
            canvas.EndPath();
            canvas.StrokeAndFillPath(colour);
            break;
        case model::PanelKind::Rect:
        case model::PanelKind::Line:
            // A closed two-point figure draws a line there and back.
            canvas.CloseFigure();
            canvas.EndPath();
            canvas.StrokePath(colour);
            break;
        default:
            canvas.EndPath();
            break;
    }
    for (const model::Panel* sub = subPanels; sub != nullptr; sub = sub->next.get()) {
        DrawPanel(sub->kind, sub->vertices, sub->colour, sub->subPanels.get(), rect, canvas);
    }
}

}  // namespace

void AddAxisLine(model::StockModel& model, std::int16_t x, std::int16_t y, std::int16_t z,
                 const model::TextureRegistry& textures) {
    auto line = std::make_unique<model::Panel>();
    line->kind = model::PanelKind::Line;
    line->vertices[1].x = x;
    line->vertices[1].y = y;
    line->vertices[1].z = z;
    line->colour = kAxisColour;
    line->sides = model::SideMask::AllVisible();
    // A group left open by the definition would swallow the line and hide it.
    const std::int32_t groupOpen = std::exchange(model.groupOpen, 0);
    model::AddPanel(model, std::move(line), textures);
    model.groupOpen = groupOpen;
}

void DrawDepthPool(DepthPool& pool, const DrawingRect& rect, Canvas& canvas) {
    pool.VisitInOrder([&](const DepthRecord& record) {
        DrawPanel(record.kind, record.vertices, record.colour, record.subPanels, rect, canvas);
    });
    pool.Clear();
}

void DrawModel(DrawingState& state, model::StockModel& stock, Canvas& canvas,
               const PreviewOptions& options, const model::TextureRegistry& textures,
               model::ProblemSink* problems) {
    // Records of a drawing that ended early would point into a model now gone.
    state.pool.Clear();
    if (stock.wheelbase == 0) stock.wheelbase = stock.length;
    if (options.showAxis) {
        AddAxisLine(stock, 0, 1000, 0, textures);
        AddAxisLine(stock, 0, 0, 100, textures);
        AddAxisLine(stock, 100, 0, 0, textures);
        AddAxisLine(stock, -100, 0, 0, textures);
    }

    const std::uint32_t tick = options.rotate ? state.ticks.TickCount() : 0;
    const Rotation rotation =
        RotationFor(ViewAngle(options.direction, options.rotate, tick), stock.wheelbase);
    const DrawingRect& rect = state.drawingRect;
    const std::int32_t cx = WrapDivide(rect.right, 2);
    const std::int32_t cy = WrapAdd(rect.top, WrapDivide(rect.bottom, 2));
    ProjectModel(stock, state.pool, cx, cy, rotation.p, rotation.q, state.animationFrame, problems);
    DrawDepthPool(state.pool, rect, canvas);
}

std::string DrawDefinitionPreview(DrawingState& state, model::LoadEnvironment& environment,
                                  std::string_view text, std::size_t caret, Canvas& canvas,
                                  const PreviewOptions& options, model::TextSelection selection) {
    std::optional<model::TextSelection> highlight;
    if (options.highlight) highlight = selection;
    if (options.animate) state.animationFrame = WrapAdd(state.animationFrame, 1);

    const model::DefinitionText definition(text);
    model::StockModel stock;
    model::Cursor cursor = model::FindDefinitionStart(definition, caret);
    model::LoadDefinition(stock, definition, cursor, model::SideMask::AllVisible(), highlight, 0, 0,
                          0, false, environment);

    DrawModel(state, stock, canvas, options, environment.textures);
    return stock.name;
}

}  // namespace lumtrak::preview2d
