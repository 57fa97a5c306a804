#include "cli/cli_messages.h"
#include "cli/command.h"
#include "cli/common_options.h"
#include "cli/output_file.h"
#include "model/texture_registry.h"
#include "model/wrapping.h"
#include "platform/tick_source.h"
#include "preview2d/drawing.h"
#include "preview2d/raster_canvas.h"
#include "preview2d/recording_canvas.h"
#include "stockindex/stock_index.h"

namespace lumtrak::cli {
namespace {

using preview2d::ViewDirection;

constexpr std::pair<int, int> kDefaultFrameSize{246, 162};

ViewDirection DirectionFrom(const Arguments& arguments) {
    const auto value = arguments.Value("--direction");
    if (!value || *value == "front") return ViewDirection::Front;
    if (*value == "back") return ViewDirection::Back;
    if (*value == "right") return ViewDirection::Right;
    if (*value == "left") return ViewDirection::Left;
    throw UsageError("malformed value '" + *value + "' for --direction (front, back, right, left)");
}

std::uint32_t TickFrom(const Arguments& arguments) {
    const auto value = arguments.Value("--tick");
    if (!value) return 0;
    const long long tick = ParseInteger("--tick", *value);
    if (tick < 0 || tick > 0xFFFFFFFFLL) throw UsageError("--tick needs 0 <= T <= 4294967295");
    return static_cast<std::uint32_t>(tick);
}

// The animation frame during the drawing: 1 with --animate, else the 0 of a
// program that has just started, unless --anim-frame says otherwise.
std::int32_t AnimationFrameFrom(const Arguments& arguments) {
    const auto value = arguments.Value("--anim-frame");
    if (!value) return arguments.Has("--animate") ? 1 : 0;
    const long long frame = ParseInteger("--anim-frame", *value);
    if (frame < -0x80000000LL || frame > 0xFFFFFFFFLL) {
        throw UsageError("--anim-frame needs a 32-bit value");
    }
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(frame));
}

std::pair<int, int> FrameSizeFrom(const Arguments& arguments) {
    const auto value = arguments.Value("--frame-size");
    if (!value) return kDefaultFrameSize;
    const auto size = ParseSize("--frame-size", *value);
    if (!preview2d::FrameFitsLimits(size.first, size.second)) {
        throw UsageError("--frame-size: a frame of " + *value + " pixels is too large (at most " +
                         std::to_string(preview2d::kLargestFrameSide) + " either way and " +
                         std::to_string(preview2d::kLargestFramePixels) + " pixels in all)");
    }
    const auto bitmap = preview2d::BitmapSizeForFrame(size.first, size.second);
    if (bitmap.width <= 0 || bitmap.height <= 0) {
        throw UsageError("--frame-size needs at least 6x12 for a bitmap to draw in");
    }
    return size;
}

// Gives the note of an image that had to be written in place.
std::optional<std::string> WritePng(const std::string& path, std::pair<int, int> frameSize,
                                    bool white,
                                    const std::vector<preview2d::PaintRecord>& records) {
    const auto size = preview2d::BitmapSizeForFrame(frameSize.first, frameSize.second);
    preview2d::RasterCanvas canvas(size.width, size.height);
    const preview2d::RasterPicture& picture = canvas.Picture();
    if (picture.pixels.empty()) throw CommandFailure("cannot make an image of that size for --png");
    canvas.FillBackground(preview2d::PreviewBackground(white));
    preview2d::ReplayRecords(records, canvas);
    return WriteOutputFile(path, PngBytes(picture.width, picture.height, picture.pixels));
}

void WriteRecords(JsonWriter& json, const std::vector<preview2d::PaintRecord>& records) {
    json.Key("records").BeginArray();
    for (const auto& record : records) {
        json.BeginObject();
        json.Key("op").String(record.op == preview2d::PaintOp::Fill ? "fill" : "stroke");
        json.Key("colour").Int(record.colour);
        json.Key("points").BeginArray();
        for (const auto& point : record.points)
            json.BeginArray().Int(point.x).Int(point.y).EndArray();
        json.EndArray();
        json.EndObject();
    }
    json.EndArray();
}

int RunDraw2d(const Arguments& arguments) {
    const auto requested = SelectionFrom(arguments);
    preview2d::PreviewOptions options;
    options.direction = DirectionFrom(arguments);
    options.rotate = arguments.Has("--rotate");
    options.highlight = arguments.Has("--highlight");
    options.animate = arguments.Has("--animate");
    options.showAxis = arguments.Has("--axis");
    const std::uint32_t tick = TickFrom(arguments);
    const std::int32_t frame = AnimationFrameFrom(arguments);
    const auto frameSize = FrameSizeFrom(arguments);
    const std::string bytes = ReadDefinitionFile(arguments.File());
    const auto selection = ClampSelection(requested, bytes.size());
    ApplyProgramDir(arguments);

    platform::FixedTickSource ticks(tick);
    preview2d::DrawingState state(ticks);
    state.drawingRect = preview2d::DrawingRectForFrame(frameSize.first, frameSize.second);
    // The drawing itself advances the counter when it animates.
    state.animationFrame = options.animate ? model::WrapSubtract(frame, 1) : frame;

    CliMessageSink messages;
    auto& textures = model::TextureRegistry::Process();
    model::LoadEnvironment environment{messages, textures, stockindex::ProcessIncludeCache()};
    preview2d::RecordingCanvas canvas;
    const std::string name = preview2d::DrawDefinitionPreview(
        state, environment, bytes, selection.start, canvas, options, selection);
    WriteNotes(environment.notes);

    if (auto png = arguments.Value("--png")) {
        if (auto note = WritePng(*png, frameSize, arguments.Has("--white"), canvas.Records())) {
            WriteNotes({*note});
            environment.notes.push_back(std::move(*note));
        }
    }

    JsonWriter json(&WriteStdout);
    json.BeginObject();
    json.Key("name").String(name);
    WriteRecords(json, canvas.Records());
    FinishJsonOutput(json, messages, environment.notes);
    return 0;
}

}  // namespace

Command Draw2dCommand() {
    return {
        "draw2d",
        "FILE [--sel A:B | --caret N] [--direction front|back|right|left] [--rotate --tick T] "
        "[--highlight] [--animate --anim-frame F] [--axis] [--frame-size WxH] [--white] "
        "[--png OUT] [--program-dir DIR]",
        "draw the definition under the caret as the 2D preview does and print what is painted",
        {SelectionOption(),
         CaretOption(),
         {"--direction", true, "front (default), back, right or left"},
         {"--rotate", false, "the turning view, at the angle of the tick count"},
         {"--tick", true, "the millisecond tick count, 0 to 4294967295 (default 0)"},
         {"--highlight", false, "colour the selected lines' panels magenta"},
         {"--animate", false, "animate: the drawing advances the animation frame"},
         {"--anim-frame", true,
          "the animation frame during the drawing (default 1 with --animate)"},
         {"--axis", false, "show the axis lines"},
         {"--frame-size", true, "the drawing frame in pixels as WxH (default 246x162)"},
         {"--white", false, "white background in the --png image (default black)"},
         {"--png", true, "also paint the (W - 5) x (H - 11) bitmap and write it as PNG to OUT"},
         ProgramDirOption()},
        FileArgument::Required,
        &RunDraw2d,
    };
}

}  // namespace lumtrak::cli
