#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "preview2d/projection.h"

namespace lumtrak::preview2d {
namespace {

using model::Panel;
using model::PanelKind;
using model::PanelVertex;

struct ScreenPoint {
    std::int32_t x;
    std::int32_t y;
    bool operator==(const ScreenPoint&) const = default;
};

std::vector<ScreenPoint> ScreenPoints(const std::array<PanelVertex, 4>& vertices) {
    std::vector<ScreenPoint> points;
    for (const auto& v : vertices)
        points.push_back({v.screenX, v.screenY});
    return points;
}

std::unique_ptr<Panel> MakePanel(PanelKind kind, std::array<std::array<std::int16_t, 3>, 4> corners,
                                 model::SideMask sides = model::SideMask::AllVisible()) {
    auto panel = std::make_unique<Panel>();
    panel->kind = kind;
    for (std::size_t i = 0; i < 4; ++i) {
        panel->vertices[i].x = corners[i][0];
        panel->vertices[i].y = corners[i][1];
        panel->vertices[i].z = corners[i][2];
    }
    panel->sides = sides;
    return panel;
}

void Prepend(model::StockModel& model, std::unique_ptr<Panel> panel) {
    panel->next = std::move(model.mainList);
    model.mainList = std::move(panel);
}

TEST(Projection, FixedAnglesAndTheNineSecondTurn) {
    EXPECT_EQ(ViewAngle(ViewDirection::Front, false, 12345), 0.0);
    EXPECT_EQ(ViewAngle(ViewDirection::Back, false, 0), 3.141);
    EXPECT_EQ(ViewAngle(ViewDirection::Right, false, 0), 1.5705);
    EXPECT_EQ(ViewAngle(ViewDirection::Left, false, 0), 4.7115);
    EXPECT_EQ(ViewAngle(static_cast<ViewDirection>(7), false, 0), 0.0);
    EXPECT_EQ(ViewAngle(ViewDirection::Left, true, 0), 0.0);
    EXPECT_DOUBLE_EQ(ViewAngle(ViewDirection::Front, true, 4500), 3.141);
    EXPECT_DOUBLE_EQ(ViewAngle(ViewDirection::Front, true, 9000 + 4500), 3.141);
    // 4294967295 mod 9000 is 5295.
    EXPECT_DOUBLE_EQ(ViewAngle(ViewDirection::Front, true, 4294967295u), 5295 * 6.282 / 9000.0);
}

TEST(Projection, RotationAndScaleTruncateTowardZero) {
    // Wheelbase 100: s = D = 30. The fixed angles are not quite exact, so the
    // dominant term truncates to 29.
    EXPECT_EQ(RotationFor(0.0, 100), (Rotation{0, 30}));
    EXPECT_EQ(RotationFor(3.141, 100), (Rotation{0, -29}));
    EXPECT_EQ(RotationFor(1.5705, 100), (Rotation{-29, 0}));
    EXPECT_EQ(RotationFor(4.7115, 100), (Rotation{29, 0}));
    EXPECT_EQ(RotationFor(0.698, 100), (Rotation{-19, 22}));
    // No wheelbase: s = 120. A wheelbase of 1 to 3: s = 0, but D = 120.
    EXPECT_EQ(RotationFor(3.141, 0), (Rotation{0, -119}));
    EXPECT_EQ(RotationFor(1.5705, 3), (Rotation{0, 0}));
    EXPECT_EQ(ScaleFor(3, 300), (ProjectionScale{120, 45}));
    EXPECT_EQ(ScaleFor(0, 0), (ProjectionScale{120, 0}));
    EXPECT_EQ(ScaleFor(100, 301), (ProjectionScale{30, 45}));
    EXPECT_EQ(ScaleFor(-4, -301), (ProjectionScale{-1, -45}));
    // 3 × 2147483647 wraps to 2147483645.
    EXPECT_EQ(ScaleFor(2147483647, 2147483647), (ProjectionScale{214748364, 107374182}));
}

TEST(Projection, IsoProjectHalvesTheScaleAndTruncatesTowardZero) {
    EXPECT_EQ(IsoProject(0, 0), (IsoOffset{0, 0}));
    EXPECT_EQ(IsoProject(10, 0), (IsoOffset{7, -3}));   // across: right and up
    EXPECT_EQ(IsoProject(0, 10), (IsoOffset{-7, -3}));  // along: left and up
    EXPECT_EQ(IsoProject(3, 0), (IsoOffset{2, -1}));
    EXPECT_EQ(IsoProject(-3, 0), (IsoOffset{-2, 1}));
    EXPECT_EQ(IsoProject(1, -1), (IsoOffset{1, 0}));
    EXPECT_EQ(IsoProject(10, 30), (IsoOffset{-14, -14}));
    // 7 × 400000000 wraps to -1494967296.
    EXPECT_EQ(IsoProject(400000000, 0), (IsoOffset{-149496729, 74748364}));
}

class ProjectModelTest : public ::testing::Test {
  protected:
    model::StockModel model;
    DepthPool pool;

    std::vector<const DepthRecord*> Ordered() const {
        std::vector<const DepthRecord*> records;
        pool.VisitInOrder([&](const DepthRecord& record) { records.push_back(&record); });
        return records;
    }
};

TEST_F(ProjectModelTest, ProjectsEveryCornerAroundTheCentreWithDepthKeys) {
    model.wheelbase = 100;  // D = 30
    model.length = 300;     // H = 45
    Prepend(model,
            MakePanel(PanelKind::Fill, {{{0, 45, 0}, {10, 45, 0}, {10, 75, 10}, {-3, 0, 5}}}));
    ProjectModel(model, pool, 121, 87, 0, 30, 0);
    ASSERT_EQ(pool.Count(), 1u);
    const DepthRecord& record = pool.Record(0);
    // (10, 75, 10): u = 10, v = 30, so (-14, -14) from the centre and 10 up.
    // (-3, 0, 5): u = -3, v = -45: a = -21, b = 315, X' = 29, Y' = 16.
    EXPECT_THAT(ScreenPoints(record.vertices),
                ::testing::ElementsAre(ScreenPoint{121, 87}, ScreenPoint{128, 84},
                                       ScreenPoint{107, 63}, ScreenPoint{150, 98}));
    EXPECT_EQ(record.depthZ, 15);
    // K = 0 + 10 + (10 + 30 - 10) + (-3 - 45 - 5)
    EXPECT_EQ(record.depthK, -13);
    // The model's own panel keeps its unprojected corners.
    EXPECT_EQ(model.mainList->vertices[2].screenX, 0);
}

TEST_F(ProjectModelTest, ScreenPointsAndKeysWrapTo16Bits) {
    Prepend(model, MakePanel(PanelKind::Rect,
                             {{{32767, 0, 30000}, {32767, 0, 30000}, {0, 0, 0}, {0, 0, 0}}}));
    ProjectModel(model, pool, 20000, 0, 0, 120, 0);
    const DepthRecord& record = pool.Record(0);
    // X = 22936 + 20000 = 42936, Y = -11468 - 30000 = -41468.
    EXPECT_EQ(record.vertices[0].screenX, 42936 - 65536);
    EXPECT_EQ(record.vertices[0].screenY, -41468 + 65536);
    EXPECT_EQ(record.depthZ, std::int16_t(60000 - 65536));
    EXPECT_EQ(record.depthK, std::int16_t(2 * (32767 - 30000)));
}

TEST_F(ProjectModelTest, EachViewTestsTheSideItFacesAndDiagonalsHideNothing) {
    auto visibleFrom = [this](std::int32_t p, std::int32_t q, model::SideMask sides) {
        model.mainList.reset();
        Prepend(model, MakePanel(PanelKind::Rect, {}, sides));
        ProjectModel(model, pool, 0, 0, p, q, 0);
        const bool drawn = pool.Count() == 1;
        pool.Clear();
        return drawn;
    };
    for (int entry = 0; entry < 4; ++entry) {
        model::SideMask only{};
        only.entries[std::size_t(entry)] = 1;
        EXPECT_EQ(visibleFrom(0, 30, only), entry == 2) << "front, entry " << entry;
        EXPECT_EQ(visibleFrom(0, -29, only), entry == 0) << "back, entry " << entry;
        EXPECT_EQ(visibleFrom(-29, 0, only), entry == 1) << "right, entry " << entry;
        EXPECT_EQ(visibleFrom(29, 0, only), entry == 3) << "left, entry " << entry;
        // Turning: the dominant quadrant decides.
        EXPECT_EQ(visibleFrom(-19, 22, only), entry == 2) << "turning, entry " << entry;
    }
    const model::SideMask hidden{};
    EXPECT_TRUE(visibleFrom(10, 10, hidden));
    EXPECT_TRUE(visibleFrom(-10, 10, hidden));
    EXPECT_TRUE(visibleFrom(10, -10, hidden));
    EXPECT_TRUE(visibleFrom(0, 0, hidden));
    EXPECT_FALSE(visibleFrom(10, 11, hidden));
}

TEST_F(ProjectModelTest, GroupChainsAreProjectedInPlaceWithoutSideTestOrPoolEntry) {
    auto head = MakePanel(PanelKind::Fill, {{{10, 0, 0}, {10, 0, 0}, {10, 0, 0}, {10, 0, 0}}});
    head->subPanels = MakePanel(PanelKind::Fill, {{{0, 0, 5}, {}, {}, {}}}, model::SideMask{});
    head->subPanels->next = MakePanel(PanelKind::Line, {{{0, 10, 0}, {}, {}, {}}});
    Prepend(model, std::move(head));
    ProjectModel(model, pool, 100, 50, 0, 120, 0);
    ASSERT_EQ(pool.Count(), 1u);
    EXPECT_EQ(pool.Record(0).subPanels, model.mainList->subPanels.get());
    const Panel& first = *model.mainList->subPanels;
    EXPECT_EQ(first.vertices[0].screenX, 100);
    EXPECT_EQ(first.vertices[0].screenY, 45);
    EXPECT_EQ(first.vertices[1].screenY, 50);
    EXPECT_EQ(first.next->vertices[0].screenX, 93);
    EXPECT_EQ(first.next->vertices[0].screenY, 47);
}

TEST_F(ProjectModelTest, AnimatedLinesSwingTheirEndsInTheCopyOnly) {
    auto line = MakePanel(PanelKind::Line, {{{0, 0, 0}, {0, 0, 0}, {100, 50, 100}, {0, 0, 20}}});
    line->period = 10;
    line->phase2 = 1;
    Prepend(model, std::move(line));
    // Frame 2, period 10: phase 1.0. End 1 moves by (trunc(84.1), trunc(42.07),
    // trunc(54.03)); end 2, at phase 2.0, by (0, 0, trunc(-8.32)).
    ProjectModel(model, pool, 0, 0, 0, 120, 2);
    const DepthRecord& record = pool.Record(0);
    EXPECT_EQ(record.vertices[0].x, 84);
    EXPECT_EQ(record.vertices[0].y, 42);
    EXPECT_EQ(record.vertices[0].z, 54);
    EXPECT_EQ(record.vertices[1].z, -8);
    EXPECT_EQ(model.mainList->vertices[0].x, 0);
    pool.Clear();

    // A period of 0 does not animate, nor does any other kind.
    model.mainList->period = 0;
    ProjectModel(model, pool, 0, 0, 0, 120, 2);
    EXPECT_EQ(pool.Record(0).vertices[0].z, 0);
    pool.Clear();
    model.mainList->period = 10;
    model.mainList->kind = PanelKind::Rect;
    ProjectModel(model, pool, 0, 0, 0, 120, 2);
    EXPECT_EQ(pool.Record(0).vertices[0].z, 0);
}

TEST_F(ProjectModelTest, PanelsBeyondThe510thAreLeftOut) {
    // 511 visible panels, the first in list order hidden from the front: the
    // 510 that follow it fill the pool, and the last is left out.
    for (int i = 0; i < 512; ++i)
        Prepend(model, MakePanel(PanelKind::Rect, {{{0, 0, std::int16_t(i)}, {}, {}, {}}}));
    model.mainList->sides = model::SideMask{};
    ProjectModel(model, pool, 40, 60, 0, 120, 0);
    ASSERT_EQ(pool.Count(), 510u);
    const auto records = Ordered();
    EXPECT_EQ(records.front()->depthZ, 1);
    EXPECT_EQ(records.back()->depthZ, 510);
}

}  // namespace
}  // namespace lumtrak::preview2d
