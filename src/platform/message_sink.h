#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace lumtrak::platform {

// A message box as the system shows it: a caption and a text, with an OK button.
struct Message {
    std::string caption;
    std::string text;
    bool operator==(const Message&) const = default;
};

// Where the core shows its message boxes. The windows show them as dialogs, the
// command line writes them to standard error, tests record them.
class MessageSink {
  public:
    virtual ~MessageSink() = default;
    virtual void Show(std::string_view caption, std::string_view text) = 0;
};

class RecordingMessageSink : public MessageSink {
  public:
    void Show(std::string_view caption, std::string_view text) override {
        messages.push_back({std::string(caption), std::string(text)});
    }
    std::vector<Message> messages;
};

class NullMessageSink : public MessageSink {
  public:
    void Show(std::string_view, std::string_view) override {}
};

// The caption of the editor's own messages.
inline constexpr std::string_view kEditorCaption = "Lumtrak Stock Editor";

}  // namespace lumtrak::platform
