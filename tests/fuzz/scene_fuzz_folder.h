#pragma once

// The program folder that the scene fuzz targets build in: a "Stock Index"
// and three part files cut from the input, beside a FIFO, a folder and an
// empty file that index lines may name, and a label and a decal texture.
#include <sys/stat.h>

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

#include "model/texture_registry.h"
#include "platform/message_sink.h"
#include "platform/program_folder.h"
#include "preview3d/scene_environment.h"
#include "preview3d/text_raster.h"
#include "rm/bmp_codec.h"
#include "support/loader_fuzz_input.h"
#include "support/temp_folder.h"

namespace lumtrak::testing {

// A raster that paints a block for each character, as a font would paint ink.
class BlockRaster final : public preview3d::TextRaster {
  public:
    preview3d::MonoBitmap PaintText(std::string_view text, int width, int height) override {
        preview3d::MonoBitmap bitmap;
        bitmap.width = width;
        bitmap.height = height;
        bitmap.bits.assign(std::size_t(width) * std::size_t(height), 0);
        for (std::size_t i = 0; i < text.size() && i < std::size_t(width); ++i)
            bitmap.bits[i] = 1;
        return bitmap;
    }
};

inline std::string FuzzTexture(int width, int height) {
    rm::Image image = rm::MakePalettisedImage(width, height);
    image.palette.assign(256, 0x404040);
    const auto bytes = rm::WriteBmp(image);
    return {bytes.begin(), bytes.end()};
}

// What a scene is built with: messages kept, a registry of its own, block
// letters, and small limits, so that inputs reach them.
struct SceneFuzzEnvironment {
    SceneFuzzEnvironment() {
        environment.limits.includes = 300;
        environment.limits.panels = 3000;
        environment.limits.includedBytes = 300'000;
    }
    platform::RecordingMessageSink messages;
    model::TextureRegistry textures;
    BlockRaster raster;
    preview3d::SceneEnvironment environment{messages, textures, raster};
};

// The folder, made once and made the program folder; its index and part
// files those of the input.
inline const TempFolder& SceneFuzzFolder(const LoaderFuzzInput& input) {
    static const TempFolder folder;
    static const bool made = [] {
        ::mkfifo((folder.Path() / "pipe.stk").c_str(), 0600);
        std::filesystem::create_directory(folder.Path() / "dir.stk");
        folder.Write("empty.stk", "");
        folder.Write("Textures/t#.bmp", FuzzTexture(8, 4));
        folder.Write("Textures/d$.bmp", FuzzTexture(2, 2));
        platform::SetProgramFolderOverride(folder.Path().string());
        return true;
    }();
    (void)made;
    folder.Write("Stock Index", input.stockIndex +
                                    "\r\na\ta.stk\r\nb\tb.stk\r\nc\tc.stk\r\npipe\tpipe.stk\r\n"
                                    "dir\tdir.stk\r\nempty\tempty.stk\r\nnone\tnone.stk\r\n");
    for (std::size_t i = 0; i < std::size(kLoaderPartFiles); ++i)
        folder.Write(kLoaderPartFiles[i], i < input.parts.size() ? input.parts[i] : "");
    return folder;
}

}  // namespace lumtrak::testing
