#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QString>

#include <cmath>

#include "cli/cli_test_support.h"
#include "support/json_value.h"
#include "support/temp_folder.h"

namespace lumtrak::testing {
namespace {

using ::testing::HasSubstr;

const std::string kLocomotive = kSamplesFolder + "/Stock/Locomotives/Class40.stk";

JsonValue SceneOf(const ProcessResult& result) {
    EXPECT_EQ(result.exitCode, 0) << result.err;
    return JsonValue::Parse(result.out);
}

std::vector<double> Numbers(const JsonValue& array) {
    std::vector<double> numbers;
    for (const auto& item : array.Items())
        numbers.push_back(item.Number());
    return numbers;
}

TEST(SceneCommand, BuildsTheSampleLocomotiveWithItsBogiesWheelsAndTextures) {
    const auto scene = SceneOf(RunStock({"scene", kLocomotive, "--program-dir", kSamplesFolder}));
    EXPECT_TRUE(scene["animated"].Bool());
    EXPECT_EQ(scene["messages"].Size(), 0u);
    EXPECT_EQ(scene["notes"].Size(), 0u);
    const auto& top = scene["top"];
    EXPECT_EQ(top["name"].String(), "");
    EXPECT_EQ(top["length"].Int(), 600);
    EXPECT_EQ(top["labelText"].String(), "D40122");
    EXPECT_EQ(Numbers(top["cab1"]), (std::vector<double>{-25, 40, 95}));
    EXPECT_FALSE(top["frame"].IsNull());
    ASSERT_EQ(top["faces"].Size(), 16u);

    // The rear bogie, included last, comes first: turned round.
    ASSERT_EQ(top["children"].Size(), 2u);
    const auto& rear = top["children"][0];
    EXPECT_EQ(rear["name"].String(), "class 40 bogie");
    EXPECT_TRUE(rear["mirrored"].Bool());
    EXPECT_EQ(Numbers(rear["offset"]), (std::vector<double>{0, 0, 15}));
    EXPECT_EQ(Numbers(rear["frame"]["direction"]), (std::vector<double>{0, 0, -1}));
    ASSERT_EQ(rear["children"].Size(), 2u);
    const auto& wheel = rear["children"][0];
    EXPECT_EQ(wheel["name"].String(), "class 40 axle");
    EXPECT_EQ(wheel["motionParameter"].Int(), -1);
    EXPECT_EQ(wheel["motionKind"].Int(), 90);

    const auto& windowFace = top["faces"][7];
    EXPECT_EQ(windowFace["material"].Int(), 19);
    EXPECT_EQ(windowFace["colour"].Int() >> 24, 0x20);
    EXPECT_EQ(top["faces"][0]["material"].String(), "default");
    EXPECT_TRUE(top["faces"][0]["texture"].IsNull());
    EXPECT_TRUE(top["faces"][0]["textureCoordinates"].IsNull());

    const auto& grille = top["faces"][14]["texture"];
    EXPECT_EQ(grille["name"].String(), "grille.bmp");
    EXPECT_EQ(grille["number"].Int(), 1);
    EXPECT_FALSE(grille["decalTransparency"].Bool());
    EXPECT_TRUE(grille["label"].IsNull());
    const auto& plate = top["faces"][15];
    EXPECT_EQ(plate["texture"]["name"].String(), "numberplate#.bmp");
    EXPECT_EQ(plate["texture"]["label"].String(), "D40122");
    EXPECT_EQ(plate["textureCoordinates"].Size(), 4u);
    EXPECT_EQ(plate["vertices"].Size(), 4u);
}

TEST(SceneCommand, TheSampleWheelsTurnAboutTheirCentres) {
    // A wheel turns about its part's origin: the sample axle's wheels are
    // drawn round it, and the bogie places the axle at their height.
    const auto scene = SceneOf(RunStock({"scene", kLocomotive, "--program-dir", kSamplesFolder}));
    for (const auto& bogie : scene["top"]["children"].Items()) {
        ASSERT_EQ(bogie["children"].Size(), 2u);
        for (const auto& axle : bogie["children"].Items()) {
            EXPECT_NEAR(Numbers(axle["offset"])[1], 1.8, 1e-6);
            double low[3] = {1e9, 1e9, 1e9};
            double high[3] = {-1e9, -1e9, -1e9};
            for (const auto& face : axle["faces"].Items()) {
                for (const auto& vertex : face["vertices"].Items()) {
                    const auto point = Numbers(vertex);
                    for (std::size_t i = 0; i < 3; ++i) {
                        low[i] = std::min(low[i], point[i]);
                        high[i] = std::max(high[i], point[i]);
                    }
                }
            }
            for (std::size_t i = 0; i < 3; ++i)
                EXPECT_NEAR(low[i] + high[i], 0, 1e-6) << "axis " << i;
            EXPECT_NEAR(high[1], 1.7, 1e-6);  // the wheels' radius
        }
    }
}

TEST(SceneCommand, TheTickTurnsTheWheels) {
    const std::string text = "wheel 0 0 0 1 0 w\n[end]\nname w\n[end]\n";
    const auto still = SceneOf(RunStock({"scene", "-"}, text));
    EXPECT_TRUE(still["animated"].Bool());
    const auto& wheel = still["top"]["children"][0];
    EXPECT_THAT(
        Numbers(wheel["frame"]["direction"]),
        ::testing::ElementsAre(0, ::testing::DoubleNear(1, 1e-6), ::testing::DoubleNear(0, 1e-6)));
    const auto turned = SceneOf(RunStock({"scene", "-", "--tick", "10"}, text));
    const auto direction = Numbers(turned["top"]["children"][0]["frame"]["direction"]);
    EXPECT_NEAR(direction[1], std::cos(-1.0), 1e-5);
    EXPECT_NEAR(direction[2], std::sin(-1.0), 1e-5);

    // Nothing to place: no frame, no faces, and no moving part.
    const auto empty = SceneOf(RunStock({"scene", "-"}, "length 30\n"));
    EXPECT_FALSE(empty["animated"].Bool());
    EXPECT_TRUE(empty["top"]["frame"].IsNull());
    EXPECT_EQ(empty["top"]["children"].Size(), 0u);
}

TEST(SceneCommand, MessagesAndNotesAreReported) {
    TempFolder folder;
    const auto result =
        RunStock({"scene", "-", "--program-dir", folder.Path().string()}, "include 0 0 0 bogie\n");
    const auto scene = SceneOf(result);
    ASSERT_EQ(scene["messages"].Size(), 1u);
    EXPECT_EQ(scene["messages"][0]["caption"].String(), "Stock Index");
    EXPECT_EQ(scene["messages"][0]["text"].String(), "Can't open file");
    EXPECT_THAT(result.err, HasSubstr("Stock Index: Can't open file"));

    // Each part includes the next twice: the budget ends it with one note
    // (rendered, since the scene of a hundred thousand parts is a long text).
    std::string doubling;
    for (int i = 0; i < 20; ++i) {
        doubling += "name p" + std::to_string(i) + "\ninclude 0 0 0 p" + std::to_string(i + 1) +
                    "\ninclude 0 0 0 p" + std::to_string(i + 1) + "\n[end]\n";
    }
    doubling += "name p20\n[end]\n";  // the last part is found, so no message is shown
    const auto spent =
        RunStock({"render3d", "-", "--size", "8x8", "--out", folder / "spent.png"}, doubling);
    EXPECT_EQ(spent.exitCode, 0);
    EXPECT_THAT(spent.err, HasSubstr("note: include budget spent"));
    EXPECT_EQ(SceneOf(RunStock({"scene", "-"}, "length 1"))["notes"].Size(), 0u);

    EXPECT_EQ(RunStock({"scene", "-", "--tick", "x"}, "").exitCode, 2);
    EXPECT_EQ(RunStock({"scene", folder.Path().string()}).exitCode, 2);
}

QImage Render(const std::vector<std::string>& options, const std::string& input = {}) {
    TempFolder folder;
    const std::string out = folder / "picture.png";
    std::vector<std::string> arguments{"render3d", kLocomotive, "--program-dir", kSamplesFolder,
                                       "--size",   "160x120",   "--out",         out};
    if (!input.empty()) arguments[1] = "-";
    arguments.insert(arguments.end(), options.begin(), options.end());
    const auto result = RunStock(arguments, input);
    EXPECT_EQ(result.exitCode, 0) << result.err;
    return QImage(QString::fromStdString(out));
}

int PixelsOtherThan(const QImage& image, QRgb background) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            count += (image.pixel(x, y) | 0xFF000000u) != (background | 0xFF000000u);
    }
    return count;
}

constexpr QRgb kBrightBackground = 0xFF7F7FFF;

TEST(Render3dCommand, DrawsTheLocomotiveOnTheBackgroundOfANewPreview) {
    const QImage image = Render({});
    ASSERT_EQ(image.size(), QSize(160, 120));
    EXPECT_EQ(image.pixel(0, 0) | 0xFF000000u, kBrightBackground);
    EXPECT_EQ(image.pixel(159, 119) | 0xFF000000u, kBrightBackground);
    // The locomotive stands in the middle, seen from the side, about a fifth of
    // the width long and its body just above the centre line.
    const int drawn = PixelsOtherThan(image, kBrightBackground);
    EXPECT_GT(drawn, 160 * 120 / 100);
    EXPECT_LT(drawn, 160 * 120 / 10);
    EXPECT_NE(image.pixel(80, 57) | 0xFF000000u, kBrightBackground);
    EXPECT_EQ(image.pixel(80, 30) | 0xFF000000u, kBrightBackground);

    const QImage wireframe = Render({"--wireframe"});
    EXPECT_LT(PixelsOtherThan(wireframe, kBrightBackground), drawn);

    const QImage low = Render({"--light-level", "0"});
    EXPECT_EQ(low.pixel(0, 0) | 0xFF000000u, 0xFF191933u);

    // From cab 1 the picture is another one.
    EXPECT_NE(Render({"--cab", "1"}), image);
    EXPECT_NE(Render({"--angle", "0", "--distance", "1200"}), image);
}

TEST(Render3dCommand, WritesBmpInTheCaptureLayoutAndRejectsBadOptions) {
    TempFolder folder;
    const std::string out = folder / "frame.BMP";
    const auto result = RunStock({"render3d", "-", "--size", "20x10", "--out", out}, "");
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const std::string bytes = ReadFileBytes(out);
    // The image size of the capture files: (20 + 7) div 8 x 10 rows x 32 bits.
    ASSERT_EQ(bytes.size(), 54u + 3u * 10u * 32u);
    EXPECT_EQ(bytes.substr(0, 2), "BM");
    EXPECT_EQ(static_cast<unsigned char>(bytes[18]), 20);
    EXPECT_EQ(static_cast<unsigned char>(bytes[28]), 32);
    // The bottom row first: blue, green, red of the background.
    EXPECT_EQ(static_cast<unsigned char>(bytes[54]), 0xFF);
    EXPECT_EQ(static_cast<unsigned char>(bytes[56]), 0x7F);

    for (const std::vector<std::string>& bad : {
             std::vector<std::string>{"render3d", "-"},
             {"render3d", "-", "--out", folder / "x.gif"},
             {"render3d", "-", "--out", out, "--cab", "3"},
             {"render3d", "-", "--out", out, "--size", "0x5"},
             {"render3d", "-", "--out", out, "--light-level", "4"},
         }) {
        const auto failed = RunStock(bad, "");
        EXPECT_EQ(failed.exitCode, 2) << bad.back();
        EXPECT_FALSE(failed.err.empty());
    }
    EXPECT_EQ(RunStock({"render3d", "-", "--out", folder / "none/x.png"}, "").exitCode, 1);
}

}  // namespace
}  // namespace lumtrak::testing
