#include "cli/cli_messages.h"

#include <cstdio>

namespace lumtrak::cli {

void CliMessageSink::Show(std::string_view caption, std::string_view text) {
    RecordingMessageSink::Show(caption, text);
    std::string line(caption);
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

void CliMessageSink::WriteJson(JsonWriter& json) const {
    json.Key("messages").BeginArray();
    for (const auto& message : messages) {
        json.BeginObject().Key("caption").String(message.caption).Key("text").String(message.text);
        json.EndObject();
    }
    json.EndArray();
}

}  // namespace lumtrak::cli
