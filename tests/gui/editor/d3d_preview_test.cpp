// The 3D preview window in the editor: opened from the view, driven by its
// toolbar, scroll bars, keys and dialogs, and what it renders and captures.
#include <sys/stat.h>
#include <QAction>
#include <QLineEdit>
#include <QScrollBar>
#include <QSlider>
#include <QToolBar>
#include <QtTest>
#include <cmath>
#include <filesystem>

#include "editor/camera_control_dialog.h"
#include "editor/custom_material_dialog.h"
#include "editor/d3d_preview.h"
#include "editor/editor_fixture.h"
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

}  // namespace

class D3DPreviewTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<EditorUnderTest> editor;
    std::unique_ptr<TempFolder> folder;

    // An editor with the definition open in a saved document and its 3D
    // preview up, 640 by 480 pixels, with its engine set up.
    D3DPreview* Open(std::string_view definition = kLocomotive) {
        folder = std::make_unique<TempFolder>();
        const std::string path = folder->Write("loco.stk", definition);
        editor = std::make_unique<EditorUnderTest>();
        if (editor->Start({QString::fromStdString(path)}) !=
            CLumtrakStockEditorApp::StartUp::Running) {
            return nullptr;
        }
        CLumtrakStockEditorView& view = editor->View();
        view.OnCommand(Command::D3DPreview);
        D3DPreview* preview = view.m_pD3DPreview;
        if (!preview) return nullptr;
        preview->resize(640, 480);
        preview->SetCaptureFolder(folder->Path().string());
        if (!QTest::qWaitFor([&] { return preview->Session().Engine() != nullptr; }, 5000))
            return nullptr;
        QCoreApplication::processEvents();
        return preview;
    }

    static preview3d::PreviewEngine& Engine(D3DPreview* preview) {
        return *preview->Session().Engine();
    }

    static bool Checked(D3DPreview* preview, int id) { return preview->Action(id)->isChecked(); }

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
                                "32814 | 32816 32817 32818"));
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
