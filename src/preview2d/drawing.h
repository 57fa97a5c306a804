#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "model/definition_loader.h"
#include "model/stock_model.h"
#include "preview2d/canvas.h"
#include "preview2d/drawing_state.h"
#include "preview2d/projection.h"

namespace lumtrak::preview2d {

// The preview window's flags, read once at the start of a drawing.
struct PreviewOptions {
    ViewDirection direction = ViewDirection::Front;
    bool rotate = false;
    bool highlight = false;  // colour the panels of the selected lines magenta
    bool animate = false;    // advance the animation frame by one
    bool showAxis = false;
};

// Draws the definition under the caret of a whole edit buffer onto canvas (the
// bitmap at the drawing rectangle's top-left corner) as the 2D preview shows it,
// and returns the definition's name for the window's caption. The definition is
// loaded afresh from the text; only the animation frame outlasts the drawing.
std::string DrawDefinitionPreview(DrawingState& state, model::LoadEnvironment& environment,
                                  std::string_view text, std::size_t caret, Canvas& canvas,
                                  const PreviewOptions& options, model::TextSelection selection);

// Draws a loaded model as DrawDefinitionPreview does once it has loaded it:
// the length serves as a missing wheelbase, the axis lines are added to the
// model when shown, and its panels are projected for the view, ordered and
// painted. The panels that the drawing leaves out are reported to problems, if
// given.
void DrawModel(DrawingState& state, model::StockModel& stock, Canvas& canvas,
               const PreviewOptions& options, const model::TextureRegistry& textures,
               model::ProblemSink* problems = nullptr);

// Adds a red line from the model's origin to (x, y, z) at the head of its main
// list, visible from every side.
void AddAxisLine(model::StockModel& model, std::int16_t x, std::int16_t y, std::int16_t z,
                 const model::TextureRegistry& textures);

// Draws the pool's records back to front, each followed by its group chain, with
// every screen point moved by (-left, -top) of rect, and empties the pool.
void DrawDepthPool(DepthPool& pool, const DrawingRect& rect, Canvas& canvas);

}  // namespace lumtrak::preview2d
