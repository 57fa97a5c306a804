// The editing tools on any text, selection and parameters. The input's last
// bytes choose the tool, the selection and the tool's parameters; the bytes
// in front of them are the text, held in a buffer of exactly its size with no
// zero byte after it, so that any read beyond the text is caught. Every tool must
// finish, replace only the bytes it says it replaces (the selection, for the
// tools that rewrite the selection), and leave a selection inside the new text.
//
// To fuzz another tool, add it to kTools.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "platform/message_sink.h"
#include "tools/count_panels.h"
#include "tools/cut_out.h"
#include "tools/cylinders.h"
#include "tools/divide_panels.h"
#include "tools/matrix_transformation.h"
#include "tools/panel_tags.h"
#include "tools/point_conversions.h"
#include "tools/reflect.h"
#include "tools/reverse_panel.h"
#include "tools/rewrite_result.h"
#include "tools/rotate_vertices.h"
#include "tools/shift.h"
#include "tools/stretch.h"
#include "tools/text_buffer.h"

namespace {

using namespace lumtrak::tools;

// Which bytes a tool may replace.
enum class Replaces {
    Selection,  // exactly the selection
    // the selection, or nothing but an insertion at its end (Cylinders)
    SelectionOrInsertionAfterIt,
    // the selection, or the whole text when nothing is selected
    SelectionOrWholeText,
};

using ToolRun = std::function<RewriteResult(std::string_view text, Selection selection)>;

struct FuzzTool {
    const char* name;
    Replaces replaces;
    // Takes the tool's parameters from the input and gives the tool to run.
    ToolRun (*prepare)(FuzzedDataProvider& input);
};

std::int32_t AnyInt(FuzzedDataProvider& input) {
    return input.ConsumeIntegral<std::int32_t>();
}

// Values near the interesting ones are likelier than in a uniform draw.
std::int32_t Coordinate(FuzzedDataProvider& input) {
    return input.ConsumeBool() ? input.ConsumeIntegralInRange<std::int32_t>(-300, 300)
                               : AnyInt(input);
}

Point AnyPoint(FuzzedDataProvider& input) {
    return {Coordinate(input), Coordinate(input), Coordinate(input)};
}

CylinderSurfaceLook AnyLook(FuzzedDataProvider& input) {
    return {Coordinate(input), Coordinate(input), Coordinate(input), input.ConsumeBool(),
            input.ConsumeBool()};
}

CylinderEnd AnyCylinderEnd(FuzzedDataProvider& input) {
    CylinderEnd end;
    end.centre = AnyPoint(input);
    end.radius = Coordinate(input);
    end.solid = input.ConsumeBool();
    end.look = AnyLook(input);
    return end;
}

template <RewriteResult (*Tool)(std::string_view, Selection)>
ToolRun Plain(FuzzedDataProvider&) {
    return Tool;
}

const FuzzTool kTools[] = {
    {"shift", Replaces::Selection,
     [](FuzzedDataProvider& input) -> ToolRun {
         ShiftParameters parameters;
         parameters.offset = AnyPoint(input);
         parameters.leaveOriginal = input.ConsumeBool();
         parameters.repeat = input.ConsumeBool();
         // A few passes show how they read each other; many only take longer.
         parameters.repeatCount = input.ConsumeIntegralInRange<std::int32_t>(-1, 4);
         return [parameters](std::string_view text, Selection selection) {
             return Shift(text, selection, parameters);
         };
     }},
    {"reflect", Replaces::Selection,
     [](FuzzedDataProvider& input) -> ToolRun {
         ReflectParameters parameters;
         parameters.centre = AnyPoint(input);
         parameters.reflectW = input.ConsumeBool();
         parameters.reflectL = input.ConsumeBool();
         parameters.reflectH = input.ConsumeBool();
         parameters.leaveOriginal = input.ConsumeBool();
         return [parameters](std::string_view text, Selection selection) {
             return Reflect(text, selection, parameters);
         };
     }},
    {"stretch", Replaces::Selection,
     [](FuzzedDataProvider& input) -> ToolRun {
         StretchParameters parameters;
         parameters.factorPercent = AnyPoint(input);
         parameters.origin = AnyPoint(input);
         parameters.stretchW = input.ConsumeBool();
         parameters.stretchL = input.ConsumeBool();
         parameters.stretchH = input.ConsumeBool();
         parameters.leaveOriginal = input.ConsumeBool();
         return [parameters](std::string_view text, Selection selection) {
             return Stretch(text, selection, parameters);
         };
     }},
    {"imperial-to-metric", Replaces::Selection, &Plain<&ImperialToMetric>},
    {"metric-to-imperial", Replaces::Selection, &Plain<&MetricToImperial>},
    {"rotate-90-left", Replaces::Selection, &Plain<&Rotate90Left>},
    {"rotate-90-right", Replaces::Selection, &Plain<&Rotate90Right>},
    {"rotate-vertices-left", Replaces::Selection, &Plain<&RotatePanelVerticesLeft>},
    {"rotate-vertices-right", Replaces::Selection, &Plain<&RotatePanelVerticesRight>},
    {"reverse-panel", Replaces::Selection, &Plain<&ReversePanel>},
    {"matrix", Replaces::Selection,
     [](FuzzedDataProvider& input) -> ToolRun {
         TransformMatrix matrix;
         for (float& value : matrix.m) {
             // Any bit pattern: infinities and NaN too.
             const auto bits = input.ConsumeIntegral<std::uint32_t>();
             std::memcpy(&value, &bits, sizeof value);
         }
         return [matrix](std::string_view text, Selection selection) {
             return MatrixTransformation(text, selection, matrix);
         };
     }},
    {"cylinders", Replaces::SelectionOrInsertionAfterIt,
     [](FuzzedDataProvider& input) -> ToolRun {
         CylinderParameters parameters;
         parameters.endA = AnyCylinderEnd(input);
         parameters.endB = AnyCylinderEnd(input);
         parameters.mantle = input.ConsumeBool();
         parameters.mantleLook = AnyLook(input);
         // Every step is one line per surface; a few show the ring closing.
         parameters.steps = input.ConsumeIntegralInRange<std::int32_t>(-1, 9);
         return [parameters](std::string_view text, Selection selection) {
             return Cylinders(text, selection, parameters);
         };
     }},
    {"divide", Replaces::Selection,
     [](FuzzedDataProvider& input) -> ToolRun {
         DivideParameters parameters;
         parameters.axis = input.PickValueInArray(
             {DivideAxis::None, DivideAxis::W, DivideAxis::L, DivideAxis::H});
         parameters.w = Coordinate(input);
         parameters.l = Coordinate(input);
         parameters.h = Coordinate(input);
         return [parameters](std::string_view text, Selection selection) {
             return DividePanels(text, selection, parameters);
         };
     }},
    {"cut-out", Replaces::Selection, &Plain<&CutOut>},
    {"set-d3d-only", Replaces::SelectionOrWholeText, &Plain<&SetD3DOnly>},
    {"auto-q", Replaces::SelectionOrWholeText, &Plain<&AutoQ>},
    {"count-panels", Replaces::SelectionOrWholeText,
     [](FuzzedDataProvider&) -> ToolRun {
         return [](std::string_view text, Selection selection) {
             return CountPanels(text, selection).rewrite;
         };
     }},
};

void Check(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const FuzzTool& tool = input.PickValueInArray(kTools);
    const auto start = input.ConsumeIntegral<std::uint16_t>();
    const auto length = input.ConsumeIntegral<std::uint16_t>();
    const ToolRun run = tool.prepare(input);
    const std::size_t textSize = input.remaining_bytes();
    auto textBytes = std::make_unique<char[]>(textSize);
    std::memcpy(textBytes.get(), data, textSize);
    const std::string_view text(textBytes.get(), textSize);

    // Selections may lie beyond the text; the tools clamp them.
    const std::size_t from = start % (textSize + 2);
    const Selection selection{from, from + length % (textSize + 2)};
    const RewriteResult result = run(text, selection);

    Check(result.range.start <= result.range.end && result.range.end <= text.size());
    const Selection clamped = ClampSelection(selection, text.size());
    if (result.replaces) {
        switch (tool.replaces) {
            case Replaces::Selection:
                Check(result.range == clamped);
                break;
            case Replaces::SelectionOrInsertionAfterIt:
                Check(result.range == clamped ||
                      result.range == Selection{clamped.end, clamped.end});
                break;
            case Replaces::SelectionOrWholeText:
                Check(result.range == clamped ||
                      (clamped.start == clamped.end && result.range == Selection{0, text.size()}));
                break;
        }
    }

    MemoryTextBuffer buffer(std::string(text), clamped);
    lumtrak::platform::RecordingMessageSink messages;
    CommitRewrite(buffer, result, messages);
    const std::string_view after = buffer.Text();
    if (result.replaces) {
        Check(after.substr(0, result.range.start) == text.substr(0, result.range.start));
        Check(after.substr(result.range.start + result.replacement.size()) ==
              text.substr(result.range.end));
    } else {
        Check(after == text);
    }
    Check(buffer.CurrentSelection() == result.selectionAfter);
    Check(messages.messages.size() == result.messages.size());
    return 0;
}
