#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "model/definition_text.h"
#include "preview3d/bitmap_file.h"
#include "preview3d/preview_engine.h"
#include "preview3d/scene_environment.h"
#include "preview3d/scene_part.h"

namespace lumtrak::preview3d {

// The four scroll bars of a 3D preview, which move the camera and the light.
enum class ScrollBar { Angle, Height, Distance, Light };

// What a scroll bar was asked to do.
enum class ScrollAction {
    LineBack,     // arrow left or up: -1
    LineForward,  // arrow right or down: +1
    PageBack,     // -10
    PageForward,  // +10
    Thumb,        // to the thumb's position
    Start,        // Home: to -31
    Finish,       // End: to 31
    EndScroll,    // no change
};

struct ScrollRange {
    int minimum;
    int maximum;
    int start;
};
ScrollRange RangeOf(ScrollBar bar);

// The folder of a document path, as the preview takes it: the path up to its
// last '/' when that stands at position 1 or later, else the whole path.
std::string DocumentFolderOf(std::string_view documentPath);

// Everything a 3D preview window does that is not window code: its settings
// (cab cameras, light level, spotlight, wireframe, scroll positions), its
// engine and scene, and the animation tick. The window forwards its events
// here and shows the engine's picture, so a new window and the command line
// show the same.
class PreviewSession {
  public:
    PreviewSession(SceneEnvironment& environment, int lightHarshness, std::string documentFolder);
    ~PreviewSession();
    PreviewSession(const PreviewSession&) = delete;
    PreviewSession& operator=(const PreviewSession&) = delete;

    // The first paint of a new window: the engine is made and set up, the
    // scene loaded, the device made for the rendering area, the camera placed,
    // the spotlight setting (off) applied and the top part put at the origin.
    void FirstPaint(std::string_view text, model::Cursor selectionStart, int width, int height);
    // The engine without a device, for those who only build scenes.
    void CreateEngine();
    // Builds the scene of the definition under selectionStart, replacing the
    // old one.
    void LoadScene(std::string_view text, model::Cursor selectionStart);
    // Rebuilds, and places the cab camera again when one is in use.
    void Refresh(std::string_view text, model::Cursor selectionStart);
    // The rendering area changed size: a new device, the render quality kept.
    void Resize(int width, int height);
    void PlaceCamera();
    void Render();

    void ToggleCab1();
    void ToggleCab2();
    void ToggleSpotlight();
    void SetLightLevel(int level);
    void ToggleWireframe();

    // Moves a scroll bar within its range and places the camera.
    void Scroll(ScrollBar bar, ScrollAction action, int thumb = 0);
    int ScrollPosition(ScrollBar bar) const { return scroll_[Index(bar)]; }
    void SetScrollPosition(ScrollBar bar, int position);
    // Puts the four bars back where a new window has them, leaves a cab view
    // for the orbit camera, and places the camera and the light.
    void ResetView();

    // The animation: a timer event or "Step Animation" advances the tick and
    // places the scene for it; "Stop" and "Run" say whether the timer is wanted.
    void TimerTick();
    void StepAnimation();
    void StopAnimation() { run_ = false; }
    void RunAnimation() { run_ = true; }
    // Whether the window's timer should run after a load.
    bool TimerWanted() const;
    // Places the scene for the tick as the capture of animation frames does.
    void PlaceForTick(std::int32_t tick);

    // A character typed into the window. True when it asks for a capture of
    // animation frames: an 'f' straight after an 'i' (a 'g' before the 'i'
    // does not count), and every further 'f' straight after that.
    bool TypeCharacter(char c);
    // Captures the animation: for the ticks 0, 2, ..., 60 the scene is placed
    // and rendered, grab copies the picture as the window shows it, and the
    // pictures go to Temp00.bmp ... Temp30.bmp in folder, each made anew (see
    // WriteBitmapFile). Without a scene nothing is written. The animation tick
    // is not changed, so the scene stays placed for tick 60 until the next step.
    struct CaptureResult {
        int framesWritten = 0;
        std::string failedPath;  // the first file that could not be written
        std::error_code error;   // why
    };
    CaptureResult CaptureAnimationFrames(const std::function<CaptureBitmap()>& grab,
                                         const std::string& folder);

    bool Busy() const { return busy_; }
    bool Cab1View() const { return cab1View_; }
    bool Cab2View() const { return cab2View_; }
    bool Spotlight() const { return spotlight_; }
    bool Wireframe() const { return wireframe_; }
    int LightLevel() const { return lightLevel_; }
    bool Running() const { return run_; }
    std::int32_t Tick() const { return tick_; }
    PreviewEngine* Engine() const { return engine_.get(); }
    ScenePart* TopPart() const { return top_.get(); }
    void SetScreenDepth(int bits) { screenDepth_ = bits; }

  private:
    static std::size_t Index(ScrollBar bar) { return static_cast<std::size_t>(bar); }
    void SetStartPositions();

    SceneEnvironment& environment_;
    int lightHarshness_;
    std::string documentFolder_;
    int screenDepth_ = 32;

    bool busy_ = false;
    bool run_ = true;
    std::int32_t tick_ = 0;
    bool cab1View_ = false;
    bool cab2View_ = false;
    int lightLevel_ = 2;
    bool spotlight_ = false;
    bool wireframe_ = false;
    char lastCharacter_ = '\0';
    int scroll_[4];

    std::unique_ptr<PreviewEngine> engine_;
    std::unique_ptr<ScenePart> top_;
};

}  // namespace lumtrak::preview3d
