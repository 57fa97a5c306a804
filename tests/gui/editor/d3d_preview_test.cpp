// The 3D preview window in the editor: opened from the view, driven by its
// toolbar, scroll bars, keys and dialogs, and what it renders and captures.
#include <sys/stat.h>
#include <QAccessible>
#include <QAction>
#include <QLineEdit>
#include <QScreen>
#include <QScrollBar>
#include <QSlider>
#include <QToolBar>
#include <QToolButton>
#include <QTranslator>
#include <QtTest>
#include <cmath>
#include <filesystem>

#include "editor/camera_control_dialog.h"
#include "editor/custom_material_dialog.h"
#include "editor/d3d_preview.h"
#include "editor/editor_fixture.h"
#include "platform/window_placement.h"
#include "support/modal_windows.h"
#include "support/run_process.h"
#include "support/temp_folder.h"

namespace lumtrak::editor {
namespace {

using preview3d::ScenePoint;
using preview3d::ScrollBar;
using testing::TempFolder;

// A body with a custom-material panel and a wheel, so that the scene has
// moving parts.
constexpr std::string_view kLocomotive =
    "length 600\r\n"
    "fill -40 0 0 40 0 0 40 600 0 -40 600 0 255:0:0\r\n"
    "fill -40 0 0 -40 600 0 -40 600 90 -40 0 90 0:160:0\r\n"
    "fill 40 0 0 40 600 0 40 600 90 40 0 90 0:0:200 *custom\r\n"
    "fill -40 0 90 40 0 90 40 0 0 -40 0 0 200:200:0\r\n"
    "wheel 0 100 0 -1 0 axle\r\n"
    "[end]\r\n"
    "name axle\r\n"
    "fill -50 -20 -20 -50 20 -20 -50 20 20 -50 -20 20 90:90:90\r\n"
    "[end]\r\n";

constexpr std::string_view kStill =
    "length 300\r\nfill -40 0 0 40 0 0 40 300 0 -40 300 0 1:2:3\r\n";

bool Near(const ScenePoint& p, double x, double y, double z, double tolerance = 0.05) {
    return std::abs(p.x - x) < tolerance && std::abs(p.y - y) < tolerance &&
           std::abs(p.z - z) < tolerance;
}

QString Text(const ScenePoint& p) {
    return QStringLiteral("(%1, %2, %3)").arg(p.x).arg(p.y).arg(p.z);
}

ScenePoint Unit(const ScenePoint& p) {
    const double length = std::sqrt(p.x * p.x + p.y * p.y + p.z * p.z);
    return {p.x / length, p.y / length, p.z / length};
}

std::uint32_t U32(const std::string& bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i)
        value |= std::uint32_t(std::uint8_t(bytes[at + i])) << (8 * i);
    return value;
}

std::uint16_t U16(const std::string& bytes, std::size_t at) {
    return std::uint16_t(std::uint8_t(bytes[at]) | std::uint8_t(bytes[at + 1]) << 8);
}

platform::WindowRect RectOf(const QRect& rect) {
    return {rect.x(), rect.y(), rect.width(), rect.height()};
}

void SendMouse(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButton button,
               Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : button;
    QMouseEvent event(type, at, widget->mapToGlobal(at),
                      type == QEvent::MouseMove ? Qt::NoButton : button, held, modifiers);
    QCoreApplication::sendEvent(widget, &event);
}

// A drag with one button from one point to another, in one move.
void Drag(QWidget* widget, QPoint from, QPoint to, Qt::MouseButton button,
          Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    SendMouse(widget, QEvent::MouseButtonPress, from, button, modifiers);
    SendMouse(widget, QEvent::MouseMove, to, button, modifiers);
    SendMouse(widget, QEvent::MouseButtonRelease, to, button, modifiers);
}

}  // namespace

class D3DPreviewTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<EditorUnderTest> editor;
    std::unique_ptr<TempFolder> folder;

    // An editor with the definition open in a saved document.
    bool StartEditor(std::string_view definition = kLocomotive) {
        folder = std::make_unique<TempFolder>();
        const std::string path = folder->Write("loco.stk", definition);
        editor = std::make_unique<EditorUnderTest>();
        return editor->Start({QString::fromStdString(path)}) ==
               CLumtrakStockEditorApp::StartUp::Running;
    }

    // That editor's 3D preview up, at the size given (none: its own), with its
    // engine set up.
    D3DPreview* OpenPreview(QSize size = {640, 480}) {
        CLumtrakStockEditorView& view = editor->View();
        view.OnCommand(Command::D3DPreview);
        D3DPreview* preview = view.m_pD3DPreview;
        if (!preview) return nullptr;
        if (size.isValid()) preview->resize(size);
        preview->SetCaptureFolder(folder->Path().string());
        if (!QTest::qWaitFor([&] { return preview->Session().Engine() != nullptr; }, 5000))
            return nullptr;
        QCoreApplication::processEvents();
        return preview;
    }

    D3DPreview* Open(std::string_view definition = kLocomotive) {
        return StartEditor(definition) ? OpenPreview() : nullptr;
    }

    static preview3d::PreviewEngine& Engine(D3DPreview* preview) {
        return *preview->Session().Engine();
    }

    static bool Checked(D3DPreview* preview, int id) { return preview->Action(id)->isChecked(); }

    static preview3d::CameraSliders DialogSliders(CameraControlDialog* dialog) {
        const auto value = [&](CameraControlDialog::ControlId id) {
            return dialog->Slider(id)->value();
        };
        return {value(CameraControlDialog::kPositionX), value(CameraControlDialog::kPositionZ),
                value(CameraControlDialog::kPositionV), value(CameraControlDialog::kDirectionA),
                value(CameraControlDialog::kDirectionE)};
    }

    // The light shines along (sin t, -0.5, cos t).
    static void ExpectLightAlong(D3DPreview* preview, double t) {
        preview3d::PreviewEngine& engine = Engine(preview);
        const rm::Vector along = engine.LightFrame().GetOrientation(&engine.Scene()).direction;
        const rm::Vector expected = rm::Normalized({float(std::sin(t)), -0.5f, float(std::cos(t))});
        QVERIFY(std::abs(along.x - expected.x) < 1e-4f && std::abs(along.y - expected.y) < 1e-4f &&
                std::abs(along.z - expected.z) < 1e-4f);
    }

  private slots:
    void cleanup() {
        editor.reset();
        folder.reset();
    }

    void theToolbarHoldsEveryButtonInOrder() {
        D3DPreview* preview = Open();
        QVERIFY(preview);
        QStringList buttons;
        for (QAction* action : preview->ToolBar()->actions())
            buttons << (action->isSeparator() ? QStringLiteral("|") : action->objectName());
        QCOMPARE(buttons.join(' '),
                 QStringLiteral("32800 32801 | 32803 32808 | 32809 32810 32811 | 32812 32813 "
                                "32814 | 32816 32817 32818 | 32820"));
        QCOMPARE(preview->Action(D3DPreview::kDimLighting)->text(), QStringLiteral("Dim lighting"));
        QCOMPARE(preview->windowTitle(), QStringLiteral("D3D Preview"));
        // A new preview shows Bright Lighting checked, white ambient light and
        // no directional light.
        QVERIFY(Checked(preview, D3DPreview::kBrightLighting));
        QVERIFY(!Checked(preview, D3DPreview::kSpotlight));
        QCOMPARE(Engine(preview).AmbientLight().GetColor(), (rm::Rgb{1, 1, 1}));
        QCOMPARE(Engine(preview).DirectionalLight().GetColor(), (rm::Rgb{0, 0, 0}));
        // The rendering area fills the window inside the bars and shows a
        // picture of its own size.
        const QImage picture = preview->Picture();
        QCOMPARE(picture.size(), preview->RenderingWindow()->size());
        QVERIFY(preview->RenderingWindow()->width() > 500);
    }

    void aNewWindowTakesTwoThirdsOfTheScreenBesideTheMainWindowWithTheWholeToolbar() {
        QVERIFY(StartEditor());
        D3DPreview* preview = OpenPreview(QSize());
        QVERIFY(preview);
        // The test's screen is 1600 x 1000 pixels.
        const QRect area = preview->screen()->availableGeometry();
        QCOMPARE(area.size(), QSize(1600, 1000));
        QCOMPARE(preview->size(), QSize(1066, 666));
        const platform::WindowRect place =
            platform::PlaceBeside(RectOf(editor->Frame().frameGeometry()), 1066, 666, RectOf(area));
        QCOMPARE(preview->pos(), QPoint(place.x, place.y));
        // No button folds into the toolbar's overflow, and the picture is big.
        auto* overflow =
            preview->ToolBar()->findChild<QToolButton*>(QStringLiteral("qt_toolbar_ext_button"));
        QVERIFY(!overflow || !overflow->isVisible());
        for (QAction* action : preview->ToolBar()->actions())
            QVERIFY(action->isSeparator() ||
                    preview->ToolBar()->widgetForAction(action)->isVisible());
        QVERIFY(preview->RenderingWindow()->width() > 1000);
        QVERIFY(preview->RenderingWindow()->height() > 550);
        QTRY_COMPARE(preview->Picture().size(), preview->RenderingWindow()->size());
    }

    void aClosedWindowReopensWhereItWasFittedIntoTheScreen() {
        QVERIFY(StartEditor());
        // Remembered partly off the screen's top right: moved in whole.
        editor->settings.Write("Preview3D", "Geometry", "1500 -40 900 700");
        D3DPreview* preview = OpenPreview(QSize());
        QVERIFY(preview);
        QCOMPARE(preview->pos(), QPoint(700, 0));
        QCOMPARE(preview->size(), QSize(900, 700));
        // Moved, resized and closed: remembered.
        preview->move(100, 120);
        preview->resize(820, 610);
        QVERIFY(preview->close());
        QCOMPARE(editor->settings.values.at({"Preview3D", "Geometry"}),
                 std::string("100 120 820 610"));
        preview = OpenPreview(QSize());
        QVERIFY(preview);
        QCOMPARE(preview->pos(), QPoint(100, 120));
        QCOMPARE(preview->size(), QSize(820, 610));
        // A window that goes with its view is remembered too.
        preview->move(30, 40);
        delete CChildFrame::Of(editor->View());
        QCOMPARE(editor->settings.values.at({"Preview3D", "Geometry"}),
                 std::string("30 40 820 610"));
    }

    void everyToolbarButtonHasANameAndATooltipAndWireframeShowsItsState() {
        D3DPreview* preview = Open();
        QVERIFY(preview);
        for (QAction* action : preview->ToolBar()->actions()) {
            if (action->isSeparator()) continue;
            QWidget* button = preview->ToolBar()->widgetForAction(action);
            QVERIFY2(!action->toolTip().isEmpty(), qPrintable(action->objectName()));
            QCOMPARE(button->accessibleName(), action->text());
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(button);
            QVERIFY(accessible);
            QCOMPARE(accessible->text(QAccessible::Name), action->text());
        }
        QCOMPARE(preview->Action(D3DPreview::kCustomMaterial)->text(),
                 QStringLiteral("Custom Material"));
        QCOMPARE(preview->Action(D3DPreview::kCameraControl)->text(),
                 QStringLiteral("Camera Control"));
        QCOMPARE(preview->Action(D3DPreview::kResetView)->toolTip(),
                 QStringLiteral("Reset View (Home)"));
        QAction* wireframe = preview->Action(D3DPreview::kWireframe);
        QCOMPARE(wireframe->text(), QStringLiteral("Wireframe"));
        QVERIFY(wireframe->isCheckable());
        QVERIFY(!wireframe->isChecked());
        wireframe->trigger();
        QVERIFY(wireframe->isChecked());
        QCOMPARE(Engine(preview).Device()->GetQuality(), 0x40u);
        wireframe->trigger();
        QVERIFY(!wireframe->isChecked());
    }

    void theToolbarSpeaksGermanUnderAGermanTranslation() {
        QTranslator german;
        QVERIFY(german.load(QStringLiteral(":/translations/lumtrak_stock_editor_de.qm")));
        QCoreApplication::installTranslator(&german);
        D3DPreview* preview = Open();
        QCoreApplication::removeTranslator(&german);
        QVERIFY(preview);
        QCOMPARE(preview->Action(D3DPreview::kWireframe)->text(), QStringLiteral("Drahtgitter"));
        QCOMPARE(preview->ToolBar()
                     ->widgetForAction(preview->Action(D3DPreview::kCameraControl))
                     ->accessibleName(),
                 QStringLiteral("Kamerasteuerung"));
        QCOMPARE(preview->Action(D3DPreview::kResetView)->toolTip(),
                 QStringLiteral("Ansicht zurücksetzen (Pos1)"));
    }

    void aLeftDragOrbitsTheCameraThroughTheAngleAndHeightBars() {
        D3DPreview* preview = Open();
        QVERIFY(preview);
        preview->Action(D3DPreview::kStopAnimation)->trigger();
        preview->Action(D3DPreview::kCameraControl)->trigger();
        CameraControlDialog* dialog = preview->CameraDialog();
        QWidget* area = preview->RenderingWindow();
        QCOMPARE(area->cursor().shape(), Qt::OpenHandCursor);

        // 100 pixels to the right: twenty steps of 0.1 radian, from 16 to 36.
        SendMouse(area, QEvent::MouseButtonPress, {100, 100}, Qt::LeftButton);
        QCOMPARE(area->cursor().shape(), Qt::ClosedHandCursor);
        SendMouse(area, QEvent::MouseMove, {200, 100}, Qt::LeftButton);
        QCOMPARE(preview->Bar(ScrollBar::Angle)->value(), 36);
        QCOMPARE(preview->Session().ScrollPosition(ScrollBar::Angle), 36);
        const ScenePoint orbited = Engine(preview).GetCameraPosition();
        QVERIFY2(Near(orbited, 250 * std::sin(3.6), 8, 250 * std::cos(3.6), 1e-4),
                 qPrintable(Text(orbited)));
        // The camera dialog follows, as after a scroll bar.
        QCOMPARE(DialogSliders(dialog), preview->CameraSliders());
        QCOMPARE(dialog->Slider(CameraControlDialog::kPositionX)->value(), 0);

        // 50 pixels down: ten pages of the height bar, the camera 10 higher.
        SendMouse(area, QEvent::MouseMove, {200, 150}, Qt::LeftButton);
        QCOMPARE(preview->Bar(ScrollBar::Height)->value(), -130);
        QVERIFY(std::abs(Engine(preview).GetCameraPosition().y - 18) < 1e-6);
        QCOMPARE(dialog->Slider(CameraControlDialog::kPositionV)->value(), 32);
        SendMouse(area, QEvent::MouseButtonRelease, {200, 150}, Qt::LeftButton);
        QCOMPARE(area->cursor().shape(), Qt::OpenHandCursor);
        // Without a button the mouse moves nothing.
        SendMouse(area, QEvent::MouseMove, {400, 400}, Qt::NoButton);
        QCOMPARE(preview->Bar(ScrollBar::Angle)->value(), 36);

        // Far beyond the bar's end: the bar stops at it, and so does the camera.
        Drag(area, {0, 100}, {1000, 100}, Qt::LeftButton);
        QCOMPARE(preview->Bar(ScrollBar::Angle)->value(), 40);
        QVERIFY(Near(Engine(preview).GetCameraPosition(), 250 * std::sin(4.0), 18,
                     250 * std::cos(4.0), 1e-4));
    }

    void theWheelZoomsAndARightOrShiftDragMovesTheLight() {
        D3DPreview* preview = Open();
        QVERIFY(preview);
        QWidget* area = preview->RenderingWindow();
        const auto wheel = [&](int eighths) {
            QWheelEvent event(QPointF(50, 50), area->mapToGlobal(QPointF(50, 50)), QPoint(),
                              QPoint(0, eighths), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                              false);
            QCoreApplication::sendEvent(area, &event);
        };
        // One notch away: a tenth of the range closer.
        wheel(120);
        QCOMPARE(preview->Bar(ScrollBar::Distance)->value(), 2000);
        const ScenePoint closer = Engine(preview).GetCameraPosition();
        QVERIFY2(Near(closer, 200 * std::sin(1.6), 8, 200 * std::cos(1.6), 1e-4),
                 qPrintable(Text(closer)));
        wheel(-360);
        QCOMPARE(preview->Bar(ScrollBar::Distance)->value(), 3500);

        // Right button, or Shift with the left: the light bar, and only it.
        Drag(area, {100, 100}, {150, 180}, Qt::RightButton);
        QCOMPARE(preview->Bar(ScrollBar::Light)->value(), 10);
        QCOMPARE(preview->Bar(ScrollBar::Angle)->value(), 16);
        QCOMPARE(preview->Bar(ScrollBar::Height)->value(), -30);
        ExpectLightAlong(preview, -1.0);
        Drag(area, {100, 100}, {75, 100}, Qt::LeftButton, Qt::ShiftModifier);
        QCOMPARE(preview->Bar(ScrollBar::Light)->value(), 5);
        ExpectLightAlong(preview, -0.5);
    }

    void resetViewPutsTheBarsBackAndLeavesTheCab() {
        D3DPreview* preview = Open();
        QVERIFY(preview);
        const ScenePoint start = Engine(preview).GetCameraPosition();
        preview->Action(D3DPreview::kCameraControl)->trigger();
        const int startZ =
            preview->CameraDialog()->Slider(CameraControlDialog::kPositionZ)->value();
        const auto moveEverything = [&] {
            QWidget* area = preview->RenderingWindow();
            Drag(area, {100, 100}, {160, 40}, Qt::LeftButton);
            Drag(area, {100, 100}, {130, 100}, Qt::RightButton);
            preview->Bar(ScrollBar::Distance)->triggerAction(QAbstractSlider::SliderPageStepAdd);
            preview->Action(D3DPreview::kCab2)->trigger();
        };
        const auto expectStart = [&] {
            QCOMPARE(preview->Bar(ScrollBar::Angle)->value(), 16);
            QCOMPARE(preview->Bar(ScrollBar::Height)->value(), -30);
            QCOMPARE(preview->Bar(ScrollBar::Distance)->value(), 2500);
            QCOMPARE(preview->Bar(ScrollBar::Light)->value(), 0);
            QVERIFY(!preview->Session().Cab2View());
            QVERIFY(!Checked(preview, D3DPreview::kCab2));
            QVERIFY(Near(Engine(preview).GetCameraPosition(), start.x, start.y, start.z, 1e-9));
            QCOMPARE(preview->CameraDialog()->Slider(CameraControlDialog::kPositionZ)->value(),
                     startZ);
        };
        moveEverything();
        QVERIFY(preview->Session().Cab2View());
        preview->Action(D3DPreview::kResetView)->trigger();
        expectStart();
        // Home in the window does the same.
        moveEverything();
        QTest::keyClick(preview->RenderingWindow(), Qt::Key_Home);
        expectStart();
        // Home on a scroll bar that has the keys is still the bar's own Home.
        preview->Bar(ScrollBar::Height)->setFocus();
        QTest::keyClick(preview->Bar(ScrollBar::Height), Qt::Key_Home);
        QCOMPARE(preview->Bar(ScrollBar::Height)->value(), -31);
    }

    void mouseEventsBeforeARepaintGiveOneRender() {
        D3DPreview* preview = Open();
        QVERIFY(preview);
        preview->Action(D3DPreview::kStopAnimation)->trigger();
        QWidget* area = preview->RenderingWindow();
        QTRY_VERIFY(preview->Renders() > 0);
        QTest::qWait(20);
        const std::uint64_t before = preview->Renders();
        SendMouse(area, QEvent::MouseButtonPress, {10, 10}, Qt::LeftButton);
        for (int x = 15; x <= 60; x += 5) {
            QCoreApplication::postEvent(
                area, new QMouseEvent(QEvent::MouseMove, QPointF(x, 10),
                                      area->mapToGlobal(QPointF(x, 10)), Qt::NoButton,
                                      Qt::LeftButton, Qt::NoModifier));
        }
        QTRY_VERIFY(preview->Renders() > before);
        QTest::qWait(50);
        QCOMPARE(preview->Renders(), before + 1);
        // The one picture shows where the last event left the camera.
        QCOMPARE(preview->Bar(ScrollBar::Angle)->value(), 16 + 10);
        SendMouse(area, QEvent::MouseButtonRelease, {60, 10}, Qt::LeftButton);
    }

    void aWindowTooSmallToCaptureWritesNoFilesAndSaysSo() {
        D3DPreview* preview = Open();
        QVERIFY(preview);
        preview->resize(300, 120);
        QVERIFY(preview->frameGeometry().height() < 145);
        QTest::keyClicks(preview->RenderingWindow(), "if");
        for (const int frame : {0, 30})
            QVERIFY(!std::filesystem::exists(
                preview3d::CaptureFramePath(folder->Path().string(), frame)));
        QCOMPARE(editor->Frame().MessageText(),
                 QStringLiteral("No animation frames written: the window must be wider than 48 "
                                "and higher than 144 pixels"));
        // Large enough again: the capture writes its files.
        preview->resize(300, 200);
        QTest::keyClicks(preview->RenderingWindow(), "f");
        QVERIFY(std::filesystem::exists(preview3d::CaptureFramePath(folder->Path().string(), 30)));
    }

    void theScrollBarsMoveTheCameraAndTheLight() {
        D3DPreview* preview = Open();
        QVERIFY(preview);
        struct Range {
            ScrollBar bar;
            int minimum, maximum, value;
        };
        for (const Range r :
             {Range{ScrollBar::Angle, -40, 40, 16}, Range{ScrollBar::Height, -1000, 300, -30},
              Range{ScrollBar::Distance, 0, 5000, 2500}, Range{ScrollBar::Light, -40, 40, 0}}) {
            const QScrollBar* bar = preview->Bar(r.bar);
            QCOMPARE(bar->minimum(), r.minimum);
            QCOMPARE(bar->maximum(), r.maximum);
            QCOMPARE(bar->value(), r.value);
        }
        const ScenePoint start = Engine(preview).GetCameraPosition();
        QVERIFY2(Near(start, 249.9, 8, -7.3), qPrintable(Text(start)));

        // End on the height bar: 31, not the range's end.
        preview->Bar(ScrollBar::Height)->triggerAction(QAbstractSlider::SliderToMaximum);
        QCOMPARE(preview->Bar(ScrollBar::Height)->value(), 31);
        QVERIFY(std::abs(Engine(preview).GetCameraPosition().y - 1.9) < 1e-6);
        // Home on the distance bar asks for -31 and gets the range's low end.
        preview->Bar(ScrollBar::Distance)->triggerAction(QAbstractSlider::SliderToMinimum);
        QCOMPARE(preview->Bar(ScrollBar::Distance)->value(), 0);
        QVERIFY(Near(Engine(preview).GetCameraPosition(), 0, 1.9, 0, 1e-6));
        // An arrow of the light bar moves it from its own position.
        preview->Bar(ScrollBar::Light)->triggerAction(QAbstractSlider::SliderSingleStepSub);
        QCOMPARE(preview->Session().ScrollPosition(ScrollBar::Light), -1);
        QCOMPARE(preview->Session().ScrollPosition(ScrollBar::Angle), 16);
        // Dragging the thumb places the camera from the thumb's position.
        preview->Bar(ScrollBar::Angle)->setSliderDown(true);
        preview->Bar(ScrollBar::Angle)->setSliderPosition(-20);
        preview->Bar(ScrollBar::Angle)->setSliderDown(false);
        QCOMPARE(preview->Session().ScrollPosition(ScrollBar::Angle), -20);
        preview->Bar(ScrollBar::Distance)->triggerAction(QAbstractSlider::SliderPageStepAdd);
        const ScenePoint moved = Engine(preview).GetCameraPosition();
        QVERIFY2(Near(moved, std::sin(-2.0), 1.9, std::cos(-2.0), 1e-6), qPrintable(Text(moved)));
    }

    void lightCommandsSetTheLightsAndTheirChecks() {
        D3DPreview* preview = Open();
        QVERIFY(preview);
        preview->Action(D3DPreview::kLowLight)->trigger();
        QVERIFY(Checked(preview, D3DPreview::kLowLight));
        QVERIFY(!Checked(preview, D3DPreview::kBrightLighting));
        QCOMPARE(Engine(preview).AmbientLight().GetColor(), (rm::Rgb{0.2f, 0.2f, 0.2f}));
        QCOMPARE(Engine(preview).DirectionalLight().GetColor(), (rm::Rgb{0, 0, 0}));
        const rm::Colour lowBackground = Engine(preview).Scene().GetSceneBackground();
        // The spotlight changes the lights and keeps the background.
        preview->Action(D3DPreview::kSpotlight)->trigger();
        QVERIFY(Checked(preview, D3DPreview::kSpotlight));
        QCOMPARE(Engine(preview).AmbientLight().GetColor(), (rm::Rgb{0.5f, 0.5f, 0.5f}));
        QCOMPARE(Engine(preview).DirectionalLight().GetColor(), (rm::Rgb{1, 1, 1}));
        QCOMPARE(Engine(preview).Scene().GetSceneBackground(), lowBackground);
        preview->Action(D3DPreview::kDimLighting)->trigger();
        QVERIFY(Checked(preview, D3DPreview::kDimLighting));
        QVERIFY(!Checked(preview, D3DPreview::kLowLight));
        QCOMPARE(Engine(preview).DirectionalLight().GetColor(), (rm::Rgb{0.5f, 0.5f, 0.5f}));
        QVERIFY(Checked(preview, D3DPreview::kSpotlight));
        preview->Action(D3DPreview::kSpotlight)->trigger();
        QVERIFY(!Checked(preview, D3DPreview::kSpotlight));
        QCOMPARE(Engine(preview).AmbientLight().GetColor(), (rm::Rgb{1, 1, 1}));
    }

    void cabButtonsSwitchTheCamera() {
        D3DPreview* preview = Open();
        QVERIFY(preview);
        preview->Bar(ScrollBar::Height)->triggerAction(QAbstractSlider::SliderPageStepAdd);
        preview->Action(D3DPreview::kCab1)->trigger();
        QVERIFY(Checked(preview, D3DPreview::kCab1));
        QCOMPARE(preview->Bar(ScrollBar::Angle)->value(), 0);
        // Length 600 and no cab statement.
        const ScenePoint cab1 = Engine(preview).GetCameraPosition();
        QVERIFY2(Near(cab1, 2.5, 58, -27, 1e-6), qPrintable(Text(cab1)));
        QVERIFY(Near(Unit(Engine(preview).GetCameraDirection()), 0, 0, -1, 1e-6));

        preview->Action(D3DPreview::kCab2)->trigger();
        QVERIFY(Checked(preview, D3DPreview::kCab2));
        QVERIFY(!Checked(preview, D3DPreview::kCab1));
        QVERIFY(Near(Unit(Engine(preview).GetCameraDirection()), 0, 0, 1, 1e-6));

        // Off again: the orbit camera, the bars as they stand.
        preview->Action(D3DPreview::kCab2)->trigger();
        QVERIFY(!Checked(preview, D3DPreview::kCab2));
        QCOMPARE(preview->Bar(ScrollBar::Height)->value(), -20);
        const ScenePoint orbit = Engine(preview).GetCameraPosition();
        QVERIFY2(Near(orbit, 0, 7, 250, 1e-6), qPrintable(Text(orbit)));
    }

    void wireframeOutlivesAResize() {
        D3DPreview* preview = Open();
        QVERIFY(preview);
        preview->Action(D3DPreview::kWireframe)->trigger();
        QCOMPARE(Engine(preview).Device()->GetQuality(), 0x40u);
        const rm::Device* before = Engine(preview).Device();
        preview->resize(500, 400);
        QTRY_COMPARE(preview->Picture().size(), preview->RenderingWindow()->size());
        QVERIFY(Engine(preview).Device() != before);
        QCOMPARE(Engine(preview).Device()->GetQuality(), 0x40u);
        preview->Action(D3DPreview::kWireframe)->trigger();
        QCOMPARE(Engine(preview).Device()->GetQuality(), 0x89u);
    }

    void typingRebuildsTheSceneWhenThePreviewIsActivated() {
        D3DPreview* preview = Open();
        QVERIFY(preview);
        CLumtrakStockEditorView& view = editor->View();
        QVERIFY(!view.m_bTextChanged);
        const auto length = [&] { return preview->Session().TopPart()->length; };
        const auto rewriteLength = [&](std::string_view to) {
            const std::size_t at = view.Text().find("length ") + 7;
            view.SetSelection({at, at + 3});
            view.ReplaceSelection(to);
        };
        QCOMPARE(length(), 600);
        // An editing tool's change of the text rebuilds nothing on activation.
        rewriteLength("300");
        QEvent activate(QEvent::WindowActivate);
        QCoreApplication::sendEvent(preview, &activate);
        QCOMPARE(length(), 600);
        // Typing does; the rebuild clears the flag.
        QTest::keyClick(&view, Qt::Key_End);
        QVERIFY(view.m_bTextChanged);
        QCoreApplication::sendEvent(preview, &activate);
        QCOMPARE(length(), 300);
        QVERIFY(!view.m_bTextChanged);
        // F5's Refresh Preview rebuilds whatever the flag.
        rewriteLength("900");
        view.OnCommand(Command::RefreshPreview);
        QCOMPARE(length(), 900);
    }

    void theCaretChoosesTheDefinition() {
        D3DPreview* preview = Open();
        QVERIFY(preview);
        CLumtrakStockEditorView& view = editor->View();
        const std::size_t second = view.Text().find("name axle");
        view.SetSelection({second, second});
        view.OnCommand(Command::RefreshPreview);
        // The axle alone: no length and no moving part below it.
        QCOMPARE(preview->Session().TopPart()->length, 0);
        QVERIFY(preview->Session().TopPart()->children.empty());
    }

    void whileBusyTheHandlersDoNothing() {
        D3DPreview* preview = Open();
        QVERIFY(preview);
        CLumtrakStockEditorView& view = editor->View();
        view.SetSelection({0, 0});
        view.ReplaceSelection("include 0 0 0 nothing by this name\r\n");
        int messages = 0;
        bool busyThroughout = true;
        preview->SetMessageHandler([&](const QString&, const QString&) {
            ++messages;
            busyThroughout = busyThroughout && preview->Busy();
            const preview3d::ScenePart* loading = preview->Session().TopPart();
            preview->Bar(ScrollBar::Angle)->triggerAction(QAbstractSlider::SliderPageStepAdd);
            preview->Bar(ScrollBar::Light)->setValue(30);
            preview->Refresh();
            preview->close();
            view.m_bTextChanged = true;
            QEvent activate(QEvent::WindowActivate);
            QCoreApplication::sendEvent(preview, &activate);
            busyThroughout = busyThroughout && preview->Session().TopPart() == loading;
        });
        view.OnCommand(Command::RefreshPreview);
        QVERIFY(messages > 0);
        QVERIFY(busyThroughout);
        QVERIFY(!preview->Busy());
        QVERIFY(preview->isVisible());
        QCOMPARE(view.m_pD3DPreview, preview);
        QCOMPARE(preview->Session().ScrollPosition(ScrollBar::Angle), 16);
        QCOMPARE(preview->Bar(ScrollBar::Angle)->value(), 16);
        QCOMPARE(preview->Bar(ScrollBar::Light)->value(), 0);
    }

    void capturesAreMadeAnewNeverThroughALinkOrIntoAFifoAndTheStatusBarSaysWhere() {
        D3DPreview* preview = Open();
        QVERIFY(preview);
        const std::string capturePath = folder->Path().string();
        const std::string elsewhere = folder->Write("elsewhere", "keep");
        std::filesystem::create_symlink(elsewhere, preview3d::CaptureFramePath(capturePath, 0));
        QCOMPARE(::mkfifo(preview3d::CaptureFramePath(capturePath, 1).c_str(), 0600), 0);
        QTest::keyClicks(preview->RenderingWindow(), "if");
        QCOMPARE(testing::ReadFileBytes(elsewhere), std::string("keep"));
        for (const int frame : {0, 1, 30}) {
            const std::string path = preview3d::CaptureFramePath(capturePath, frame);
            QVERIFY(std::filesystem::is_regular_file(std::filesystem::symlink_status(path)));
            QCOMPARE(testing::ReadFileBytes(path).substr(0, 2), std::string("BM"));
        }
        QCOMPARE(editor->Frame().MessageText(),
                 QStringLiteral("Animation frames Temp00.bmp to Temp30.bmp written to ") +
                     QString::fromStdString(capturePath));

        // A frame that cannot be written is named there.
        preview->SetCaptureFolder(capturePath + "/missing");
        QTest::keyClicks(preview->RenderingWindow(), "f");
        QVERIFY(editor->Frame().MessageText().startsWith(
            QStringLiteral("Animation frame ") +
            QString::fromStdString(preview3d::CaptureFramePath(capturePath + "/missing", 0)) +
            QStringLiteral(" could not be written: ")));
    }

    void everyKeyBeepsAndGifCaptures() {
        D3DPreview* preview = Open();
        QVERIFY(preview);
        const auto count = [&] {
            int files = 0;
            for (const auto& entry : std::filesystem::directory_iterator(folder->Path())) {
                files += entry.path().extension() == ".bmp" ? 1 : 0;
            }
            return files;
        };
        const auto removeCaptures = [&] {
            for (int i = 0; i <= 30; ++i)
                std::filesystem::remove(preview3d::CaptureFramePath(folder->Path().string(), i));
        };
        QTest::keyClicks(preview->RenderingWindow(), "gf");
        QCOMPARE(count(), 0);
        QTest::keyClicks(preview->RenderingWindow(), "gif");
        QCOMPARE(count(), 31);
        // The capture leaves the scene at tick 60 but the tick where it was.
        QCOMPARE(preview->Session().Tick() >= 0, true);

        // The files: the window's capture area, 32 bits a pixel, bottom row
        // first, and the pixels the rendering area shows.
        const QRect frame = preview->frameGeometry();
        const int width = frame.width() - 48;
        const int height = frame.height() - 144;
        const std::string last =
            testing::ReadFileBytes(preview3d::CaptureFramePath(folder->Path().string(), 30));
        const std::uint32_t imageSize = std::uint32_t((width + 7) / 8 * height * 32);
        QCOMPARE(last.substr(0, 2), std::string("BM"));
        QCOMPARE(U32(last, 2), 54 + imageSize);
        QCOMPARE(U32(last, 10), 54u);
        QCOMPARE(U32(last, 14), 40u);
        QCOMPARE(int(U32(last, 18)), width);
        QCOMPARE(int(U32(last, 22)), height);
        QCOMPARE(U16(last, 26), std::uint16_t(1));
        QCOMPARE(U16(last, 28), std::uint16_t(32));
        QCOMPARE(U32(last, 34), imageSize);
        QCOMPARE(last.size(), std::size_t(54 + imageSize));
        const QImage picture = preview->Picture().copy();
        const QPoint area = preview->RenderingWindow()->mapTo(preview, QPoint(0, 0)) +
                            (preview->geometry().topLeft() - frame.topLeft());
        const QPoint offset = QPoint(24, 72) - area;
        int mismatches = 0;
        for (int y = 0; y < height; y += 7) {
            for (int x = 0; x < width; x += 5) {
                const std::size_t at =
                    54 + std::size_t(height - 1 - y) * std::size_t(width) * 4 + std::size_t(x) * 4;
                const QRgb filed = qRgb(std::uint8_t(last[at + 2]), std::uint8_t(last[at + 1]),
                                        std::uint8_t(last[at]));
                mismatches +=
                    filed != (picture.pixel(x + offset.x(), y + offset.y()) | 0xFF000000u);
            }
        }
        QCOMPARE(mismatches, 0);

        // i, f, f: two captures; each further f repeats.
        removeCaptures();
        QTest::keyClicks(preview->RenderingWindow(), "if");
        QCOMPARE(count(), 31);
        removeCaptures();
        QTest::keyClicks(preview->RenderingWindow(), "f");
        QCOMPARE(count(), 31);
        removeCaptures();
        QTest::keyClicks(preview->RenderingWindow(), "xf");
        QCOMPARE(count(), 0);
    }

    void theAnimationRunsStopsAndSteps() {
        D3DPreview* preview = Open();
        QVERIFY(preview);
        QVERIFY(preview->TimerRunning());
        QTRY_VERIFY(preview->Session().Tick() > 2);
        preview->Action(D3DPreview::kStopAnimation)->trigger();
        QVERIFY(!preview->TimerRunning());
        const std::int32_t stopped = preview->Session().Tick();
        preview->Action(D3DPreview::kRefresh)->trigger();
        QVERIFY(!preview->TimerRunning());
        preview->Action(D3DPreview::kStepAnimation)->trigger();
        QCOMPARE(preview->Session().Tick(), stopped + 1);
        preview->Action(D3DPreview::kRunAnimation)->trigger();
        QVERIFY(preview->TimerRunning());

        // A still scene starts no timer.
        D3DPreview* still = Open(kStill);
        QVERIFY(still);
        QVERIFY(!still->TimerRunning());
    }

    void theCameraControlPlacesTheCamera() {
        D3DPreview* preview = Open();
        QVERIFY(preview);
        preview->Action(D3DPreview::kCameraControl)->trigger();
        CameraControlDialog* dialog = preview->CameraDialog();
        QVERIFY(dialog);
        QVERIFY(dialog->isVisible());
        QVERIFY(!dialog->isModal());
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Camera control"));
        // Opened, it shows the orbit camera: x far off to +x, z at -7.3.
        QCOMPARE(dialog->Slider(CameraControlDialog::kPositionX)->value(), 100);
        QCOMPARE(dialog->Slider(CameraControlDialog::kPositionZ)->value(), 46);
        QCOMPARE(dialog->Slider(CameraControlDialog::kPositionV)->value(), 42);

        for (const auto id : {CameraControlDialog::kPositionX, CameraControlDialog::kPositionZ,
                              CameraControlDialog::kPositionV, CameraControlDialog::kDirectionA,
                              CameraControlDialog::kDirectionE}) {
            dialog->Slider(id)->setValue(50);
        }
        QVERIFY(Near(Engine(preview).GetCameraPosition(), 0, 0, 0, 1e-6));
        QVERIFY(Near(Unit(Engine(preview).GetCameraDirection()), 0, 0, 1, 1e-6));

        // A scroll bar moves the camera and the sliders follow it.
        preview->Bar(ScrollBar::Distance)->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(dialog->Slider(CameraControlDialog::kPositionX)->value(), 100);
        QCOMPARE(dialog->Slider(CameraControlDialog::kPositionV)->value(), 42);

        preview->Action(D3DPreview::kCameraControl)->trigger();
        QVERIFY(!preview->CameraDialog());
    }

    void theCustomMaterialDialogValidatesAndApplies() {
        D3DPreview* preview = Open();
        QVERIFY(preview);
        preview->Action(D3DPreview::kCustomMaterial)->trigger();
        CustomMaterialDialog* dialog = preview->MaterialDialog();
        QVERIFY(dialog);
        QVERIFY(!dialog->isModal());
        for (const int id : CustomMaterialDialog::kFieldIds)
            QCOMPARE(dialog->Field(id)->text(), QStringLiteral("0"));
        const rm::Material& custom = *Engine(preview).Materials().numbered[31];

        dialog->Field(CustomMaterialDialog::kEmissiveRed)->setText("255");
        dialog->Field(CustomMaterialDialog::kPower)->setText("12");
        dialog->OnUpdate();
        QCOMPARE(custom.GetEmissive(), (rm::Rgb{255, 0, 0}));
        QCOMPARE(custom.GetPower(), 12.0f);
        // The glowing panel shows red where the custom panel is.
        QVERIFY(preview->isVisible());

        // A bad field is reported; the fields before it are applied anyway.
        QStringList reports;
        dialog->SetReport([&](const QString& text) { reports << text; });
        dialog->Field(CustomMaterialDialog::kEmissiveRed)->setText("7");
        dialog->Field(CustomMaterialDialog::kEmissiveGreen)->setText("256");
        dialog->Field(CustomMaterialDialog::kEmissiveBlue)->setText("9");
        dialog->OnUpdate();
        QCOMPARE(reports, QStringList{QStringLiteral("Enter an integer between 0 and 255.")});
        QCOMPARE(custom.GetEmissive(), (rm::Rgb{7, 0, 0}));
        dialog->Field(CustomMaterialDialog::kEmissiveGreen)->setText("x");
        dialog->OnUpdate();
        QCOMPARE(reports.last(), QStringLiteral("Enter an integer."));

        // Each use opens another dialog; the first stays open.
        preview->Action(D3DPreview::kCustomMaterial)->trigger();
        QVERIFY(preview->MaterialDialog() != dialog);
        QVERIFY(dialog->isVisible());
    }

    void theViewOpensDetachesAndReopens() {
        D3DPreview* first = Open();
        QVERIFY(first);
        CLumtrakStockEditorView& view = editor->View();
        QCOMPARE(view.CommandUpdate(Command::D3DPreview)->checked, std::optional<bool>(true));
        QVERIFY(view.CommandUpdate(Command::RefreshPreview)->enabled);
        view.OnCommand(Command::D3DPreview);
        QVERIFY(!view.m_pD3DPreview);
        QVERIFY(first->isVisible());
        QCOMPARE(view.CommandUpdate(Command::D3DPreview)->checked, std::optional<bool>(false));
        view.OnCommand(Command::D3DPreview);
        QPointer<D3DPreview> second = view.m_pD3DPreview;
        QVERIFY(second && second != first);
        // Closing the first detaches whatever the view holds.
        QPointer<D3DPreview> closing = first;
        QVERIFY(first->close());
        QTRY_VERIFY(!closing);
        QVERIFY(!view.m_pD3DPreview);
        QVERIFY(second);
        QVERIFY(second->close());
        QTRY_VERIFY(!second);
    }

    void aWindowOutlivingItsViewKeepsWorkingWithoutIt() {
        D3DPreview* first = Open();
        QVERIFY(first);
        CLumtrakStockEditorView* view = &editor->View();
        view->OnCommand(Command::D3DPreview);  // lets the first go
        view->OnCommand(Command::D3DPreview);
        QPointer<D3DPreview> linked = view->m_pD3DPreview;
        QPointer<D3DPreview> unlinked = first;
        QTRY_VERIFY(linked->Session().Engine());
        delete CChildFrame::Of(*view);
        // The view takes its linked window with it; the other stays and no
        // longer reads from the view.
        QVERIFY(!linked);
        QVERIFY(unlinked);
        QVERIFY(!unlinked->View());
        const preview3d::ScenePart* shown = unlinked->Session().TopPart();
        unlinked->Refresh();
        QEvent activate(QEvent::WindowActivate);
        QCoreApplication::sendEvent(unlinked, &activate);
        QCOMPARE(unlinked->Session().TopPart(), shown);
        QVERIFY(unlinked->close());
        QTRY_VERIFY(!unlinked);
    }

    void theWindowShowsWhatRender3dRenders() {
        D3DPreview* preview = Open();
        QVERIFY(preview);
        preview->Action(D3DPreview::kStopAnimation)->trigger();
        const QSize size = preview->RenderingWindow()->size();
        const std::string out = *folder / "render3d.png";
        const std::string file = *folder / "loco.stk";
        const auto run = testing::RunProcess(
            LUMTRAK_STOCK_EXE, {"render3d", file, "--size",
                                std::to_string(size.width()) + "x" + std::to_string(size.height()),
                                "--out", out, "--tick", std::to_string(preview->Session().Tick())});
        QVERIFY2(run.exitCode == 0, run.err.c_str());
        preview->Invalidate();
        QTRY_COMPARE(preview->Picture().size(), size);
        preview->RenderingWindow()->repaint();
        const QImage expected =
            QImage(QString::fromStdString(out)).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(expected.size(), size);
        QVERIFY(preview->Picture() == expected);
    }
};

}  // namespace lumtrak::editor

LUMTRAK_GUI_TEST_MAIN(lumtrak::editor::D3DPreviewTest)
#include "d3d_preview_test.moc"
