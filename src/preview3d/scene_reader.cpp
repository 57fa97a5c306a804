// Reading one definition's statements into a scene part.
#include <array>
#include <string>
#include <string_view>

#include "model/characters.h"
#include "model/colour_aliases.h"
#include "model/fill_reader.h"
#include "model/placement.h"
#include "model/scanning.h"
#include "model/wrapping.h"
#include "preview3d/number_label.h"
#include "preview3d/scene_builder.h"

namespace lumtrak::preview3d {
namespace {

using model::Cursor;

// The statement words of the scene, in the order in which they are tried.
enum class Keyword {
    Description,
    Wheelbase,
    Number,
    Length,
    Strip,
    EndStrip,
    Vertex,
    Fill,
    Colour,
    Include,
    Wheel,
    Motion1,
    Motion2,
    Motion3,
    Cab2,
    Metric,
    Cab,
    End,
    None,
};

struct KeywordWord {
    Keyword keyword;
    std::string_view word;
};

constexpr std::array<KeywordWord, 18> kKeywords{{
    {Keyword::Description, "description"},
    {Keyword::Wheelbase, "wheelbase"},
    {Keyword::Number, "number"},
    {Keyword::Length, "length"},
    {Keyword::Strip, "strip"},
    {Keyword::EndStrip, "endstrip"},
    {Keyword::Vertex, "vertex"},
    {Keyword::Fill, "fill"},
    {Keyword::Colour, "colour"},
    {Keyword::Include, "include"},
    {Keyword::Wheel, "wheel"},
    {Keyword::Motion1, "motion1"},
    {Keyword::Motion2, "motion2"},
    {Keyword::Motion3, "motion3"},
    {Keyword::Cab2, "cab2"},
    {Keyword::Metric, "metric"},
    {Keyword::Cab, "cab"},
    {Keyword::End, "[end]"},
}};

Keyword KeywordAt(const model::DefinitionText& text, Cursor pos) {
    const char first = model::ToLowerAscii(text[pos]);
    for (const auto& entry : kKeywords) {
        if (entry.word.front() == first && model::StartsWithIgnoringCase(text, pos, entry.word)) {
            return entry.keyword;
        }
    }
    return Keyword::None;
}

std::size_t WordLength(Keyword keyword) {
    for (const auto& entry : kKeywords) {
        if (entry.keyword == keyword) return entry.word.size();
    }
    return 0;
}

class PartReader {
  public:
    PartReader(ScenePart& part, SceneSource& source, Cursor start, Cursor end,
               SceneEnvironment& environment)
        : part_(part),
          source_(source),
          text_(source.Text()),
          cursor_(start),
          end_(end),
          counted_(start),
          environment_(environment),
          included_(environment.chain.size() > 1) {}

    void Run() {
        while (cursor_ < end_) {
            while (cursor_ < end_ && model::IsNonZeroBlank(text_[cursor_]))
                ++cursor_;
            if (text_[cursor_] == '\0') break;
            // Past the budget, included definitions stop reading.
            if (included_ && BudgetSpent()) break;
            if (model::IsCommentStart(text_, cursor_)) {
                ToLineEnd();
            } else {
                const Keyword keyword = Match();
                if (keyword == Keyword::End) break;
                if (keyword != Keyword::None) Handle(keyword);
            }
            ++cursor_;
        }
        FinishPart(part_);
    }

  private:
    Keyword Match() const { return KeywordAt(text_, cursor_); }

    void Handle(Keyword keyword) {
        switch (keyword) {
            case Keyword::Description:
            case Keyword::Wheelbase:
                ToLineEnd();
                break;
            case Keyword::Number:
                ReadNumber();
                break;
            case Keyword::Length:
                ReadLength();
                break;
            case Keyword::Strip:
                inStrip_ = true;
                stripCount_ = 0;
                firstWinding_ = true;
                break;
            case Keyword::EndStrip:
                inStrip_ = false;
                // Onto the word's last letter: the "strip" inside it is no
                // statement.
                cursor_ += WordLength(keyword) - 1;
                break;
            case Keyword::Vertex:
                ReadVertex();
                break;
            case Keyword::Fill:
                ReadFill();
                break;
            case Keyword::Colour:
                ReadColourAlias();
                break;
            case Keyword::Include:
            case Keyword::Wheel:
            case Keyword::Motion1:
            case Keyword::Motion2:
            case Keyword::Motion3:
                ReadInclusion(keyword);
                break;
            case Keyword::Cab2:
            case Keyword::Cab:
                ReadCab(keyword);
                break;
            case Keyword::Metric:
                divisor_ = 3;
                break;
            case Keyword::End:
            case Keyword::None:
                break;
        }
    }

    // Steps over the keyword and the field separator after it.
    void StepOver(Keyword keyword) {
        cursor_ += WordLength(keyword);
        Skip();
    }
    void Skip() { model::SkipField(text_, cursor_); }
    std::int32_t Read() const { return model::ReadInteger(text_, cursor_); }
    // A value, then the step to the next field.
    std::int32_t Next() {
        const std::int32_t value = Read();
        Skip();
        return value;
    }

    void ToLineEnd() {
        while (cursor_ < end_ && text_[cursor_] != '\0' && !model::IsLineEnd(text_[cursor_]))
            ++cursor_;
    }

    // The part of the word at the cursor up to the first blank, line end or
    // zero byte; the cursor is left after it.
    std::string_view Word() {
        const Cursor start = cursor_;
        while (model::IsAboveBlank(text_[cursor_]))
            ++cursor_;
        return text_.Slice(start, cursor_);
    }
    void SkipBlanksOnLine() {
        while (model::IsNonZeroBlank(text_[cursor_]) && !model::IsLineEnd(text_[cursor_]))
            ++cursor_;
    }

    // "number n f": the label text is f formatted with n. The format word is
    // taken from the same line only.
    void ReadNumber() {
        StepOver(Keyword::Number);
        const std::int32_t number = Read();
        SkipBlanksOnLine();
        Word();
        SkipBlanksOnLine();
        part_.labelText = FormatNumberLabel(Word(), number);
    }

    void ReadLength() {
        cursor_ += WordLength(Keyword::Length);
        while (model::IsNonZeroBlank(text_[cursor_]))
            ++cursor_;
        part_.length = Read() / Divisor();
        if (part_.cab1 == std::array<double, 3>{}) {
            const double height = model::WrapSubtract(part_.length, 20);
            part_.cab1 = {25, 30, height};
            part_.cab2 = {-25, double(model::WrapSubtract(part_.length, 30)), height};
        }
    }

    void ReadVertex() {
        StepOver(Keyword::Vertex);
        if (!inStrip_) return;
        const std::int32_t x = Next();
        const std::int32_t y = Next();
        const std::int32_t z = Next();
        AddStripVertex({x, y, z});
    }

    // Every vertex from the third on makes a white triangle with the two before
    // it, the winding turning round from one triangle to the next.
    void AddStripVertex(std::array<std::int32_t, 3> vertex) {
        strip_[stripCount_++] = vertex;
        if (stripCount_ < 3) return;
        if (CountPanel()) {
            auto face = part_.engine.CreateFace();
            for (std::size_t i = 0; i < 3; ++i) {
                const auto& corner = strip_[firstWinding_ ? i : 2 - i];
                face->AddVertex({static_cast<float>(corner[0] / 10.0),
                                 static_cast<float>(corner[2] / 10.0),
                                 static_cast<float>(corner[1] / 10.0)});
            }
            face->SetColorRGB(1, 1, 1);
            AddPartFace(part_, std::move(face), 0);
        }
        strip_[0] = strip_[1];
        strip_[1] = strip_[2];
        stripCount_ = 2;
        firstWinding_ = !firstWinding_;
    }

    void ReadFill() {
        model::Placement placement;
        placement.offY = -(part_.length / 2);
        placement.heightDivisor = placement.planeDivisor = Divisor();
        const auto panel =
            model::ReadFillPanel(text_, cursor_, model::SideMask::AllVisible(), placement,
                                 source_.Folder(), aliases_, environment_.textures);
        if (panel && CountPanel()) AddFillFaces(part_, *panel, environment_);
    }

    void ReadColourAlias() {
        StepOver(Keyword::Colour);
        const std::string_view name = Word();
        Skip();
        const std::string_view value = Word();
        aliases_.Append(name, value);
    }

    void ReadInclusion(Keyword keyword) {
        StepOver(keyword);
        const std::int32_t x = Next();
        const std::int32_t y = Next();
        const std::int32_t z = Next();
        Inclusion at{Across(x), Along(y), Across(z), 0, 0, {}};
        switch (keyword) {
            case Keyword::Wheel:
                at.motionParameter = Next();
                at.motionKind = Next();
                break;
            case Keyword::Motion1:
                at.motionKind = 1;
                break;
            case Keyword::Motion2: {
                // Along without the shift by half the length.
                at.y = y / divisor_ / 10;
                at.motionKind = 2;
                const std::int32_t distance = Next();
                const std::int32_t height = Next();
                const std::int32_t slope = Next();
                at.extras = {distance / divisor_ / 10, height / divisor_ / 10,
                             10.0 * slope / divisor_};
                break;
            }
            case Keyword::Motion3: {
                at.motionKind = 3;
                const std::int32_t x2 = Next();
                const std::int32_t y2 = Next();
                const std::int32_t z2 = Next();
                at.extras = {Across(x2), Along(y2), Across(z2)};
                break;
            }
            default:
                break;
        }
        const std::string name = ReadName();
        IncludePart(part_, name, at, source_, environment_);
    }

    // The name of an include: up to a line end, a zero byte, '#' or '[', with
    // blanks removed at both ends. A side tag before the name thus ends it at
    // once; one after it is passed over by the scan.
    std::string ReadName() {
        const Cursor start = cursor_;
        for (char c = text_[cursor_]; c != '\0' && !model::IsLineEnd(c) && c != '#' && c != '[';
             c = text_[++cursor_]) {
        }
        std::string_view name = text_.Slice(start, cursor_);
        while (!name.empty() && model::IsNonZeroBlank(name.front()))
            name.remove_prefix(1);
        while (!name.empty() && model::IsNonZeroBlank(name.back()))
            name.remove_suffix(1);
        return std::string(name);
    }

    void ReadCab(Keyword keyword) {
        StepOver(keyword);
        const std::int32_t x = Next();
        const std::int32_t y = Next();
        const std::int32_t z = Read();
        const std::array<double, 3> point{x / divisor_, y / divisor_, z / divisor_};
        if (keyword == Keyword::Cab2) {
            part_.cab2 = point;
            return;
        }
        part_.cab1 = point;
        part_.cab2 = {-point[0], part_.length - point[1], point[2]};
    }

    std::int32_t Divisor() const { return static_cast<std::int32_t>(divisor_); }
    double Across(std::int32_t value) const { return value / divisor_ / 10; }
    double Along(std::int32_t value) const { return (value / divisor_ - part_.length / 2) / 10; }

    // Counts a panel against the build's budget; past it, included parts
    // place no more, and past its own count neither does the text itself.
    bool CountPanel() {
        model::LoadBudget& budget = environment_.budget;
        if (++budget.panels > environment_.limits.panels) {
            environment_.SpendBudget();
            if (included_) return false;
        }
        return included_ || model::CountOwnPanel(environment_.limits, budget, environment_.notes);
    }

    bool BudgetSpent() {
        model::LoadBudget& budget = environment_.budget;
        budget.includedBytes += cursor_ - counted_;
        counted_ = cursor_;
        if (budget.includedBytes > environment_.limits.includedBytes) environment_.SpendBudget();
        return budget.spent;
    }

    ScenePart& part_;
    SceneSource& source_;
    const model::DefinitionText& text_;
    Cursor cursor_;
    Cursor end_;
    Cursor counted_;
    SceneEnvironment& environment_;
    bool included_;

    double divisor_ = 1;
    model::ColourAliasList aliases_;
    bool inStrip_ = false;
    std::size_t stripCount_ = 0;
    bool firstWinding_ = true;
    std::array<std::array<std::int32_t, 3>, 3> strip_{};
};

}  // namespace

bool IsSceneStatementAt(const model::DefinitionText& text, Cursor pos) {
    return KeywordAt(text, pos) != Keyword::None;
}

void BuildPart(ScenePart& part, SceneSource& source, Cursor start, Cursor end,
               SceneEnvironment& environment) {
    PartReader(part, source, start, end, environment).Run();
}

void BuildScene(ScenePart& top, SceneSource& source, Cursor start, SceneEnvironment& environment) {
    environment.StartBuild();
    top.engine.ForgetSceneTextures();
    environment.chain.push_back({source.Key(), source.DefinitionStart(start)});
    BuildPart(top, source, start, source.Text().End(), environment);
    environment.chain.clear();
    for (std::string& note : environment.textures.TakeNotes())
        environment.notes.push_back(std::move(note));
}

}  // namespace lumtrak::preview3d
