#include "cli/cli_messages.h"

#include <cstdio>

#include "cli/common_options.h"

namespace lumtrak::cli {

namespace {

// "PREFIX: TEXT" and a line end, with the line breaks inside TEXT written as \n.
void WriteErrorLine(std::string_view prefix, std::string_view text) {
    std::string line(prefix);
    line += ": ";
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            line += "\\n";
        } else {
            line += text[i];
        }
    }
    line += '\n';
    std::fwrite(line.data(), 1, line.size(), stderr);
    std::fflush(stderr);
}

}  // namespace

void CliMessageSink::Show(std::string_view caption, std::string_view text) {
    RecordingMessageSink::Show(caption, text);
    WriteErrorLine(caption, text);
}

void WriteNotes(const std::vector<std::string>& notes) {
    for (const std::string& note : notes)
        WriteErrorLine("note", note);
}

void WriteMessagesAndNotes(JsonWriter& json, const CliMessageSink& messages,
                           const std::vector<std::string>& notes) {
    messages.WriteJson(json);
    json.Key("notes").BeginArray();
    for (const std::string& note : notes)
        json.String(note);
    json.EndArray();
}

void PrintJsonObject(JsonWriter& json) {
    json.EndObject().Raw("\n");
    json.Flush();
    // A writer without an output holds the whole document.
    if (!json.Text().empty()) WriteStdout(json.Text());
}

void FinishJsonOutput(JsonWriter& json, const CliMessageSink& messages,
                      const std::vector<std::string>& notes) {
    WriteMessagesAndNotes(json, messages, notes);
    PrintJsonObject(json);
}

void CliMessageSink::WriteJson(JsonWriter& json) const {
    json.Key("messages").BeginArray();
    for (const auto& message : messages) {
        json.BeginObject().Key("caption").String(message.caption).Key("text").String(message.text);
        json.EndObject();
    }
    json.EndArray();
}

}  // namespace lumtrak::cli
