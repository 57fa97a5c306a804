#include <cctype>
#include <cstdint>

#include "cli/cli_messages.h"
#include "cli/command.h"
#include "cli/common_options.h"
#include "cli/output_file.h"
#include "cli/scene_session.h"
#include "preview3d/bitmap_file.h"

namespace lumtrak::cli {
namespace {

using preview3d::ScrollBar;

constexpr std::pair<int, int> kDefaultSize{640, 480};
constexpr int kDefaultLightHarshness = 50;

enum class ImageFormat { Png, Bmp };

ImageFormat FormatOf(const std::string& path) {
    const auto dot = path.rfind('.');
    std::string extension = dot == std::string::npos ? "" : path.substr(dot + 1);
    for (char& c : extension)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (extension == "png") return ImageFormat::Png;
    if (extension == "bmp") return ImageFormat::Bmp;
    throw UsageError("--out needs a file name ending in .png or .bmp: '" + path + "'");
}

int IntegerOption(const Arguments& arguments, std::string_view option, int fallback, int low,
                  int high) {
    const auto value = arguments.Value(option);
    if (!value) return fallback;
    const long long number = ParseInteger(option, *value);
    if (number < low || number > high) {
        throw UsageError(std::string(option) + " needs " + std::to_string(low) +
                         " <= value <= " + std::to_string(high));
    }
    return static_cast<int>(number);
}

// Gives the note of a picture that had to be written in place.
std::optional<std::string> WritePicture(const preview3d::PreviewEngine& engine,
                                        const std::string& path, ImageFormat format) {
    const int width = engine.DeviceWidth();
    const int height = engine.DeviceHeight();
    const auto picture = engine.Picture();
    if (format == ImageFormat::Bmp) {
        preview3d::CaptureBitmap bitmap;
        bitmap.width = width;
        bitmap.height = height;
        bitmap.pixels.assign(picture.begin(), picture.end());
        const auto bytes = preview3d::BitmapFileBytes(bitmap);
        return WriteOutputFile(
            path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    }
    return WriteOutputFile(path, PngBytes(width, height, picture));
}

int RunRender3d(const Arguments& arguments) {
    const auto requested = SelectionFrom(arguments);
    const auto tick = TickFrom(arguments);
    const auto size =
        arguments.Has("--size") ? ParseSize("--size", *arguments.Value("--size")) : kDefaultSize;
    const auto out = arguments.Value("--out");
    if (!out) throw UsageError("render3d needs --out OUT.png or --out OUT.bmp");
    const ImageFormat format = FormatOf(*out);
    const int cab = IntegerOption(arguments, "--cab", 0, 1, 2);
    const int lightLevel = IntegerOption(arguments, "--light-level", -1, 0, 2);
    const int harshness =
        IntegerOption(arguments, "--light-harshness", kDefaultLightHarshness, 0, 100);
    struct BarOption {
        std::string_view option;
        ScrollBar bar;
    };
    const BarOption bars[] = {{"--angle", ScrollBar::Angle},
                              {"--height", ScrollBar::Height},
                              {"--distance", ScrollBar::Distance},
                              {"--light", ScrollBar::Light}};
    std::vector<std::pair<ScrollBar, int>> positions;
    for (const auto& [option, bar] : bars) {
        if (arguments.Has(option)) {
            positions.emplace_back(bar, IntegerOption(arguments, option, 0, INT32_MIN, INT32_MAX));
        }
    }
    const std::string bytes = ReadDefinitionFile(arguments.File());
    const auto selection = ClampSelection(requested, bytes.size());
    const std::string documentFolder = DocumentFolderFrom(arguments);
    ApplyProgramDir(arguments);

    CliPreview preview(documentFolder, harshness);
    auto& session = preview.Session();
    session.FirstPaint(bytes, selection.start, size.first, size.second);
    if (session.Engine()->DeviceWidth() == 0) {
        throw UsageError("--size: no picture of " + std::to_string(size.first) + "x" +
                         std::to_string(size.second) + " pixels can be made");
    }
    // As a user would: the cab button first (it resets the angle bar), then
    // the scroll bars, then the light and quality commands.
    if (cab == 1) session.ToggleCab1();
    if (cab == 2) session.ToggleCab2();
    for (const auto& [bar, position] : positions)
        session.SetScrollPosition(bar, position);
    session.PlaceCamera();
    if (lightLevel >= 0) session.SetLightLevel(lightLevel);
    if (arguments.Has("--spotlight")) session.ToggleSpotlight();
    if (arguments.Has("--wireframe")) session.ToggleWireframe();
    if (tick) session.PlaceForTick(*tick);
    session.Render();
    WriteNotes(preview.Notes());
    if (auto note = WritePicture(*session.Engine(), *out, format)) WriteNotes({*note});
    return 0;
}

}  // namespace

Command Render3dCommand() {
    return {
        "render3d",
        "FILE [--sel A:B | --caret N] [--program-dir DIR] [--size WxH] [--tick T] [--cab 1|2] "
        "[--angle P] [--height P] [--distance P] [--light P] [--light-level 0|1|2] "
        "[--spotlight] [--wireframe] [--light-harshness H] [--document-path P] "
        "--out OUT.png|OUT.bmp",
        "render the 3D scene of the definition under the caret as a new 3D preview shows it",
        {SelectionOption(),
         CaretOption(),
         ProgramDirOption(),
         {"--size", true, "the rendering area in pixels as WxH (default 640x480)"},
         TickOption("place the scene for this animation tick"),
         {"--cab", true, "view from cab 1 or cab 2 (the Cab button: the angle bar goes to 0)"},
         {"--angle", true, "position of the angle scroll bar, -40 to 40 (default 16)"},
         {"--height", true, "position of the height scroll bar, -1000 to 300 (default -30)"},
         {"--distance", true, "position of the distance scroll bar, 0 to 5000 (default 2500)"},
         {"--light", true, "position of the light scroll bar, -40 to 40 (default 0)"},
         {"--light-level", true, "then Low Light (0), Dim lighting (1) or Bright Lighting (2)"},
         {"--spotlight", false, "then Spotlight, after the light level"},
         {"--wireframe", false, "then draw the scene as wireframe"},
         {"--light-harshness", true, "the editor's light harshness setting, 0 to 100 (default 50)"},
         DocumentPathOption(),
         {"--out", true, "the picture as PNG, or as BMP in the layout of the capture files"}},
        FileArgument::Required,
        &RunRender3d,
    };
}

}  // namespace lumtrak::cli
