#pragma once

#include "platform/message_sink.h"

class QWidget;

namespace lumtrak::editor {

// The core's messages as modal message boxes over a window: the caption and
// text that the core gives, an exclamation icon and OK.
class MessageBoxSink : public platform::MessageSink {
  public:
    explicit MessageBoxSink(QWidget* parent) : parent_(parent) {}
    void Show(std::string_view caption, std::string_view text) override;

  private:
    QWidget* parent_;
};

}  // namespace lumtrak::editor
