#pragma once

#include <string>
#include <vector>

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

// Notes, which are no message boxes: each one line "note: TEXT" on standard
// error.
void WriteNotes(const std::vector<std::string>& notes);

// The "messages" and "notes" keys of a command's JSON object.
void WriteMessagesAndNotes(JsonWriter& json, const CliMessageSink& messages,
                           const std::vector<std::string>& notes);
// Ends a command's JSON object and writes it to standard output with a line break.
void PrintJsonObject(JsonWriter& json);
// Both, for the commands whose object ends with the messages and notes.
void FinishJsonOutput(JsonWriter& json, const CliMessageSink& messages,
                      const std::vector<std::string>& notes);

}  // namespace lumtrak::cli
