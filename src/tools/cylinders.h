#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/point.h"
#include "tools/rewrite_result.h"
#include "tools/text_buffer.h"

// Cylinders: the Fill panels of a cylinder or truncated cone, generated from the
// values of the Cylinder dialog and inserted at the caret.
namespace lumtrak::tools {

// Colour and side marker of one generated surface, as a column of the dialog holds them.
struct CylinderSurfaceLook {
    std::int32_t red = 0;
    std::int32_t green = 0;
    std::int32_t blue = 0;
    bool singleSided = false;  // the "$" box
    bool doubleSided = false;  // the "=" box; wins over "$"
};

struct CylinderEnd {
    Point centre;  // W, L, H
    std::int32_t radius = 0;
    bool solid = false;  // close this end with a fan of panels
    CylinderSurfaceLook look;
};

// Every field of the Cylinder dialog; all zero or off at program start.
struct CylinderParameters {
    CylinderEnd endA;
    CylinderEnd endB;
    bool mantle = false;  // the "Cylinder" box
    std::int32_t steps = 0;
    CylinderSurfaceLook mantleLook;
};

// The most panel lines that one insertion may hold. A step count whose panels
// would pass it is refused where the count is given (the dialog, the command
// line), since the text it asks for would take gigabytes.
inline constexpr std::int32_t kMostCylinderPanelLines = 1'000'000;

// The largest step count whose panels stay within kMostCylinderPanelLines with
// the surfaces (End A's fan, the mantle, End B's fan) that parameters switch
// on: one line per step for each. Any count when none is on.
std::int32_t MostCylinderSteps(const CylinderParameters& parameters);

// One piece of the inserted text, inserted with one replace-selection. A piece
// that cancels the selection first is inserted after the selected text, which
// stays; the others replace whatever is selected.
struct CylinderPiece {
    std::string text;
    bool cancelsSelection = false;
};

// The pieces in insertion order: End A's fan, a line break, the mantle, a line
// break, End B's fan; a surface that is off contributes no piece.
std::vector<CylinderPiece> CylinderPieces(const CylinderParameters& parameters);

// The whole insertion as one result: the pieces joined, in place of the
// selection, or after it when the first piece cancels the selection. The caret
// ends after the inserted text; the 2D preview is not repainted.
RewriteResult Cylinders(std::string_view text, Selection selection,
                        const CylinderParameters& parameters);

// Inserts the pieces into buffer one at a time, each after the one before: the
// insertion line by line, whose text and caret Cylinders gives in one replacement.
// Cancelling leaves the selected text in place and the caret at its end.
void InsertCylinders(TextBuffer& buffer, const CylinderParameters& parameters);

// The marker character of a surface: '=', '$' or a blank.
char CylinderMarker(const CylinderSurfaceLook& look);

}  // namespace lumtrak::tools
