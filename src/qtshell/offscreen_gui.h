#pragma once

#include <memory>

class QGuiApplication;

namespace lumtrak::qtshell {

// Makes sure that a QGuiApplication exists while images are painted, so that
// the command line can paint without a display: when the process has no
// application object yet, one is made on the offscreen platform (unless
// QT_QPA_PLATFORM names another) and destroyed with this object.
class OffscreenGui {
  public:
    OffscreenGui();
    ~OffscreenGui();
    OffscreenGui(const OffscreenGui&) = delete;
    OffscreenGui& operator=(const OffscreenGui&) = delete;

  private:
    std::unique_ptr<QGuiApplication> application_;
};

}  // namespace lumtrak::qtshell
