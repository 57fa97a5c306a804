#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QString>

#include "cli/cli_test_support.h"
#include "support/json_value.h"
#include "support/temp_folder.h"

namespace lumtrak::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

JsonValue DrawingOf(const ProcessResult& result) {
    EXPECT_EQ(result.exitCode, 0) << result.err;
    return JsonValue::Parse(result.out);
}

std::vector<std::vector<std::int64_t>> PointsOf(const JsonValue& record) {
    std::vector<std::vector<std::int64_t>> points;
    for (const auto& point : record["points"].Items())
        points.push_back(point.Ints());
    return points;
}

using Points = std::vector<std::vector<std::int64_t>>;

// Wheelbase 100 and length 300 model units; a red fill across the centre line,
// 100 units wide and 40 high, with a green outline panel above it.
const std::string kCoach =
    "name Coach\nlength 300\nwheelbase 300\n"
    "fill -150 135 -60 150 135 -60 150 135 60 -150 135 60 255/0/0\n"
    "rect 0 135 90 30 135 90 30 135 120 0 135 120 0 255 0\n";

TEST(Draw2dCommand, PrintsWhatIsPaintedInDrawingOrder) {
    const auto drawing = DrawingOf(RunStock({"draw2d", "-"}, kCoach));
    EXPECT_EQ(drawing["name"].String(), "Coach");
    EXPECT_EQ(drawing["messages"].Size(), 0u);
    ASSERT_EQ(drawing["records"].Size(), 2u);
    const auto& fill = drawing["records"][0];
    EXPECT_EQ(fill["op"].String(), "fill");
    EXPECT_EQ(fill["colour"].Int(), 0x0000FF);
    EXPECT_EQ(PointsOf(fill), (Points{{84, 116}, {154, 82}, {154, 42}, {84, 76}}));
    const auto& rect = drawing["records"][1];
    EXPECT_EQ(rect["op"].String(), "stroke");
    EXPECT_EQ(rect["colour"].Int(), 0x00FF00);
    EXPECT_EQ(PointsOf(rect), (Points{{119, 49}, {126, 46}, {126, 36}, {119, 39}}));

    // A smaller frame moves the centre: (48, 31) in the frame, (46, 23) drawn.
    const auto small = DrawingOf(RunStock({"draw2d", "-", "--frame-size", "100x50"}, kCoach));
    EXPECT_EQ(PointsOf(small["records"][1])[0], (std::vector<std::int64_t>{46, -7}));
}

TEST(Draw2dCommand, DirectionTickFrameAxisAndHighlightOptions) {
    auto recordsFor = [](const std::vector<std::string>& options, const std::string& text) {
        std::vector<std::string> arguments{"draw2d", "-"};
        arguments.insert(arguments.end(), options.begin(), options.end());
        return DrawingOf(RunStock(arguments, text))["records"];
    };
    // Turning for 4.5 of the 9 seconds looks from the back.
    const auto back = recordsFor({"--direction", "back"}, kCoach);
    EXPECT_EQ(PointsOf(back[0]), (Points{{152, 83}, {86, 115}, {86, 75}, {152, 43}}));
    EXPECT_EQ(PointsOf(recordsFor({"--rotate", "--tick", "4500"}, kCoach)[0]), PointsOf(back[0]));
    EXPECT_EQ(PointsOf(recordsFor({"--rotate", "--tick=13500"}, kCoach)[0]), PointsOf(back[0]));

    const std::string swinging = "line 0 0 0 0 0 0 300 0 300 0 0 0 255 255 255 10 0 0\n";
    EXPECT_EQ(PointsOf(recordsFor({}, swinging)[0]), (Points{{119, -21}, {119, 79}}));
    EXPECT_EQ(PointsOf(recordsFor({"--animate", "--anim-frame", "2"}, swinging)[0]),
              (Points{{177, -4}, {119, 79}}));
    EXPECT_EQ(PointsOf(recordsFor({"--anim-frame", "2"}, swinging)[0]),
              (Points{{177, -4}, {119, 79}}));

    const auto axis = recordsFor({"--axis"}, "");
    ASSERT_EQ(axis.Size(), 4u);
    EXPECT_EQ(PointsOf(axis[0]), (Points{{119, 79}, {-581, -271}}));
    EXPECT_EQ(axis[3]["colour"].Int(), 0x0000FF);

    const std::string rectAt = std::to_string(kCoach.find("rect"));
    const auto lit = recordsFor({"--sel", rectAt + ":" + rectAt, "--highlight"}, kCoach);
    EXPECT_EQ(lit[0]["colour"].Int(), 0x0000FF);
    EXPECT_EQ(lit[1]["colour"].Int(), 0xFF00FF);
}

TEST(Draw2dCommand, LoaderMessagesGoToStandardErrorAndIntoTheJson) {
    const auto result = RunStock({"draw2d", "-"}, "name Short\nfill 0 0 0 0 0 0 0 0 0 0 0 3");
    const auto drawing = DrawingOf(result);
    ASSERT_EQ(drawing["messages"].Size(), 1u);
    EXPECT_EQ(drawing["messages"][0]["text"].String(), "ReadP overrun: Short");
    EXPECT_EQ(result.err, "Lumtrak Stock Editor: ReadP overrun: Short\n");
    EXPECT_EQ(drawing["records"].Size(), 1u);
}

TEST(Draw2dCommand, ASpentIncludeBudgetIsANoteAndTheDrawingGoesOn) {
    // Each of 24 parts includes the next one twice: 2^23 copies of the last.
    std::string text = "name Top\ninclude 0 0 0 P0\n[end]\n";
    for (int i = 0; i < 23; ++i) {
        const std::string next = "include 0 0 0 P" + std::to_string(i + 1) + "\n";
        text += "name P" + std::to_string(i) + "\n" + next + next + "[end]\n";
    }
    text += "name P23\nrect 3 0 0 0 0 0 0 0 0 0 0 0 1 1 1\n";
    const auto result = RunStock({"draw2d", "-"}, text);
    const auto drawing = DrawingOf(result);
    ASSERT_EQ(drawing["notes"].Size(), 1u);
    const std::string note = drawing["notes"][0].String();
    EXPECT_THAT(note, HasSubstr("include budget spent"));
    EXPECT_EQ(result.err, "note: " + note + "\n");
    EXPECT_EQ(drawing["name"].String(), "Top");
    EXPECT_EQ(drawing["records"].Size(), 510u);
    EXPECT_EQ(DrawingOf(RunStock({"draw2d", "-"}, kCoach))["notes"].Size(), 0u);
}

TEST(Draw2dCommand, BadOptionsAreUsageErrors) {
    for (const auto& bad : std::vector<std::vector<std::string>>{{"--direction", "up"},
                                                                 {"--tick", "-1"},
                                                                 {"--tick", "4294967296"},
                                                                 {"--anim-frame", "x"},
                                                                 {"--frame-size", "5x100"},
                                                                 {"--frame-size", "100x11"}}) {
        std::vector<std::string> arguments{"draw2d", "-"};
        arguments.insert(arguments.end(), bad.begin(), bad.end());
        const auto result = RunStock(arguments, kCoach);
        EXPECT_EQ(result.exitCode, 2) << bad[0] << " " << bad[1];
        EXPECT_THAT(result.err, HasSubstr(bad[0]));
    }
}

TEST(Draw2dCommand, PaintsThePngWithoutADisplay) {
    TempFolder folder;
    const std::map<std::string, std::string> headless{
        {"DISPLAY", ""}, {"WAYLAND_DISPLAY", ""}, {"QT_QPA_PLATFORM", ""}};
    const std::string black = folder / "black.png";
    const auto result = RunStock({"draw2d", "-", "--png", black}, kCoach, headless);
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(JsonValue::Parse(result.out)["records"].Size(), 2u);

    QImage image(QString::fromStdString(black));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.width(), 246 - 5);
    EXPECT_EQ(image.height(), 162 - 11);
    EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(230, 140), QColor(Qt::black));
    // Inside the fill, on its outline, and on the outline panel's edge.
    EXPECT_EQ(image.pixelColor(119, 79), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(84, 96), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(126, 40), QColor(0, 255, 0));
    EXPECT_EQ(image.pixelColor(122, 42), QColor(Qt::black));  // inside the outline only

    const std::string white = folder / "white.png";
    ASSERT_EQ(RunStock({"draw2d", "-", "--png", white, "--white", "--frame-size", "640x480"},
                       kCoach, headless)
                  .exitCode,
              0);
    QImage large(QString::fromStdString(white));
    EXPECT_EQ(large.size(), QSize(635, 469));
    EXPECT_EQ(large.pixelColor(0, 0), QColor(Qt::white));
    EXPECT_EQ(large.pixelColor(316, 237), QColor(255, 0, 0));

    const auto unwritable =
        RunStock({"draw2d", "-", "--png", folder / "missing/out.png"}, kCoach, headless);
    EXPECT_EQ(unwritable.exitCode, 1);
    EXPECT_THAT(unwritable.err, HasSubstr("missing/out.png"));
}

}  // namespace
}  // namespace lumtrak::testing
