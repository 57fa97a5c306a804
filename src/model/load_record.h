#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "model/definition_text.h"
#include "model/part_statement.h"
#include "model/text_lines.h"

namespace lumtrak::model {

// A place in a text that a load read: the file (its real path; empty for the
// text that the load started from), the offset and its line (from 1).
struct TextPlace {
    std::string path;
    Cursor offset = 0;
    std::size_t line = 0;
    bool operator==(const TextPlace&) const = default;
};

// A part that a definition names, with the parts that it names in turn.
struct PartNode {
    Statement statement = Statement::None;
    std::string name;   // as written, with a leading '!'
    TextPlace written;  // where its name stands
    // Where the loader found its definition: the line of its "name" text. None
    // when it found none (or did not look: a motion that it does not follow).
    std::optional<TextPlace> definition;
    std::vector<PartNode> parts;
};

// A text that the loader reads statements from, as the record names it.
struct RecordedText {
    const DefinitionText& text;
    std::string_view key;   // tells it from every other text of the load
    std::string_view path;  // real path; empty for the text the load started from
};

// What one load read, for those who follow it: the files (to see when they
// change) and the parts that its definitions named (to show and walk them).
// The loader fills it when its environment holds one.
class LoadRecord {
  public:
    enum class Keeps {
        Files,  // only the files
        Parts,  // and the parts
        // and the parts of "motion" statements, which the model does not place:
        // looked up and read (into no model), so that they show with their parts
        PartsAndMotions,
    };
    explicit LoadRecord(Keeps keeps = Keeps::Parts) : keeps_(keeps) {}

    bool KeepsParts() const { return keeps_ != Keeps::Files; }
    bool FollowsMotions() const { return keeps_ == Keeps::PartsAndMotions; }
    // The files the load read, each once, in the order first read.
    const std::vector<std::string>& Files() const { return files_; }
    // The parts named by the definition that the load started from.
    const std::vector<PartNode>& Parts() const { return root_.parts; }

    // For the loader.
    void FileRead(const std::string& path);
    // A statement that names a part; the next PartFound belongs to it.
    void PartNamed(const PartStatementRead& statement, const RecordedText& in);
    // Where the definition of the part last named was found: reading starts at
    // start, just after its name's text.
    void PartFound(const RecordedText& in, Cursor start);
    // The statements read from here up to LeavePart belong to the part last named.
    void EnterPart();
    void LeavePart();

  private:
    TextPlace PlaceIn(const RecordedText& in, Cursor offset);

    Keeps keeps_;
    std::vector<std::string> files_;
    std::unordered_set<std::string> known_;
    PartNode root_;
    // The node that statements go to now, and its ancestors; outermost first.
    std::vector<PartNode*> open_{&root_};
    PartNode* named_ = nullptr;
    std::map<std::string, TextLines, std::less<>> lines_;  // by text key
};

}  // namespace lumtrak::model
