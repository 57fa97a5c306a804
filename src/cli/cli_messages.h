#pragma once

#include "cli/json_writer.h"
#include "platform/message_sink.h"

namespace lumtrak::cli {

// The command line's message box: one line "CAPTION: TEXT" on standard error
// (line breaks in TEXT written as \n), and a record for the JSON "messages".
class CliMessageSink : public platform::RecordingMessageSink {
  public:
    void Show(std::string_view caption, std::string_view text) override;
    void WriteJson(JsonWriter& json) const;  // the "messages" key and its array
};

}  // namespace lumtrak::cli
