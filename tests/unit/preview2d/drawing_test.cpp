#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/include_cache.h"
#include "model/texture_registry.h"
#include "platform/message_sink.h"
#include "platform/program_folder.h"
#include "preview2d/drawing.h"
#include "preview2d/recording_canvas.h"
#include "stockindex/stock_index.h"
#include "support/temp_folder.h"

namespace lumtrak::preview2d {
namespace {

using ::testing::ElementsAre;

using Points = std::vector<CanvasPoint>;

// Draws as the preview window does with a drawing frame of 246 × 162 pixels:
// the centre (121, 87) is drawn at (119, 79) of the bitmap.
class DrawingTest : public ::testing::Test {
  protected:
    DrawingTest() {
        platform::SetProgramFolderOverride(programFolder.Path().string());
        state.drawingRect = DrawingRectForFrame(246, 162);
    }
    ~DrawingTest() override { platform::SetProgramFolderOverride(""); }

    const std::vector<PaintRecord>& Draw(const std::string& text, PreviewOptions options = {},
                                         std::size_t caret = 0,
                                         model::TextSelection selection = {}) {
        canvas.Clear();
        model::LoadEnvironment environment(messages, textures, includes);
        name = DrawDefinitionPreview(state, environment, text, caret, canvas, options, selection);
        EXPECT_EQ(state.pool.Count(), 0u);
        return canvas.Records();
    }

    static std::vector<Colour> Colours(const std::vector<PaintRecord>& records) {
        std::vector<Colour> colours;
        for (const auto& record : records)
            colours.push_back(record.colour);
        return colours;
    }

    testing::TempFolder programFolder;
    platform::FixedTickSource ticks;
    DrawingState state{ticks};
    platform::RecordingMessageSink messages;
    model::TextureRegistry textures;
    model::IncludeCache includes{stockindex::ReadPartIndex};
    RecordingCanvas canvas;
    std::string name;
};

// Wheelbase 100 and length 300 model units: D = 30, H = 45.
const std::string kCoach = "name Coach\nlength 300\nwheelbase 300\n";

TEST_F(DrawingTest, PanelsBecomeClosedPathsShiftedIntoTheBitmap) {
    // A panel across the centre line (y = H), 10 units wide and high.
    const auto& records = Draw(kCoach +
                               "rect 0 135 0 30 135 0 30 135 30 0 135 30 255 0 0\n"
                               "fill 0 135 0 30 135 0 30 135 30 0 135 30 0/0/255\n"
                               "line 0 135 0 30 135 30 0 0 0 0 0 0 0 255 0 0 0 0\n");
    EXPECT_EQ(name, "Coach");
    ASSERT_EQ(records.size(), 3u);
    const Points square{{119, 79}, {126, 76}, {126, 66}, {119, 69}};
    // Same keys: the panel nearest the start of the text is drawn last.
    EXPECT_EQ(records[0], (PaintRecord{PaintOp::Stroke, 0x00FF00, {{119, 79}, {126, 66}}, true}));
    EXPECT_EQ(records[1], (PaintRecord{PaintOp::Fill, 0xFF0000, square, true}));
    EXPECT_EQ(records[2], (PaintRecord{PaintOp::Stroke, 0x0000FF, square, true}));
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_FALSE(canvas.Background().has_value());
}

TEST_F(DrawingTest, FixedDirectionsAndTheirSideTags) {
    const std::string text = kCoach + "rect 0 135 0 30 135 0 30 135 30 0 135 30 9 9 9 [Left]\n";
    auto pointsFrom = [&](ViewDirection direction) {
        const auto& records = Draw(text, {.direction = direction});
        return records.empty() ? Points{} : records[0].points;
    };
    EXPECT_EQ(pointsFrom(ViewDirection::Front),
              (Points{{119, 79}, {126, 76}, {126, 66}, {119, 69}}));
    // Right: P = -29, so x = 10 gives v = 9 and (-6, -3) from the centre.
    EXPECT_EQ(pointsFrom(ViewDirection::Right),
              (Points{{119, 79}, {113, 76}, {113, 66}, {119, 69}}));
    // "[Left]" hides the panel from the back and from the left.
    EXPECT_TRUE(pointsFrom(ViewDirection::Back).empty());
    EXPECT_TRUE(pointsFrom(ViewDirection::Left).empty());

    const std::string untagged = kCoach + "rect 0 135 0 30 135 0 30 135 30 0 135 30 9 9 9\n";
    // Back: Q = -29, so x = 10 gives u = -9 and (-6, 3) from the centre.
    EXPECT_EQ(Draw(untagged, {.direction = ViewDirection::Back})[0].points,
              (Points{{119, 79}, {113, 82}, {113, 72}, {119, 69}}));
}

TEST_F(DrawingTest, WheelbaseAndLengthRules) {
    const std::string corner = "rect 300 135 0 0 0 0 0 0 0 0 0 0 1 1 1\n";
    const PreviewOptions right{.direction = ViewDirection::Right};
    // Wheelbase 100: P = -29 over D = 30.
    EXPECT_EQ(Draw("length 300\nwheelbase 300\n" + corner, right)[0].points[0],
              (CanvasPoint{52, 46}));
    // No wheelbase: the length 300 serves (P = -89 over D = 90), and truncates otherwise.
    EXPECT_EQ(Draw("length 300\n" + corner, right)[0].points[0], (CanvasPoint{51, 45}));
    // A wheelbase of 1: no rotation at all, every point on the centre's vertical.
    const auto& flat =
        Draw("length 300\nwheelbase 3\nrect 300 135 0 0 0 0 30 600 30 0 0 0 1 1 1\n");
    EXPECT_EQ(flat[0].points, (Points{{119, 79}, {119, 79}, {119, 69}, {119, 79}}));
    // Neither length nor wheelbase: s = D = 120 and the model is centred at y = 0.
    EXPECT_EQ(Draw("rect 0 0 0 0 135 0 0 0 0 0 0 0 1 1 1\n")[0].points,
              (Points{{119, 79}, {88, 64}, {119, 79}, {119, 79}}));
}

TEST_F(DrawingTest, AxisLinesStartAtTheOriginHBackFromTheCentre) {
    const auto& records = Draw("name Empty\n", {.showAxis = true});
    ASSERT_EQ(records.size(), 4u);
    // Ordered: along (Z 0, K 1000), +across (K 100), -across (K -100), up (Z 100).
    EXPECT_EQ(records[0],
              (PaintRecord{PaintOp::Stroke, 0x0000FF, {{119, 79}, {-581, -271}}, true}));
    EXPECT_EQ(records[1].points, (Points{{119, 79}, {189, 44}}));
    EXPECT_EQ(records[2].points, (Points{{119, 79}, {49, 114}}));
    EXPECT_EQ(records[3].points, (Points{{119, 79}, {119, -21}}));

    // With a length the origin lies H = 45 back along the length: (31, 15) off.
    EXPECT_EQ(Draw("length 300\n", {.showAxis = true})[3].points[0], (CanvasPoint{150, 94}));
    // A group left open does not take the axis lines in.
    const auto& open = Draw("{\nrect 0 0 0 3 0 0 3 0 3 0 0 3 1 1 1\n", {.showAxis = true});
    EXPECT_THAT(Colours(open), ElementsAre(0x0000FF, 0x0000FF, 0x0000FF, 0x0000FF));
}

TEST_F(DrawingTest, RotationFollowsTheTickCountOnly) {
    const std::string text = kCoach + "rect 30 225 0 0 0 0 0 0 0 0 0 0 1 1 1\n";
    const PreviewOptions turning{.direction = ViewDirection::Left, .rotate = true};
    ticks.Set(1000);
    EXPECT_EQ(Draw(text, turning)[0].points[0], (CanvasPoint{91, 74}));
    ticks.Set(10000);
    EXPECT_EQ(Draw(text, turning)[0].points[0], (CanvasPoint{91, 74}));
    // 4.5 seconds on the view faces the opposite way.
    ticks.Set(5500);
    EXPECT_EQ(Draw(text, turning)[0].points[0], (CanvasPoint{147, 84}));
    // The tick count is read only while turning.
    EXPECT_EQ(Draw(text)[0].points[0], (CanvasPoint{105, 65}));
}

TEST_F(DrawingTest, AnimationAdvancesOneFramePerDrawing) {
    // End 1 swings 100 across and 100 up with period 10.
    const std::string text = "line 0 0 0 0 0 0 300 0 300 0 0 0 255 255 255 10 0 0\n";
    EXPECT_EQ(Draw(text)[0].points, (Points{{119, -21}, {119, 79}}));
    EXPECT_EQ(state.animationFrame, 0);

    state.animationFrame = 1;
    // Frame 2: phase 1.0 moves end 1 to (84, 0, 54).
    EXPECT_EQ(Draw(text, {.animate = true})[0].points, (Points{{177, -4}, {119, 79}}));
    // Frame 3: phase 1.5, (99, 0, 7).
    EXPECT_EQ(Draw(text, {.animate = true})[0].points, (Points{{188, 38}, {119, 79}}));
    EXPECT_EQ(state.animationFrame, 3);
    // Without Animate the lines stay where the last frame left them.
    EXPECT_EQ(Draw(text)[0].points, (Points{{188, 38}, {119, 79}}));
    EXPECT_EQ(state.animationFrame, 3);
}

TEST_F(DrawingTest, TheCaretChoosesTheDefinitionAndHighlightColoursTheSelectedLines) {
    const std::string text =
        "name First\nrect 0 0 0 0 0 0 0 0 0 0 0 0 1 0 0\n[END]\n"
        "name Second\nrect 0 0 0 0 0 0 0 0 0 0 0 0 2 0 0\nrect 0 0 0 0 0 0 0 0 0 0 0 0 3 0 0\n";
    const std::size_t second = text.find("name Second");
    const std::size_t lastRect = text.rfind("rect");
    Draw(text, {}, 5);
    EXPECT_EQ(name, "First");
    EXPECT_THAT(Colours(canvas.Records()), ElementsAre(1));
    Draw(text, {}, second);
    EXPECT_EQ(name, "Second");
    EXPECT_THAT(Colours(canvas.Records()), ElementsAre(3, 2));
    // On the "[END]" itself the next definition is drawn.
    Draw(text, {}, text.find("[END]"));
    EXPECT_EQ(name, "Second");

    const model::TextSelection onLastRect{lastRect + 3, lastRect + 3};
    EXPECT_THAT(Colours(Draw(text, {.highlight = true}, lastRect + 3, onLastRect)),
                ElementsAre(model::kHighlightColour, 2));
    EXPECT_THAT(Colours(Draw(text, {.highlight = false}, lastRect + 3, onLastRect)),
                ElementsAre(3, 2));
}

TEST_F(DrawingTest, GroupsDrawAfterTheirHeadAndHideWithIt) {
    // Head at height 10, its member at 0, another panel at 5 between them.
    const std::string text =
        "{\nrect 0 0 30 0 0 30 0 0 30 0 0 30 1 0 0\nrect 0 0 0 0 0 0 0 0 0 0 0 0 2 0 0 [D3D]\n}\n"
        "rect 0 0 15 0 0 15 0 0 15 0 0 15 3 0 0\n";
    EXPECT_THAT(Colours(Draw(text)), ElementsAre(3, 1, 2));
    const std::string hiddenHead =
        "{\nrect 0 0 0 0 0 0 0 0 0 0 0 0 1 0 0 [D3D]\nrect 0 0 0 0 0 0 0 0 0 0 0 0 2 0 0\n}\n";
    EXPECT_TRUE(Draw(hiddenHead).empty());
}

TEST_F(DrawingTest, AtMost510PanelsAreDrawnAndTheAxisLinesAreAmongThem) {
    std::string text;
    for (int i = 0; i < 511; ++i) {
        text += "rect 0 0 " + std::to_string(3 * i) + " 0 0 0 0 0 0 0 0 0 " +
                std::to_string(i % 256) + " " + std::to_string(1 + i / 256) + " 0\n";
    }
    const auto& records = Draw(text);
    ASSERT_EQ(records.size(), 510u);
    // The list holds the last rect first; the first one of the text is left out.
    EXPECT_EQ(records.front().colour, model::MakeColour(1, 1, 0));
    EXPECT_EQ(records.back().colour, model::MakeColour(510 % 256, 2, 0));

    const auto& withAxis = Draw(text, {.showAxis = true});
    ASSERT_EQ(withAxis.size(), 510u);
    int axisLines = 0;
    for (const auto& record : withAxis)
        axisLines += record.colour == 0x0000FF ? 1 : 0;
    EXPECT_EQ(axisLines, 4);
}

TEST(RecordingCanvas, ReplayPaintsTheSameRecords) {
    RecordingCanvas first;
    first.BeginPath();
    first.MoveTo({1, 2});
    first.LineTo({3, 4});
    first.CloseFigure();
    first.EndPath();
    first.StrokePath(7);
    first.BeginPath();
    first.MoveTo({5, 6});
    first.LineTo({7, 8});
    first.EndPath();  // painted by nothing: no record
    first.BeginPath();
    first.MoveTo({0, 0});
    first.LineTo({9, 0});
    first.LineTo({9, 9});
    first.EndPath();
    first.StrokeAndFillPath(8);
    ASSERT_EQ(first.Records().size(), 2u);
    EXPECT_EQ(first.Records()[1], (PaintRecord{PaintOp::Fill, 8, {{0, 0}, {9, 0}, {9, 9}}, true}));
    RecordingCanvas second;
    ReplayRecords(first.Records(), second);
    EXPECT_EQ(second.Records(), first.Records());
}

}  // namespace
}  // namespace lumtrak::preview2d
