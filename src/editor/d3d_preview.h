#pragma once

#include <QImage>
#include <QMainWindow>
#include <QPointer>
#include <QTimer>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "preview3d/camera_sliders.h"
#include "preview3d/mouse_camera.h"
#include "preview3d/preview_session.h"

class QAction;
class QMouseEvent;
class QScrollBar;
class QToolBar;
class QWheelEvent;

namespace lumtrak::preview3d {
class FontTextRaster;
}

namespace lumtrak::editor {

class CLumtrakStockEditorView;
class CameraControlDialog;
class CustomMaterialDialog;
class PreviewFileWatch;

// The 3D preview window of a text view: the definition under the view's caret
// as a lit, textured scene. A toolbar switches cameras, lights, quality and
// the animation; four scroll bars turn and move the camera and the light. The
// window only forwards its events to its preview session, which owns the
// engine and the scene, and shows the picture that the engine renders, on the
// user-interface thread at every repaint. The picture comes from the kit's own
// retained-mode engine (rm/) and its software renderer; the class keeps the
// window's established name, which recalls no API used here.
class D3DPreview : public QMainWindow {
    Q_OBJECT

  public:
    // The toolbar's commands, numbered as the window's resources number them.
    enum CommandId {
        kCab1 = 32800,
        kCab2 = 32801,
        kSpotlight = 32803,
        kRefresh = 32808,
        kStopAnimation = 32809,
        kStepAnimation = 32810,
        kRunAnimation = 32811,
        kLowLight = 32812,
        kDimLighting = 32813,
        kBrightLighting = 32814,
        kCustomMaterial = 32816,
        kCameraControl = 32817,
        kWireframe = 32818,
        // The window's own command beside those of its resources.
        kResetView = 32820,
    };
    // Child window ids, which are also the children's object names. The light
    // bar shares the angle bar's id, so it is named "light".
    static constexpr int kToolbarId = 143;
    static constexpr int kRenderingWindowId = 1234;
    static constexpr int kTimerId = 101;
    static constexpr int kTimerPeriodMs = 25;

    // A window linked to view, which it reads its text from. The view keeps the
    // link; the window tells the view when it closes.
    explicit D3DPreview(CLumtrakStockEditorView* view = nullptr, QWidget* parent = nullptr);
    ~D3DPreview() override;

    // Rebuilds the scene from the view's text (the toolbar's Refresh, the
    // view's Refresh Preview, activation after typing) and clears the view's
    // text-changed flag.
    void Refresh();
    // Builds the scene of the definition under the caret and starts the
    // animation timer for a scene with moving parts while the animation runs.
    void LoadScene();
    // Places the toolbar, the scroll bars and the rendering area in the window
    // and makes the engine's device for the rendering area.
    void Layout();
    void PlaceCamera();
    // "Reset View" (the toolbar, Home): the bars back where a new window has
    // them and the orbit camera instead of a cab.
    void ResetView();
    // The camera control: the camera as the sliders place it, and the sliders
    // that show the camera as it is.
    void SetCamera(const preview3d::CameraSliders& sliders);
    preview3d::CameraSliders CameraSliders() const;

    // Runs one of the toolbar's commands.
    void OnCommand(int id);
    QAction* Action(int id) const;

    // Repaints the rendering area, which renders the scene anew.
    void Invalidate();
    // Renders and shows the animation's frames at the ticks 0, 2, ..., 60 and
    // writes what the window shows of each into Temp00.bmp ... Temp30.bmp.
    void CaptureAnimationFrames();
    void SetCaptureFolder(std::string folder) { captureFolder_ = std::move(folder); }
    const std::string& CaptureFolder() const { return captureFolder_; }

    // Shows the messages of a scene load; by default as message boxes.
    using MessageHandler = std::function<void(const QString& caption, const QString& text)>;
    void SetMessageHandler(MessageHandler handler);

    CLumtrakStockEditorView* View() const;
    preview3d::PreviewSession& Session() { return session_; }
    const preview3d::PreviewSession& Session() const { return session_; }
    bool Busy() const { return session_.Busy(); }
    bool TimerRunning() const { return timer_.isActive(); }
    QScrollBar* Bar(preview3d::ScrollBar bar) const;
    QWidget* RenderingWindow() const;
    QToolBar* ToolBar() const { return toolBar_; }
    CameraControlDialog* CameraDialog() const;
    CustomMaterialDialog* MaterialDialog() const;
    // The engine's last picture at the size of its device; null before the
    // first render.
    QImage Picture() const;
    // How many pictures the engine has rendered for the window.
    std::uint64_t Renders() const { return renders_; }
    // The files that the last scene read besides the text; the scene is built
    // anew when one of them changes on disk.
    const PreviewFileWatch& FileWatch() const { return *fileWatch_; }

  protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    class Client;
    class RenderingArea;
    class Messages;

    void CreateToolBar();
    void CreateBars();
    void SetUpEngine();
    void PaintRenderingArea(QPainter& painter);
    void OnClientResized();
    void OnBarAction(preview3d::ScrollBar bar, int action);
    void OnBarValue(preview3d::ScrollBar bar, int value);
    // The mouse in the rendering area moves the bars as their own actions do.
    void OnMousePress(QMouseEvent* event);
    void OnMouseMove(QMouseEvent* event);
    void OnMouseRelease(QMouseEvent* event);
    void OnWheel(QWheelEvent* event);
    void MoveBars(const std::vector<preview3d::BarMove>& moves);
    void AfterScroll();
    void ShowBarPositions();
    void UpdateCommandStates();
    void StartTimer();
    void ToggleCameraDialog();
    void OpenMaterialDialog();

    QPointer<CLumtrakStockEditorView> view_;
    std::unique_ptr<Messages> messages_;
    std::unique_ptr<preview3d::FontTextRaster> raster_;
    std::unique_ptr<preview3d::SceneEnvironment> environment_;
    preview3d::PreviewSession session_;
    std::string captureFolder_;

    Client* client_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    std::array<QScrollBar*, 4> bars_{};
    RenderingArea* renderingArea_ = nullptr;
    QTimer timer_;
    preview3d::MouseCamera mouse_;
    std::uint64_t renders_ = 0;
    bool setUpScheduled_ = false;
    // A capture renders each frame itself; its grab only shows that picture.
    bool renderOnPaint_ = true;
    QPointer<CameraControlDialog> cameraDialog_;
    QPointer<CustomMaterialDialog> materialDialog_;
    PreviewFileWatch* fileWatch_ = nullptr;
    // Follows the files of the scene just built.
    void WatchSceneFiles();
};

}  // namespace lumtrak::editor
