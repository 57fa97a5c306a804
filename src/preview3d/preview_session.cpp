#include "preview3d/preview_session.h"

#include <algorithm>
#include <cmath>

#include "model/definition_loader.h"
#include "model/wrapping.h"
#include "platform/path_parts.h"
#include "preview3d/animation.h"
#include "preview3d/scene_builder.h"

namespace lumtrak::preview3d {

ScrollRange RangeOf(ScrollBar bar) {
    switch (bar) {
        case ScrollBar::Angle:
            return {-40, 40, 16};
        case ScrollBar::Height:
            return {-1000, 300, -30};
        case ScrollBar::Distance:
            return {0, 5000, 2500};
        case ScrollBar::Light:
            return {-40, 40, 0};
    }
    return {0, 0, 0};
}

std::string DocumentFolderOf(std::string_view documentPath) {
    // Without a '/', or with its only one first, the whole path.
    const std::string_view prefix = platform::FolderPrefixOf(documentPath);
    return std::string(prefix.size() >= 2 ? prefix.substr(0, prefix.size() - 1) : documentPath);
}

PreviewSession::PreviewSession(SceneEnvironment& environment, int lightHarshness,
                               std::string documentFolder)
    : environment_(environment),
      lightHarshness_(lightHarshness),
      documentFolder_(std::move(documentFolder)) {
    SetStartPositions();
}

void PreviewSession::SetStartPositions() {
    for (const ScrollBar bar :
         {ScrollBar::Angle, ScrollBar::Height, ScrollBar::Distance, ScrollBar::Light}) {
        scroll_[Index(bar)] = RangeOf(bar).start;
    }
}

PreviewSession::~PreviewSession() {
    top_.reset();
    engine_.reset();
}

void PreviewSession::CreateEngine() {
    if (!engine_) engine_ = std::make_unique<PreviewEngine>(environment_.textures, lightHarshness_);
}

void PreviewSession::FirstPaint(std::string_view text, model::Cursor selectionStart, int width,
                                int height) {
    if (busy_ || engine_) return;
    CreateEngine();
    LoadScene(text, selectionStart);
    // The device is made for the rendering area, as at every resize.
    engine_->CreateDevice(width, height, screenDepth_);
    PlaceCamera();
    engine_->SetSpotlight(spotlight_);
    if (top_ && top_->frame) top_->frame->SetPosition(&engine_->Scene(), {0, 0, 0});
}

void PreviewSession::LoadScene(std::string_view text, model::Cursor selectionStart) {
    if (!engine_) return;
    busy_ = true;
    top_.reset();
    top_ = std::make_unique<ScenePart>(*engine_, std::string());
    const model::DefinitionText definitions(text);
    const model::Cursor start = model::FindDefinitionStart(definitions, selectionStart);
    environment_.textures.SetDocumentFolder(documentFolder_);
    SceneSource source(definitions, MemoryTextKey(definitions), documentFolder_);
    BuildScene(*top_, source, start, environment_);
    busy_ = false;
}

void PreviewSession::Refresh(std::string_view text, model::Cursor selectionStart) {
    if (busy_) return;
    LoadScene(text, selectionStart);
    if (cab1View_ || cab2View_) PlaceCamera();
}

void PreviewSession::Resize(int width, int height) {
    if (busy_ || !engine_) return;
    engine_->CreateDevice(width, height, screenDepth_);
    engine_->SetWireframe(wireframe_);
    PlaceCamera();
}

void PreviewSession::PlaceCamera() {
    if (busy_ || !engine_) return;
    const double angle = ScrollPosition(ScrollBar::Angle) / 10.0;
    if (cab1View_ || cab2View_) {
        std::array<double, 3> cab{};
        std::int32_t length = 0;
        if (top_) {
            cab = cab1View_ ? top_->cab1 : top_->cab2;
            length = top_->length;
        }
        const double along = cab[1] - length / 2;
        engine_->SetCameraPosition(cab[0] / 10, cab[2] / 10 - 50, along / 10);
        const double sense = cab1View_ ? -1 : 1;
        engine_->SetCameraOrientation(sense * std::sin(angle), 0, sense * std::cos(angle), 0, 1, 0);
    } else {
        const double r = ScrollPosition(ScrollBar::Distance) / 10.0;
        const double h = -ScrollPosition(ScrollBar::Height) / 10.0;
        engine_->SetCameraPosition(r * std::sin(angle), h - 45, r * std::cos(angle));
        engine_->SetCameraOrientation(-r * std::sin(angle), -h, -r * std::cos(angle), 0, 1, 0);
    }
    const double light = -ScrollPosition(ScrollBar::Light) / 10.0;
    engine_->SetLightOrientation(std::sin(light), -0.5, std::cos(light), std::sin(light), 0.5,
                                 std::cos(light));
}

void PreviewSession::Render() {
    if (engine_) engine_->Render();
}

void PreviewSession::ToggleCab1() {
    cab1View_ = !cab1View_;
    if (cab1View_) {
        cab2View_ = false;
        scroll_[Index(ScrollBar::Angle)] = 0;
    }
    PlaceCamera();
}

void PreviewSession::ToggleCab2() {
    cab2View_ = !cab2View_;
    if (cab2View_) {
        cab1View_ = false;
        scroll_[Index(ScrollBar::Angle)] = 0;
    }
    PlaceCamera();
}

void PreviewSession::ToggleSpotlight() {
    spotlight_ = !spotlight_;
    if (engine_) engine_->SetSpotlight(spotlight_);
}

void PreviewSession::SetLightLevel(int level) {
    lightLevel_ = level;
    if (engine_) engine_->SetLightLevel(level);
}

void PreviewSession::ToggleWireframe() {
    wireframe_ = !wireframe_;
    if (engine_) engine_->SetWireframe(wireframe_);
}

void PreviewSession::SetScrollPosition(ScrollBar bar, int position) {
    const ScrollRange range = RangeOf(bar);
    scroll_[Index(bar)] = std::clamp(position, range.minimum, range.maximum);
}

void PreviewSession::ResetView() {
    if (busy_) return;
    SetStartPositions();
    cab1View_ = false;
    cab2View_ = false;
    PlaceCamera();
}

void PreviewSession::Scroll(ScrollBar bar, ScrollAction action, int thumb) {
    if (busy_) return;
    const int now = ScrollPosition(bar);
    int wanted = now;
    switch (action) {
        case ScrollAction::LineBack:
            wanted = now - 1;
            break;
        case ScrollAction::LineForward:
            wanted = now + 1;
            break;
        case ScrollAction::PageBack:
            wanted = now - 10;
            break;
        case ScrollAction::PageForward:
            wanted = now + 10;
            break;
        case ScrollAction::Thumb:
            wanted = thumb;
            break;
        case ScrollAction::Start:
            wanted = -31;
            break;
        case ScrollAction::Finish:
            wanted = 31;
            break;
        case ScrollAction::EndScroll:
            break;
    }
    SetScrollPosition(bar, wanted);
    PlaceCamera();
}

void PreviewSession::TimerTick() {
    if (busy_) return;
    StepAnimation();
}

void PreviewSession::StepAnimation() {
    tick_ = model::WrapAdd(tick_, 1);
    if (top_) UpdatePart(*top_, nullptr, tick_);
}

bool PreviewSession::TimerWanted() const {
    return engine_ && engine_->IsAnimated() && run_;
}

void PreviewSession::PlaceForTick(std::int32_t tick) {
    if (top_) UpdatePart(*top_, nullptr, tick);
}

bool PreviewSession::TypeCharacter(char c) {
    // The 'f' is not remembered, so that each further 'f' captures again.
    if (lastCharacter_ == 'i' && c == 'f') return true;
    lastCharacter_ = c;
    return false;
}

PreviewSession::CaptureResult PreviewSession::CaptureAnimationFrames(
    const std::function<CaptureBitmap()>& grab, const std::string& folder) {
    constexpr std::int32_t kLastTick = 60;
    constexpr std::int32_t kTickStep = 2;
    CaptureResult result;
    int counter = 0;
    for (std::int32_t tick = 0; tick <= kLastTick; tick += kTickStep) {
        if (!top_) continue;
        UpdatePart(*top_, nullptr, tick);
        Render();
        const std::string path = CaptureFramePath(folder, counter++);
        if (const auto error = WriteBitmapFile(grab(), path)) {
            if (!result.error) result = {result.framesWritten, path, error};
        } else {
            ++result.framesWritten;
        }
    }
    return result;
}

}  // namespace lumtrak::preview3d
