#include "editor/window_places.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "editor/lumtrak_stock_editor_app.h"
#include "platform/window_placement.h"

namespace lumtrak::editor {
namespace {

using platform::WindowRect;

constexpr int kPreview3DMinimumWidth = 800;
constexpr int kPreview3DMinimumHeight = 600;

platform::SettingsStore* Settings() {
    const CLumtrakStockEditorApp* app = CLumtrakStockEditorApp::Instance();
    return app ? &app->Settings() : nullptr;
}

WindowRect RectOf(const QRect& rect) {
    return {rect.x(), rect.y(), rect.width(), rect.height()};
}

// A window's place as it is moved and resized: the corner of its frame, the
// size inside it.
WindowRect PlaceOf(const QWidget& window) {
    return {window.x(), window.y(), window.width(), window.height()};
}

void Apply(QWidget& window, const WindowRect& rect) {
    window.move(rect.x, rect.y);
    window.resize(rect.width, rect.height);
}

QScreen* ScreenOf(const QWidget* mainWindow) {
    if (mainWindow && mainWindow->screen()) return mainWindow->screen();
    return QGuiApplication::primaryScreen();
}

// The free area of the screen that holds the middle of the rectangle, or of
// the main window's screen when no screen does.
WindowRect AreaFor(const WindowRect& rect, const QWidget* mainWindow) {
    QScreen* screen =
        QGuiApplication::screenAt(QPoint(rect.x + rect.width / 2, rect.y + rect.height / 2));
    if (!screen) screen = ScreenOf(mainWindow);
    return screen ? RectOf(screen->availableGeometry()) : rect;
}

WindowRect MainPlace(const QWidget* mainWindow, const WindowRect& area) {
    return mainWindow ? RectOf(mainWindow->frameGeometry()) : WindowRect{area.x, area.y, 0, 0};
}

}  // namespace

void PlacePreview3D(QWidget& window, const QWidget* mainWindow) {
    platform::SettingsStore* settings = Settings();
    if (const auto remembered = settings
                                    ? platform::ReadWindowRect(*settings, "Preview3D", "Geometry")
                                    : std::nullopt) {
        Apply(window, platform::FitInto(*remembered, AreaFor(*remembered, mainWindow)));
        return;
    }
    QScreen* screen = ScreenOf(mainWindow);
    if (!screen) return;
    const WindowRect area = RectOf(screen->availableGeometry());
    const WindowRect size =
        platform::PreviewWindowSize(area, kPreview3DMinimumWidth, kPreview3DMinimumHeight);
    Apply(window,
          platform::PlaceBeside(MainPlace(mainWindow, area), size.width, size.height, area));
}

void RememberPreview3D(const QWidget& window) {
    if (platform::SettingsStore* settings = Settings())
        platform::WriteWindowRect(*settings, "Preview3D", "Geometry", PlaceOf(window));
}

void PlacePreview2D(QWidget& window, const QWidget* mainWindow) {
    platform::SettingsStore* settings = Settings();
    const auto remembered =
        settings ? platform::ReadWindowPosition(*settings, "Preview2D", "Position") : std::nullopt;
    WindowRect place = PlaceOf(window);
    if (remembered) {
        place.x = remembered->x;
        place.y = remembered->y;
        place = platform::FitInto(place, AreaFor(place, mainWindow));
    } else {
        QScreen* screen = ScreenOf(mainWindow);
        if (!screen) return;
        const WindowRect area = RectOf(screen->availableGeometry());
        place = platform::PlaceBeside(MainPlace(mainWindow, area), place.width, place.height, area);
    }
    window.move(place.x, place.y);
}

void RememberPreview2D(const QWidget& window) {
    if (platform::SettingsStore* settings = Settings())
        platform::WriteWindowPosition(*settings, "Preview2D", "Position", {window.x(), window.y()});
}

}  // namespace lumtrak::editor
