#include "model/definition_reader.h"

#include <algorithm>
#include <memory>

#include "model/characters.h"
#include "model/materials.h"
#include "model/performance_values.h"
#include "model/scanning.h"
#include "model/texture_registry.h"
#include "model/wrapping.h"

namespace lumtrak::model {
namespace {

// Skips blanks in the loose sense of the property statements: every byte other
// than the zero byte at or below blank, line ends and bytes 0x80 to 0xFF included.
void SkipBlanks(const DefinitionText& text, Cursor& cursor) {
    while (text[cursor] != '\0' && IsAtOrBelowBlank(text[cursor]))
        ++cursor;
}

template <typename Stop>
std::string Collect(const DefinitionText& text, Cursor& cursor, Stop stop) {
    const Cursor start = cursor;
    while (cursor < text.End() && !stop(text[cursor]))
        ++cursor;
    return std::string(text.Slice(start, cursor));
}

std::string CollectToLineEnd(const DefinitionText& text, Cursor& cursor) {
    return Collect(text, cursor, [](char c) { return c == '\0' || IsLineEnd(c); });
}

std::string CollectToBelowBlank(const DefinitionText& text, Cursor& cursor) {
    return Collect(text, cursor, [](char c) { return IsBelowBlank(c); });
}

std::string CollectAboveBlank(const DefinitionText& text, Cursor& cursor) {
    return Collect(text, cursor, [](char c) { return !IsAboveBlank(c); });
}

// The statement at start whose name, read from nameFrom, is name: the name's
// place without the blanks and tabs at either end.
PartStatementRead PartNamedBy(Statement statement, Cursor start, Cursor nameFrom,
                              std::string_view name) {
    const std::size_t first = name.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {statement, start, nameFrom, nameFrom};
    const std::size_t last = name.find_last_not_of(" \t");
    return {statement, start, nameFrom + first, nameFrom + last + 1};
}

}  // namespace

HighlightLines LinesOf(const DefinitionText& text, TextSelection selection) {
    const std::size_t end = text.End();
    Cursor last = std::min(selection.end, end);
    while (last < end && IsAtOrBelowBlank(text[last]))
        ++last;
    while (last < end && (Signed(text[last]) >= ' ' || text[last] == '\t'))
        ++last;
    Cursor first = std::min(selection.start, end);
    while (first > 0 && (Signed(text[first - 1]) >= ' ' || text[first - 1] == '\t'))
        --first;
    return {first, last};
}

void DefinitionReader::Run() {
    if (problems_ == nullptr) return Scan<false>();
    Scan<true>();
    if (openGroup_) {
        problems_->Found(Finding::GroupNotClosed, text_, *openGroup_, *openGroup_ + 1, {});
    }
}

template <bool kReport>
void DefinitionReader::Scan() {
    model_.groupOpen = 0;
    for (;;) {
        if (cursor_ >= end_) {
            FreeGroupHead(model_);
            return;
        }
        while (text_[cursor_] != '\0' && IsAtOrBelowBlank(text_[cursor_])) {
            ++cursor_;
            if (cursor_ >= end_) return EndEarly();
        }
        if (text_[cursor_] == '\0') return EndEarly();
        if (included_ && BudgetSpent()) return EndEarly();
        const Statement statement = statements_.Match(cursor_);
        if constexpr (kReport) {
            const Cursor start = cursor_;
            if (statement == Statement::None) ReportCabOnFirstLine();
            const Outcome outcome = Handle(statement);
            // A comment is read, but nothing is taken from it.
            if (statement != Statement::None && statement != Statement::Comment) {
                problems_->StatementRead(text_, start, std::min(cursor_ + 1, end_));
            }
            if (outcome == Outcome::Stop) return EndEarly();
        } else {
            if (Handle(statement) == Outcome::Stop) return EndEarly();
        }
        if (cursor_ > end_) return EndEarly();
        ++cursor_;
    }
}

DefinitionReader::Outcome DefinitionReader::Handle(Statement statement) {
    switch (statement) {
        case Statement::None:
            break;
        case Statement::Fill:
            ReadFill();
            break;
        case Statement::Rect:
        case Statement::Line: {
            const PanelKind kind = statement == Statement::Rect ? PanelKind::Rect : PanelKind::Line;
            if (problems_ != nullptr) {
                ReadOutline<true>(statement, kind);
            } else {
                ReadOutline<false>(statement, kind);
            }
            break;
        }
        case Statement::Colour:
            ReadColourAlias();
            break;
        case Statement::Include:
            ReadInclude(statement);
            break;
        case Statement::Tilt:
            ReadInclude(statement);
            break;
        case Statement::Wheel:
            ReadInclude(statement);
            break;
        case Statement::Motion1:
            ReadMotion(statement);
            break;
        case Statement::Motion2:
        case Statement::Motion3:
            ReadMotion(statement);
            break;
        case Statement::End:
            return Outcome::Stop;
        case Statement::Comment:
            SkipComment();
            break;
        case Statement::Name: {
            StepOverWord(statement);
            SkipBlanks(text_, cursor_);
            const Cursor start = cursor_;
            model_.name = CollectToLineEnd(text_, cursor_);
            const std::string& name = model_.name;
            if (problems_ != nullptr && !name.empty() &&
                (name.back() == ' ' || name.back() == '\t')) {
                problems_->Found(Finding::NameEndsInBlank, text_, start, cursor_, name);
            }
            break;
        }
        case Statement::Description:
            model_.description = ReadWordText(statement);
            break;
        case Statement::Sound:
            model_.sound = ReadWordText(statement);
            break;
        case Statement::Unit:
            model_.unitText = ReadWordText(statement);
            break;
        case Statement::Number:
            StepOverWord(statement);
            Skip();
            model_.number = Read();
            Skip();
            model_.numberText = Collect(text_, cursor_, [](char c) {
                return c == '\0' || IsLineEnd(c) || c == '#' || c == '[';
            });
            break;
        case Statement::Wheelbase:
            StepOverWord(statement);
            SkipBlanks(text_, cursor_);
            model_.wheelbase = Read() / placement_.heightDivisor;
            break;
        case Statement::Length:
            StepOverWord(statement);
            SkipBlanks(text_, cursor_);
            model_.length = WrapMultiply(Read() / placement_.heightDivisor, 3);
            if (model_.cab1 == CabPoint{0, 0, 0}) {
                model_.cab1 = {25, 30, 95};
                model_.cab2 = {-25, Low16(WrapSubtract(model_.length, 30)), 95};
            }
            break;
        case Statement::Cab:
            ReadCab(statement);
            break;
        case Statement::Cab2:
            ReadCab(statement);
            break;
        case Statement::Te:
        case Statement::Power:
        case Statement::Weight:
        case Statement::Max:
            ReadPerformance(statement);
            break;
        case Statement::BrakeRate:
            StepOverWord(statement);
            SkipBlanks(text_, cursor_);
            model_.brakeRate = Read();
            break;
        case Statement::Metric:
            SetUnits(true);
            break;
        case Statement::Imperial:
            SetUnits(false);
            break;
        case Statement::Hide:
            StepOverWord(statement);
            model_.component = 1;
            break;
        case Statement::Component:
            StepOverWord(statement);
            model_.component = 1;
            break;
        case Statement::Linear:
            model_.linear = 1;
            break;
        case Statement::OpenGroup:
            OpenGroup();
            break;
        case Statement::CloseGroup:
            CloseGroup();
            break;
    }
    return Outcome::Continue;
}

std::string DefinitionReader::ReadWordText(Statement statement) {
    StepOverWord(statement);
    SkipBlanks(text_, cursor_);
    return CollectToBelowBlank(text_, cursor_);
}

void DefinitionReader::ReadFill() {
    const Cursor start = cursor_;
    auto panel = ReadFillPanel(text_, cursor_, sides_, placement_, environment_.textureFolder,
                               aliases_, environment_.textures, problems_);
    if (turned_) ExchangeSides(panel->sides);
    if (cursor_ > end_) {
        environment_.messages.Show(platform::kEditorCaption,
                                   std::string(kReadPOverrun) + model_.name);
        if (problems_ != nullptr) {
            problems_->Found(Finding::FillOverrun, text_, start, end_, model_.name);
        }
    }
    if (Highlighted(cursor_)) panel->colour = kHighlightColour;
    if (panel->material == kHeadlight) panel->kind = PanelKind::Headlight;
    if (panel->material == kTaillight) panel->kind = PanelKind::Taillight;
    AddToModel(std::move(panel), start);
}

template <bool kReport>
void DefinitionReader::ReadOutline(Statement statement, PanelKind kind) {
    const Cursor start = cursor_;
    auto panel = std::make_unique<Panel>();
    panel->kind = kind;
    panel->sides = sides_;
    StepOverWord(statement);
    Skip();
    const bool highlighted = Highlighted(cursor_);
    // The value at the cursor, offset and divided, as its 16-bit field holds it.
    auto place = [this](std::int32_t offset, std::int32_t divisor) {
        const std::int32_t placed = Placement::Offset(offset, Read(), divisor);
        if constexpr (kReport) ReportWrap(cursor_, placed);
        return Low16(placed);
    };
    for (std::size_t slot = 0; slot < panel->vertices.size(); ++slot) {
        PanelVertex& vertex = panel->vertices[slot];
        // A line's last two slots are the swing amplitudes: no offset, no turning.
        const bool amplitude = kind == PanelKind::Line && slot >= 2;
        const std::int32_t height = placement_.heightDivisor;
        const std::int32_t plane = amplitude ? height : placement_.planeDivisor;
        vertex.x = place(amplitude ? 0 : placement_.offX, plane);
        Skip();
        vertex.y = place(amplitude ? 0 : placement_.offY, plane);
        Skip();
        vertex.z = place(amplitude ? 0 : placement_.offZ, height);
        Skip();
    }
    panel->colour = ReadColour(text_, cursor_);
    if (kind == PanelKind::Line) {
        Skip();
        panel->period = Low16(Read());
        Skip();
        panel->phase1 = Low16(Read());
        Skip();
        panel->phase2 = Low16(Read());
    }

    // The rest of the line up to a side tag or a comment.
    auto endsData = [&](Cursor pos) { return IsLineEnd(text_[pos]) || IsCommentStart(text_, pos); };
    if (!endsData(cursor_)) {
        do {
            ++cursor_;
        } while (cursor_ < end_ && !endsData(cursor_) && text_[cursor_] != '[');
    }
    if (cursor_ < end_ && text_[cursor_] == '[') ReadSides(panel->sides);
    if (highlighted) panel->colour = kHighlightColour;
    if (turned_) ExchangeSides(panel->sides);
    AddToModel(std::move(panel), start);
}

void DefinitionReader::AddToModel(std::unique_ptr<Panel> panel, Cursor start) {
    if (++environment_.budget.panels > environment_.limits.panels) {
        if (environment_.SpendBudget()) ReportBudgetSpent(start);
        if (included_) return;
    }
    if (!included_ &&
        !CountOwnPanel(environment_.limits, environment_.budget, environment_.notes)) {
        return;
    }
    if (problems_ != nullptr) problems_->PanelAdded(*panel, text_, start);
    AddPanel(model_, std::move(panel), environment_.textures);
}

bool DefinitionReader::BudgetSpent() {
    LoadBudget& budget = environment_.budget;
    budget.includedBytes += cursor_ - counted_;
    counted_ = cursor_;
    if (budget.includedBytes > environment_.limits.includedBytes && environment_.SpendBudget()) {
        ReportBudgetSpent(cursor_);
    }
    return budget.spent;
}

void DefinitionReader::ReadColourAlias() {
    StepOverWord(Statement::Colour);
    Skip();
    const std::string name = CollectAboveBlank(text_, cursor_);
    Skip();
    const std::string value = CollectAboveBlank(text_, cursor_);
    aliases_.Append(name, value);
}

void DefinitionReader::ReadInclude(Statement statement) {
    const Cursor start = cursor_;
    StepOverWord(statement);
    Skip();
    const std::int32_t x = Placement::Offset(offX_, Read(), placement_.planeDivisor);
    Skip();
    const std::int32_t y = Placement::Offset(offY_, Read(), placement_.planeDivisor);
    Skip();
    const std::int32_t z = Placement::Offset(offZ_, Read(), placement_.heightDivisor);
    Skip();
    if (statement == Statement::Wheel) {
        // Two values for the 3D scene; the model does not use them.
        Skip();
        Skip();
    }

    SideMask sides = sides_;
    if (text_[cursor_] == '[') {
        ReadSides(sides);
        // The name follows the tag: step past its ']' and the blanks after it.
        Cursor close = cursor_;
        while (close < end_ && text_[close] != '\0' && !IsLineEnd(text_[close]) &&
               text_[close] != ']') {
            ++close;
        }
        if (text_[close] == ']') {
            cursor_ = close + 1;
            while (text_[cursor_] == ' ' || text_[cursor_] == '\t')
                ++cursor_;
        }
    }
    const Cursor nameFrom = std::min(cursor_, end_);  // a field may end past the end
    const std::string name = Collect(
        text_, cursor_, [](char c) { return c == '\0' || IsLineEnd(c) || c == '#' || c == '['; });
    if (text_[cursor_] == '[') ReadSides(sides);

    const PartStatementRead named = PartNamedBy(statement, start, nameFrom, name);
    includes_.Named(named);
    const std::string_view trimmed = platform::Trim(name, " \t");
    const std::int32_t savedLength = model_.length;
    if (problems_ != nullptr) {
        problems_->BeginInclude(text_, named.nameStart, named.nameEnd, trimmed);
    }
    const IncludeOutcome outcome = includes_.Resolve(model_, trimmed, x, y, z, sides, turned_);
    if (problems_ != nullptr) {
        problems_->EndInclude();
        ReportInclude(outcome, named.nameStart, named.nameEnd, trimmed);
    }
    model_.length = savedLength;
}

void DefinitionReader::ReadMotion(Statement statement) {
    const Cursor start = cursor_;
    StepOverWord(statement);
    const int values = statement == Statement::Motion1 ? 3 : 6;
    Skip();
    for (int i = 0; i < values; ++i)
        Skip();
    const Cursor nameFrom = std::min(cursor_, end_);  // a field may end past the end
    const std::string name =
        Collect(text_, cursor_, [](char c) { return c == '\0' || IsLineEnd(c) || c == '#'; });
    includes_.Named(PartNamedBy(statement, start, nameFrom, name));
}

void DefinitionReader::ReadCab(Statement statement) {
    StepOverWord(statement);
    const bool secondOnly = statement == Statement::Cab2;
    Skip();
    const std::int32_t d = placement_.heightDivisor;
    CabPoint point{};
    auto place = [&](std::int32_t offset) {
        const std::int32_t placed = Placement::Offset(offset, Read(), d);
        if (problems_ != nullptr) ReportWrap(cursor_, placed);
        return Low16(placed);
    };
    point[0] = place(offX_);
    Skip();
    point[1] = place(offY_);
    Skip();
    point[2] = place(offZ_);
    if (secondOnly) {
        model_.cab2 = point;
        return;
    }
    model_.cab1 = point;
    model_.cab2 = {Low16(-point[0]), Low16(WrapSubtract(model_.length, point[1])), point[2]};
}

void DefinitionReader::ReadPerformance(Statement statement) {
    StepOverWord(statement);
    SkipBlanks(text_, cursor_);
    const std::int32_t value = Read();
    const std::string unitText = ToLowerAscii(CollectToBelowBlank(text_, cursor_));
    switch (statement) {
        case Statement::Te:
            model_.tractiveEffort = TractiveEffortValue(value, unitText, metric_);
            break;
        case Statement::Power:
            model_.power = PowerValue(value, unitText, metric_);
            break;
        case Statement::Weight:
            model_.weight = WeightValue(value, unitText, metric_);
            break;
        default:
            model_.maxSpeed = MaxSpeedValue(value, unitText, metric_);
            break;
    }
}

void DefinitionReader::OpenGroup() {
    model_.groupOpen = 1;
    FreeGroupHead(model_);
    openGroup_ = cursor_;
    StepOverWord(Statement::OpenGroup);
}

void DefinitionReader::CloseGroup() {
    model_.groupOpen = 0;
    openGroup_.reset();
    StepOverWord(Statement::CloseGroup);
    if (model_.groupHead) {
        model_.groupTail = nullptr;
        AddPanel(model_, std::move(model_.groupHead), environment_.textures);
    }
}

void DefinitionReader::SkipComment() {
    while (cursor_ < end_ && !IsControlOtherThanTab(text_[cursor_]))
        ++cursor_;
}

void DefinitionReader::ReportInclude(IncludeOutcome outcome, Cursor start, Cursor end,
                                     std::string_view name) {
    std::optional<Finding> finding;
    switch (outcome) {
        case IncludeOutcome::NotFound:
            finding = Finding::IncludeNotFound;
            break;
        case IncludeOutcome::Unreadable:
            finding = Finding::IncludeUnreadable;
            break;
        case IncludeOutcome::Cycle:
            finding = Finding::IncludeCycle;
            break;
        case IncludeOutcome::TooDeep:
            finding = Finding::IncludeTooDeep;
            break;
        case IncludeOutcome::BudgetSpent:
            finding = Finding::IncludeBudget;
            break;
        case IncludeOutcome::Loaded:
        case IncludeOutcome::NoName:
        case IncludeOutcome::Skipped:
            break;
    }
    if (finding) problems_->Found(*finding, text_, start, end, name);
}

void DefinitionReader::ReportWrap(Cursor at, std::int32_t placed) {
    if (placed == Low16(placed)) return;
    const IntegerSpan value = IntegerSpanAt(text_, at);
    problems_->Found(Finding::ValueWraps, text_, value.start, value.end, std::to_string(placed));
}

void DefinitionReader::ReportCabOnFirstLine() {
    if (ToLowerAscii(text_[cursor_]) != 'c' || !statements_.CabOnFirstLine(cursor_)) return;
    const Cursor end =
        cursor_ +
        StatementWord(text_[cursor_ + 3] == '2' ? Statement::Cab2 : Statement::Cab).size();
    problems_->Found(Finding::CabFirstLine, text_, cursor_, end, {});
}

void DefinitionReader::ReportBudgetSpent(Cursor start) {
    if (problems_ != nullptr) {
        problems_->Found(Finding::IncludeBudget, text_, start, std::min(start + 1, end_), {});
    }
}

}  // namespace lumtrak::model
