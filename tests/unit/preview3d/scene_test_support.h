#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "model/texture_registry.h"
#include "platform/message_sink.h"
#include "platform/program_folder.h"
#include "preview3d/preview_engine.h"
#include "preview3d/scene_builder.h"
#include "preview3d/scene_environment.h"
#include "preview3d/scene_part.h"
#include "preview3d/text_raster.h"
#include "rm/bmp_codec.h"
#include "support/temp_folder.h"

namespace lumtrak::preview3d::testing {

// Paints each character as a block 6 pixels wide and 20 high, 8 pixels apart,
// the text centred across the top; remembers what it was asked to paint.
class FakeTextRaster final : public TextRaster {
  public:
    MonoBitmap PaintText(std::string_view text, int width, int height) override {
        painted.emplace_back(text);
        MonoBitmap bitmap;
        bitmap.width = width;
        bitmap.height = height;
        bitmap.bits.assign(std::size_t(width) * std::size_t(height), 0);
        const int left = (width - 8 * int(text.size())) / 2;
        for (int i = 0; i < int(text.size()); ++i) {
            for (int y = 0; y < 20 && y < height; ++y) {
                for (int x = left + 8 * i; x < left + 8 * i + 6; ++x) {
                    if (x >= 0 && x < width) bitmap.bits[std::size_t(y * width + x)] = 1;
                }
            }
        }
        return bitmap;
    }
    std::vector<std::string> painted;
};

// An 8-bit BMP file of that size, every pixel index 1.
inline std::string PaletteBmp(int width, int height) {
    rm::Image image = rm::MakePalettisedImage(width, height);
    image.palette.assign(256, 0x808080);
    std::fill(image.indices.begin(), image.indices.end(), std::uint8_t{1});
    const auto bytes = rm::WriteBmp(image);
    return {bytes.begin(), bytes.end()};
}

// A scene built as the preview builds it, with a program folder of its own.
class SceneTest : public ::testing::Test {
  protected:
    SceneTest() { platform::SetProgramFolderOverride(program.Path().string()); }
    ~SceneTest() override { platform::SetProgramFolderOverride(""); }

    ScenePart& Build(std::string definition, model::Cursor start = 0) {
        text = std::move(definition);
        top.reset();
        top = std::make_unique<ScenePart>(engine, std::string());
        const model::DefinitionText bytes(text);
        SceneSource source(bytes, MemoryTextKey(bytes), document.Path().string());
        textures.SetDocumentFolder(document.Path().string());
        BuildScene(*top, source, start, environment);
        return *top;
    }

    static std::vector<std::shared_ptr<rm::Face>> Faces(const ScenePart& part) {
        if (!part.meshBuilder) return {};
        return part.meshBuilder->GetFaces();
    }
    // The children in list order, the most recently included first.
    static const ScenePart& Child(const ScenePart& part, std::size_t index) {
        return *part.children.at(part.children.size() - 1 - index);
    }

    ::lumtrak::testing::TempFolder program;
    ::lumtrak::testing::TempFolder document;
    model::TextureRegistry textures;
    platform::RecordingMessageSink messages;
    FakeTextRaster raster;
    SceneEnvironment environment{messages, textures, raster};
    PreviewEngine engine{textures, 50};
    std::string text;
    std::unique_ptr<ScenePart> top;
};

inline void ExpectNear(rm::Vector actual, rm::Vector expected, float tolerance = 1e-4f) {
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
    EXPECT_NEAR(actual.z, expected.z, tolerance);
}

}  // namespace lumtrak::preview3d::testing
