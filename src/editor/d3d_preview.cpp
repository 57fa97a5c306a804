#include "editor/d3d_preview.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QToolBar>

#include "editor/camera_control_dialog.h"
#include "editor/custom_material_dialog.h"
#include "editor/d3d_preview_icons.h"
#include "editor/lumtrak_stock_editor_app.h"
#include "editor/lumtrak_stock_editor_doc.h"
#include "editor/lumtrak_stock_editor_view.h"
#include "editor/main_frame.h"
#include "editor/message_box_sink.h"
#include "editor/preview_file_watch.h"
#include "editor/window_places.h"
#include "model/texture_registry.h"
#include "preview3d/bitmap_file.h"
#include "preview3d/capture_area.h"
#include "preview3d/font_text_raster.h"
#include "qtshell/windows1252.h"

namespace lumtrak::editor {

using preview3d::ScrollAction;
using preview3d::ScrollBar;

namespace {

constexpr int kDefaultLightHarshness = 50;

int LightHarshness() {
    const CLumtrakStockEditorApp* app = CLumtrakStockEditorApp::Instance();
    return app ? app->LightHarshness() : kDefaultLightHarshness;
}

std::string DocumentFolderOfView(const CLumtrakStockEditorView* view) {
    if (!view) return {};
    return preview3d::DocumentFolderOf(
        QFile::encodeName(view->GetDocument().GetPathName()).toStdString());
}

std::size_t IndexOf(ScrollBar bar) {
    return static_cast<std::size_t>(bar);
}

// What a scroll bar's action asks of the preview.
std::optional<ScrollAction> ScrollActionOf(int action) {
    switch (action) {
        case QAbstractSlider::SliderSingleStepSub:
            return ScrollAction::LineBack;
        case QAbstractSlider::SliderSingleStepAdd:
            return ScrollAction::LineForward;
        case QAbstractSlider::SliderPageStepSub:
            return ScrollAction::PageBack;
        case QAbstractSlider::SliderPageStepAdd:
            return ScrollAction::PageForward;
        case QAbstractSlider::SliderMove:
            return ScrollAction::Thumb;
        case QAbstractSlider::SliderToMinimum:
            return ScrollAction::Start;
        case QAbstractSlider::SliderToMaximum:
            return ScrollAction::Finish;
        default:
            return std::nullopt;
    }
}

struct ToolbarButton {
    int id;  // 0: a separator
    const char* text;
    bool checkable;
};

// Toolbar 143 in its order, then the window's own Reset View. Every button
// shows its text as its tooltip and gives it as its accessible name.
constexpr ToolbarButton kToolbar[] = {
    {D3DPreview::kCab1, QT_TRANSLATE_NOOP("lumtrak::editor::D3DPreview", "Cab 1"), true},
    {D3DPreview::kCab2, QT_TRANSLATE_NOOP("lumtrak::editor::D3DPreview", "Cab 2"), true},
    {0, nullptr, false},
    {D3DPreview::kSpotlight, QT_TRANSLATE_NOOP("lumtrak::editor::D3DPreview", "Spotlight"), true},
    {D3DPreview::kRefresh, QT_TRANSLATE_NOOP("lumtrak::editor::D3DPreview", "Refresh"), false},
    {0, nullptr, false},
    {D3DPreview::kStopAnimation, QT_TRANSLATE_NOOP("lumtrak::editor::D3DPreview", "Stop Animation"),
     false},
    {D3DPreview::kStepAnimation, QT_TRANSLATE_NOOP("lumtrak::editor::D3DPreview", "Step Animation"),
     false},
    {D3DPreview::kRunAnimation, QT_TRANSLATE_NOOP("lumtrak::editor::D3DPreview", "Run Animation"),
     false},
    {0, nullptr, false},
    {D3DPreview::kLowLight, QT_TRANSLATE_NOOP("lumtrak::editor::D3DPreview", "Low Light"), true},
    {D3DPreview::kDimLighting, QT_TRANSLATE_NOOP("lumtrak::editor::D3DPreview", "Dim lighting"),
     true},
    {D3DPreview::kBrightLighting,
     QT_TRANSLATE_NOOP("lumtrak::editor::D3DPreview", "Bright Lighting"), true},
    {0, nullptr, false},
    {D3DPreview::kCustomMaterial,
     QT_TRANSLATE_NOOP("lumtrak::editor::D3DPreview", "Custom Material"), false},
    {D3DPreview::kCameraControl, QT_TRANSLATE_NOOP("lumtrak::editor::D3DPreview", "Camera Control"),
     false},
    {D3DPreview::kWireframe, QT_TRANSLATE_NOOP("lumtrak::editor::D3DPreview", "Wireframe"), true},
    {0, nullptr, false},
    {D3DPreview::kResetView, QT_TRANSLATE_NOOP("lumtrak::editor::D3DPreview", "Reset View"), false},
};

}  // namespace

// The window's client area, which lays its children out itself.
class D3DPreview::Client : public QWidget {
  public:
    explicit Client(D3DPreview& preview) : QWidget(&preview), preview_(preview) {}

  protected:
    void resizeEvent(QResizeEvent* event) override {
        QWidget::resizeEvent(event);
        preview_.OnClientResized();
    }

  private:
    D3DPreview& preview_;
};

// The child window that shows the engine's picture.
class D3DPreview::RenderingArea : public QWidget {
  public:
    RenderingArea(D3DPreview& preview, QWidget* parent) : QWidget(parent), preview_(preview) {
        setObjectName(QString::number(kRenderingWindowId));
        setAttribute(Qt::WA_OpaquePaintEvent);
        setFocusPolicy(Qt::StrongFocus);
        // The open hand says that the picture can be dragged.
        setCursor(Qt::OpenHandCursor);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        preview_.PaintRenderingArea(painter);
    }
    void mousePressEvent(QMouseEvent* event) override { preview_.OnMousePress(event); }
    void mouseMoveEvent(QMouseEvent* event) override { preview_.OnMouseMove(event); }
    void mouseReleaseEvent(QMouseEvent* event) override { preview_.OnMouseRelease(event); }
    void wheelEvent(QWheelEvent* event) override { preview_.OnWheel(event); }

  private:
    D3DPreview& preview_;
};

// Shows the messages of a scene load as message boxes, or hands them to the
// handler that replaces them.
class D3DPreview::Messages : public platform::MessageSink {
  public:
    explicit Messages(QWidget& owner) : boxes_(&owner) {}
    void Show(std::string_view caption, std::string_view text) override {
        if (!handler) {
            boxes_.Show(caption, text);
            return;
        }
        handler(
            qtshell::DecodeWindows1252(QByteArrayView(caption.data(), qsizetype(caption.size()))),
            qtshell::DecodeWindows1252(QByteArrayView(text.data(), qsizetype(text.size()))));
    }
    MessageHandler handler;

  private:
    MessageBoxSink boxes_;
};

D3DPreview::D3DPreview(CLumtrakStockEditorView* view, QWidget* parent)
    : QMainWindow(parent, Qt::Window),
      view_(view),
      messages_(std::make_unique<Messages>(*this)),
      raster_(std::make_unique<preview3d::FontTextRaster>()),
      environment_(std::make_unique<preview3d::SceneEnvironment>(
          *messages_, model::TextureRegistry::Process(), *raster_)),
      session_(*environment_, LightHarshness(), DocumentFolderOfView(view)),
      captureFolder_(preview3d::DefaultCaptureFolder()) {
    setWindowTitle(tr("D3D Preview"));
    setAttribute(Qt::WA_DeleteOnClose);
    timer_.setInterval(kTimerPeriodMs);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, [this] {
        if (Busy()) return;
        session_.TimerTick();
        if (session_.TopPart()) Invalidate();
    });

    fileWatch_ = new PreviewFileWatch(this);
    connect(fileWatch_, &PreviewFileWatch::filesChanged, this, &D3DPreview::Refresh);

    client_ = new Client(*this);
    setCentralWidget(client_);
    CreateToolBar();
    CreateBars();
    renderingArea_ = new RenderingArea(*this, client_);
    renderingArea_->setGeometry(20, 20, 80, 80);
    renderingArea_->setFocus();
    Layout();
    PlaceCamera();
    UpdateCommandStates();
    PlacePreview3D(*this, parent);
}

D3DPreview::~D3DPreview() {
    // A window that goes with its view or the editor is not closed first.
    if (isVisible()) RememberPreview3D(*this);
    // The dialogs talk to the session; they go first.
    delete cameraDialog_;
    delete materialDialog_;
}

void D3DPreview::CreateToolBar() {
    toolBar_ = new QToolBar(client_);
    toolBar_->setObjectName(QString::number(kToolbarId));
    toolBar_->setMovable(false);
    toolBar_->setFloatable(false);
    toolBar_->setToolButtonStyle(Qt::ToolButtonIconOnly);
    for (const ToolbarButton& button : kToolbar) {
        if (button.id == 0) {
            toolBar_->addSeparator();
            continue;
        }
        const QString text = tr(button.text);
        QAction* action = toolBar_->addAction(D3DPreviewIcon(button.id), text);
        action->setObjectName(QString::number(button.id));
        action->setCheckable(button.checkable);
        action->setToolTip(button.id == kResetView ? tr("Reset View (Home)") : text);
        toolBar_->widgetForAction(action)->setAccessibleName(text);
        const int id = button.id;
        connect(action, &QAction::triggered, this, [this, id] { OnCommand(id); });
    }
}

void D3DPreview::CreateBars() {
    struct BarPlace {
        ScrollBar bar;
        Qt::Orientation orientation;
        const char* name;
    };
    constexpr BarPlace kBars[] = {{ScrollBar::Angle, Qt::Horizontal, "100"},
                                  {ScrollBar::Height, Qt::Vertical, "200"},
                                  {ScrollBar::Distance, Qt::Vertical, "300"},
                                  {ScrollBar::Light, Qt::Horizontal, "light"}};
    for (const BarPlace& place : kBars) {
        auto* bar = new QScrollBar(place.orientation, client_);
        bar->setObjectName(QString::fromLatin1(place.name));
        const preview3d::ScrollRange range = preview3d::RangeOf(place.bar);
        bar->setRange(range.minimum, range.maximum);
        bar->setSingleStep(1);
        bar->setPageStep(10);
        bar->setValue(session_.ScrollPosition(place.bar));
        // A clicked bar takes the keys: arrows, Page Up and Down, Home and End.
        bar->setFocusPolicy(Qt::ClickFocus);
        const ScrollBar which = place.bar;
        connect(bar, &QAbstractSlider::actionTriggered, this,
                [this, which](int action) { OnBarAction(which, action); });
        connect(bar, &QAbstractSlider::valueChanged, this,
                [this, which](int value) { OnBarValue(which, value); });
        bars_[IndexOf(place.bar)] = bar;
    }
}

CLumtrakStockEditorView* D3DPreview::View() const {
    return view_;
}

CameraControlDialog* D3DPreview::CameraDialog() const {
    return cameraDialog_;
}

CustomMaterialDialog* D3DPreview::MaterialDialog() const {
    return materialDialog_;
}

QScrollBar* D3DPreview::Bar(ScrollBar bar) const {
    return bars_[IndexOf(bar)];
}

QWidget* D3DPreview::RenderingWindow() const {
    return renderingArea_;
}

QAction* D3DPreview::Action(int id) const {
    return toolBar_->findChild<QAction*>(QString::number(id), Qt::FindDirectChildrenOnly);
}

void D3DPreview::SetMessageHandler(MessageHandler handler) {
    messages_->handler = std::move(handler);
}

void D3DPreview::Layout() {
    if (Busy()) return;
    const int cw = client_->width();
    const int ch = client_->height();
    const int s = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    const int t = toolBar_->sizeHint().height();
    toolBar_->setGeometry(0, 0, cw, t);
    Bar(ScrollBar::Light)->setGeometry(s, t, cw - 2 * s, s);
    Bar(ScrollBar::Angle)->setGeometry(s, ch - s, cw - 2 * s, s);
    Bar(ScrollBar::Height)->setGeometry(0, t, s, ch - s - t);
    Bar(ScrollBar::Distance)->setGeometry(cw - s, t, s, ch - s - t);
    // The device is made at the size of the rendering area, so that the
    // picture fills it exactly.
    const QRect area(s, t + s, std::max(0, cw - 2 * s), std::max(0, ch - t - 2 * s));
    if (session_.Engine()) session_.Engine()->CreateDevice(area.width(), area.height(), depth());
    renderingArea_->setGeometry(area);
}

void D3DPreview::OnClientResized() {
    if (Busy()) return;
    Layout();
    if (auto* engine = session_.Engine()) engine->SetWireframe(session_.Wireframe());
    PlaceCamera();
}

void D3DPreview::PlaceCamera() {
    session_.PlaceCamera();
}

void D3DPreview::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // The engine is set up at the first paint, after the window is up, so that
    // the messages of the first load do not come in the middle of a repaint.
    if (!session_.Engine() && !setUpScheduled_) {
        setUpScheduled_ = true;
        QMetaObject::invokeMethod(this, &D3DPreview::SetUpEngine, Qt::QueuedConnection);
    }
}

void D3DPreview::hideEvent(QHideEvent* event) {
    QMainWindow::hideEvent(event);
    if (!event->spontaneous()) RememberPreview3D(*this);
}

void D3DPreview::SetUpEngine() {
    if (Busy() || session_.Engine()) return;
    session_.SetScreenDepth(depth());
    const QSize area = renderingArea_->size();
    std::string_view text;
    model::Cursor start = 0;
    if (view_) {
        text = view_->Text();
        start = static_cast<model::Cursor>(view_->CurrentSelection().start);
    }
    session_.FirstPaint(text, start, area.width(), area.height());
    WatchSceneFiles();
    if (session_.TimerWanted()) StartTimer();
    Invalidate();
}

void D3DPreview::PaintRenderingArea(QPainter& painter) {
    if (Busy()) return;
    if (!session_.Engine()) {
        painter.fillRect(renderingArea_->rect(), Qt::black);
        return;
    }
    if (renderOnPaint_) {
        session_.Render();
        ++renders_;
    }
    const QImage picture = Picture();
    if (picture.isNull()) {
        painter.fillRect(renderingArea_->rect(), Qt::black);
        return;
    }
    painter.drawImage(0, 0, picture);
}

QImage D3DPreview::Picture() const {
    const preview3d::PreviewEngine* engine = session_.Engine();
    if (!engine) return {};
    const auto picture = engine->Picture();
    const int width = engine->DeviceWidth();
    const int height = engine->DeviceHeight();
    if (picture.empty() || width <= 0 || height <= 0) return {};
    // The engine's rows are 0xFFRRGGBB, as QImage keeps RGB32 pixels: the image
    // shares them until the next render.
    return QImage(reinterpret_cast<const uchar*>(picture.data()), width, height,
                  qsizetype(width) * qsizetype(sizeof(rm::Colour)), QImage::Format_RGB32);
}

void D3DPreview::Invalidate() {
    renderingArea_->update();
}

void D3DPreview::LoadScene() {
    if (!view_ || !session_.Engine()) return;
    session_.LoadScene(view_->Text(), static_cast<model::Cursor>(view_->CurrentSelection().start));
    WatchSceneFiles();
    if (session_.TimerWanted()) StartTimer();
}

void D3DPreview::WatchSceneFiles() {
    if (view_) fileWatch_->Watch(environment_->FilesRead());
}

void D3DPreview::Refresh() {
    if (Busy()) return;
    LoadScene();
    if (session_.Cab1View() || session_.Cab2View()) PlaceCamera();
    if (session_.Engine()) Invalidate();
    if (view_) view_->m_bTextChanged = false;
}

void D3DPreview::StartTimer() {
    timer_.start();
}

void D3DPreview::OnBarAction(ScrollBar bar, int action) {
    QScrollBar* widget = Bar(bar);
    const auto scroll = ScrollActionOf(action);
    if (Busy() || !scroll) {
        widget->setSliderPosition(session_.ScrollPosition(bar));
        return;
    }
    session_.Scroll(bar, *scroll, widget->sliderPosition());
    // The bar then takes the position the preview chose (Home and End ask for
    // -31 and 31, not the ends of the range).
    widget->setSliderPosition(session_.ScrollPosition(bar));
    AfterScroll();
}

void D3DPreview::OnBarValue(ScrollBar bar, int value) {
    // A position set other than by the bar's actions (the wheel) moves the
    // camera as the thumb does.
    if (value == session_.ScrollPosition(bar)) return;
    if (Busy()) {
        const QSignalBlocker blocker(Bar(bar));
        Bar(bar)->setValue(session_.ScrollPosition(bar));
        return;
    }
    session_.Scroll(bar, ScrollAction::Thumb, value);
    AfterScroll();
}

void D3DPreview::AfterScroll() {
    Invalidate();
    if (cameraDialog_) cameraDialog_->ReadFromCamera();
}

void D3DPreview::ShowBarPositions() {
    for (const ScrollBar bar :
         {ScrollBar::Angle, ScrollBar::Height, ScrollBar::Distance, ScrollBar::Light}) {
        const QSignalBlocker blocker(Bar(bar));
        Bar(bar)->setValue(session_.ScrollPosition(bar));
    }
}

void D3DPreview::SetCamera(const preview3d::CameraSliders& sliders) {
    if (auto* engine = session_.Engine()) preview3d::ApplyCameraSliders(*engine, sliders);
    Invalidate();
}

preview3d::CameraSliders D3DPreview::CameraSliders() const {
    if (const auto* engine = session_.Engine()) return preview3d::SlidersFromCamera(*engine);
    return {};
}

void D3DPreview::OnCommand(int id) {
    switch (id) {
        case kCab1:
            session_.ToggleCab1();
            ShowBarPositions();
            Invalidate();
            break;
        case kCab2:
            session_.ToggleCab2();
            ShowBarPositions();
            Invalidate();
            break;
        case kSpotlight:
            session_.ToggleSpotlight();
            Invalidate();
            break;
        case kRefresh:
            Refresh();
            break;
        case kStopAnimation:
            session_.StopAnimation();
            timer_.stop();
            break;
        case kStepAnimation:
            session_.StepAnimation();
            if (session_.TopPart()) Invalidate();
            break;
        case kRunAnimation:
            StartTimer();
            session_.RunAnimation();
            break;
        case kLowLight:
        case kDimLighting:
        case kBrightLighting:
            session_.SetLightLevel(id - kLowLight);
            Invalidate();
            break;
        case kCustomMaterial:
            OpenMaterialDialog();
            break;
        case kCameraControl:
            ToggleCameraDialog();
            break;
        case kWireframe:
            session_.ToggleWireframe();
            Invalidate();
            break;
        case kResetView:
            ResetView();
            break;
        default:
            return;
    }
    UpdateCommandStates();
}

void D3DPreview::UpdateCommandStates() {
    const auto check = [this](int id, bool on) {
        if (QAction* action = Action(id)) action->setChecked(on);
    };
    check(kCab1, session_.Cab1View());
    check(kCab2, session_.Cab2View());
    check(kSpotlight, session_.Spotlight());
    check(kLowLight, session_.LightLevel() == 0);
    check(kDimLighting, session_.LightLevel() == 1);
    check(kBrightLighting, session_.LightLevel() == 2);
    check(kWireframe, session_.Wireframe());
}

void D3DPreview::ToggleCameraDialog() {
    if (cameraDialog_) {
        delete cameraDialog_;
        return;
    }
    cameraDialog_ = new CameraControlDialog(*this);
    cameraDialog_->show();
    cameraDialog_->ReadFromCamera();
}

void D3DPreview::OpenMaterialDialog() {
    // Every use opens a new dialog; those opened before stay open.
    materialDialog_ = new CustomMaterialDialog(*this);
    materialDialog_->show();
}

bool D3DPreview::event(QEvent* event) {
    const bool handled = QMainWindow::event(event);
    if (event->type() == QEvent::WindowActivate && !Busy() && view_ && view_->m_bTextChanged) {
        Refresh();
    }
    return handled;
}

void D3DPreview::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Home && event->modifiers() == Qt::NoModifier) {
        ResetView();
        return;
    }
    QApplication::beep();
    const QString text = event->text();
    if (text.size() == 1 && text.front().unicode() < 0x100) {
        if (session_.TypeCharacter(char(text.front().toLatin1()))) CaptureAnimationFrames();
    }
    QMainWindow::keyPressEvent(event);
}

void D3DPreview::closeEvent(QCloseEvent* event) {
    if (Busy()) {
        event->ignore();
        return;
    }
    timer_.stop();
    if (view_) view_->DetachD3DPreview();
    event->accept();
}

void D3DPreview::CaptureAnimationFrames() {
    // The capture area is measured in the window with its frame; the grab
    // reads the client area, which the frame offsets.
    const QRect frame = frameGeometry();
    const QPoint clientOffset = geometry().topLeft() - frame.topLeft();
    const preview3d::CaptureArea area = preview3d::CaptureAreaOf(frame.width(), frame.height());
    const QRect grabbed(area.left - clientOffset.x(), area.top - clientOffset.y(), area.width,
                        area.height);
    auto* mainFrame = qobject_cast<CMainFrame*>(parentWidget());
    if (!area.HasPixels()) {
        // A frame without pixels would be a file of headers alone.
        if (mainFrame) {
            mainFrame->SetMessageText(
                tr("No animation frames written: the window must be wider than %1 and higher "
                   "than %2 pixels")
                    .arg(frame.width() - area.width)
                    .arg(frame.height() - area.height));
        }
        return;
    }
    const int bits = preview3d::CaptureBitsPerPixel(depth());
    const auto grab = [&] {
        preview3d::CaptureBitmap bitmap;
        bitmap.width = area.width;
        bitmap.height = area.height;
        bitmap.bitsPerPixel = bits;
        QImage image(area.width, area.height, QImage::Format_RGB32);
        image.fill(Qt::black);
        renderOnPaint_ = false;
        {
            QPainter painter(&image);
            render(&painter, QPoint(), QRegion(grabbed), QWidget::DrawChildren);
        }
        renderOnPaint_ = true;
        bitmap.pixels.resize(std::size_t(area.width) * std::size_t(area.height));
        for (int y = 0; y < area.height; ++y) {
            const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            std::copy(row, row + area.width,
                      bitmap.pixels.begin() + std::ptrdiff_t(y) * std::ptrdiff_t(area.width));
        }
        return bitmap;
    };
    const auto result = session_.CaptureAnimationFrames(grab, captureFolder_);
    Invalidate();
    // The files go to a folder that the window does not show: say where.
    if (!mainFrame || (result.framesWritten == 0 && !result.error)) return;
    if (result.error) {
        mainFrame->SetMessageText(tr("Animation frame %1 could not be written: %2")
                                      .arg(QString::fromStdString(result.failedPath),
                                           QString::fromStdString(result.error.message())));
    } else {
        mainFrame->SetMessageText(tr("Animation frames Temp00.bmp to Temp%1.bmp written to %2")
                                      .arg(result.framesWritten - 1, 2, 10, QLatin1Char('0'))
                                      .arg(QString::fromStdString(captureFolder_)));
    }
}

}  // namespace lumtrak::editor
