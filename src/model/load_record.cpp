#include "model/load_record.h"

namespace lumtrak::model {

void LoadRecord::FileRead(const std::string& path) {
    if (path.empty() || !known_.insert(path).second) return;
    files_.push_back(path);
}

TextPlace LoadRecord::PlaceIn(const RecordedText& in, Cursor offset) {
    auto lines = lines_.find(in.key);
    if (lines == lines_.end()) lines = lines_.emplace(in.key, TextLines(in.text.Bytes())).first;
    return {std::string(in.path), offset, lines->second.LineOf(offset)};
}

void LoadRecord::PartNamed(const PartStatementRead& statement, const RecordedText& in) {
    if (!KeepsParts()) return;
    PartNode node;
    node.statement = statement.statement;
    node.name = std::string(in.text.Slice(statement.nameStart, statement.nameEnd));
    node.written = PlaceIn(in, statement.nameStart);
    PartNode& parent = *open_.back();
    parent.parts.push_back(std::move(node));
    named_ = &parent.parts.back();
}

void LoadRecord::PartFound(const RecordedText& in, Cursor start) {
    if (named_ == nullptr) return;
    // start lies just after the name's text, so the byte before it is on the
    // name's line; the place is that line's start.
    TextPlace place = PlaceIn(in, start > 0 ? start - 1 : 0);
    place.offset = lines_.find(in.key)->second.LineStart(place.line);
    named_->definition = std::move(place);
}

void LoadRecord::EnterPart() {
    if (!KeepsParts()) return;
    // A part that is entered without being named (never, from the loader)
    // keeps its statements with its includer.
    open_.push_back(named_ != nullptr ? named_ : open_.back());
    named_ = nullptr;
}

void LoadRecord::LeavePart() {
    if (!KeepsParts()) return;
    if (open_.size() > 1) open_.pop_back();
    named_ = nullptr;
}

}  // namespace lumtrak::model
