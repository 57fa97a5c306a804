#include "diagnostics/problem_collector.h"

#include <algorithm>
#include <charconv>

#include "model/characters.h"
#include "model/load_environment.h"
#include "model/wrapping.h"
#include "preview3d/scene_builder.h"

namespace lumtrak::diagnostics {
namespace {

using model::Cursor;
using model::Finding;

std::int32_t ParseInt32(std::string_view digits) {
    std::int32_t value = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return value;
}

std::optional<ProblemCode> CodeOf(Finding finding) {
    switch (finding) {
        case Finding::IncludeNotFound:
            return ProblemCode::IncludeNotFound;
        case Finding::IncludeUnreadable:
            return ProblemCode::IncludeUnreadable;
        case Finding::IncludeCycle:
            return ProblemCode::IncludeCycle;
        case Finding::IncludeTooDeep:
            return ProblemCode::IncludeTooDeep;
        case Finding::IncludeBudget:
            return ProblemCode::IncludeBudget;
        case Finding::NameEndsInBlank:
            return ProblemCode::NameTrailingBlank;
        case Finding::TextureNotFound:
            return ProblemCode::TextureNotFound;
        case Finding::TextureUnreadable:
            return ProblemCode::TextureUnreadable;
        case Finding::ColourAliasNotFound:
            return ProblemCode::ColourAliasNotFound;
        case Finding::CabFirstLine:
            return ProblemCode::CabFirstLine;
        case Finding::ValueWraps:
            return ProblemCode::ValueWraps;
        case Finding::GroupNotClosed:
            return ProblemCode::GroupNotClosed;
        case Finding::FillOverrun:
            return ProblemCode::FillOverrun;
    }
    return std::nullopt;
}

}  // namespace

ProblemCollector::ProblemCollector(std::string_view text, std::string file,
                                   std::function<bool()> listedInIndex)
    : text_(text), file_(std::move(file)), listedInIndex_(std::move(listedInIndex)), lines_(text) {}

bool ProblemCollector::InThisText(const model::DefinitionText& text) const {
    return text.Data() == text_.data() && text.End() == text_.size();
}

const LineIndex& ProblemCollector::LinesOf(const model::DefinitionText& text) {
    if (InThisText(text)) return lines_;
    std::unique_ptr<LineIndex>& lines = partLines_[text.Data()];
    if (!lines) lines = std::make_unique<LineIndex>(text.Bytes());
    return *lines;
}

ProblemCollector::Place ProblemCollector::PlaceOf(const model::DefinitionText& text, Cursor start,
                                                  Cursor end) {
    if (includes_.empty()) return {start, end, std::nullopt};
    const auto file = partFiles_.find(text.Data());
    PartPlace part{includes_.back().name,
                   InThisText(text) || file == partFiles_.end() ? file_ : file->second,
                   LinesOf(text).PositionOf(start).line};
    return {includes_.front().start, includes_.front().end, std::move(part)};
}

void ProblemCollector::Add(ProblemCode code, const Place& place,
                           std::vector<std::string> arguments) {
    if (place.part) {
        std::string key = std::to_string(place.start) + '\n' + std::string(KindOf(code).name) +
                          '\n' + place.part->name + '\n' + place.part->file;
        for (const std::string& argument : arguments)
            key += '\n' + argument;
        if (!partProblems_.insert(std::move(key)).second) return;
    }
    Problem problem;
    problem.file = file_;
    problem.offset = place.start;
    problem.length = place.end > place.start ? place.end - place.start : 0;
    const LineIndex::Position position = lines_.PositionOf(place.start);
    problem.line = position.line;
    problem.column = position.column;
    problem.code = code;
    problem.arguments = std::move(arguments);
    problem.part = place.part;
    problems_.push_back(std::move(problem));
}

void ProblemCollector::Found(Finding finding, const model::DefinitionText& text, Cursor start,
                             Cursor end, std::string_view subject) {
    const std::optional<ProblemCode> code = CodeOf(finding);
    if (!code) return;
    std::vector<std::string> arguments;
    switch (finding) {
        case Finding::NameEndsInBlank:
            // Only this text's own name lines, and only where the index lists it.
            if (!includes_.empty() || !InThisText(text)) return;
            if (!listed_) listed_ = listedInIndex_ && listedInIndex_();
            if (!*listed_) return;
            arguments = {std::string(subject)};
            break;
        case Finding::IncludeTooDeep:
            arguments = {std::string(subject),
                         std::to_string(model::LoadEnvironment::kMaxIncludeDepth)};
            break;
        case Finding::ValueWraps: {
            const std::int32_t placed = ParseInt32(subject);
            arguments = {std::string(subject), std::to_string(model::Low16(placed))};
            break;
        }
        case Finding::CabFirstLine:
            arguments = {std::string(text.Slice(start, end))};
            break;
        case Finding::IncludeBudget:
        case Finding::GroupNotClosed:
        case Finding::FillOverrun:
            break;
        default:
            arguments = {std::string(subject)};
            break;
    }
    Add(*code, PlaceOf(text, start, end), std::move(arguments));
}

void ProblemCollector::StatementRead(const model::DefinitionText& text, Cursor start, Cursor end) {
    if (includes_.empty() && InThisText(text)) statements_.emplace_back(start, end);
}

void ProblemCollector::BeginInclude(const model::DefinitionText&, Cursor start, Cursor end,
                                    std::string_view name) {
    includes_.push_back({start, end, std::string(name)});
}

void ProblemCollector::EndInclude() {
    if (!includes_.empty()) includes_.pop_back();
}

void ProblemCollector::PartFile(const model::DefinitionText& text, std::string_view path) {
    partFiles_[text.Data()] = std::string(path);
}

void ProblemCollector::PanelAdded(const model::Panel& panel, const model::DefinitionText& text,
                                  Cursor start) {
    if (includes_.empty()) {
        panels_.push_back({&panel, start, start, kNoPart});
        return;
    }
    Place place = PlaceOf(text, start, start);
    panelParts_.push_back(std::move(*place.part));
    panels_.push_back({&panel, place.start, place.end, panelParts_.size() - 1});
}

void ProblemCollector::PanelLeftOut(const model::Panel& panel) {
    ++leftOut_;
    firstLeftOut_ = &panel;
}

void ProblemCollector::FinishDefinition(Cursor start, Cursor stop) {
    includes_.clear();
    AddIgnoredLines(start, stop);
    AddLeftOutPanels();
    statements_.clear();
    panels_.clear();
    panelParts_.clear();
    leftOut_ = 0;
    firstLeftOut_ = nullptr;
    // The parts' texts are gone with the load that read them.
    partFiles_.clear();
    partLines_.clear();
}

void ProblemCollector::AddIgnoredLines(Cursor start, Cursor stop) {
    const model::DefinitionText text(text_);
    stop = std::min(stop + 1, text_.size());
    if (start >= stop) return;
    std::size_t next = 0;  // the first statement that may reach into the line
    for (std::size_t line = lines_.LineOf(start); line <= lines_.LineOf(stop - 1); ++line) {
        const Cursor lineStart = std::max(lines_.LineStart(line), start);
        const Cursor lineEnd = std::min(lines_.LineEnd(line), stop);
        Cursor first = lineStart;
        while (first < lineEnd && model::IsAtOrBelowBlank(text[first]))
            ++first;
        if (first == lineEnd || model::IsCommentStart(text, first)) continue;
        while (next < statements_.size() && statements_[next].second <= lineStart)
            ++next;
        if (next < statements_.size() && statements_[next].first < lineEnd) continue;
        // What the 3D scene reads alone ("strip", "endstrip") is no ignored text.
        bool readByScene = false;
        for (Cursor p = first; p < lineEnd && !readByScene; ++p)
            readByScene = preview3d::IsSceneStatementAt(text, p);
        if (readByScene) continue;
        Cursor last = lineEnd;
        while (last > first && model::IsAtOrBelowBlank(text[last - 1]))
            --last;
        Add(ProblemCode::IgnoredText, {first, last, std::nullopt}, {});
    }
}

void ProblemCollector::AddLeftOutPanels() {
    if (firstLeftOut_ == nullptr) return;
    // The panel at that address that was added last: the memory of a panel
    // freed before may serve a later one.
    const auto found = std::find_if(panels_.rbegin(), panels_.rend(),
                                    [&](const PanelPlace& p) { return p.panel == firstLeftOut_; });
    if (found == panels_.rend()) return;
    Place place{found->start, found->end, std::nullopt};
    if (found->part != kNoPart) {
        place.part = panelParts_[found->part];
    } else {
        place.end = lines_.LineEnd(lines_.LineOf(found->start));
    }
    Add(ProblemCode::PanelsBeyond2DLimit, place, {std::to_string(leftOut_)});
}

}  // namespace lumtrak::diagnostics
