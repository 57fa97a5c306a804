#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/characters.h"
#include "model/fill_reader.h"
#include "model/load_environment.h"
#include "model/part_statement.h"
#include "model/placement.h"
#include "model/problem_sink.h"
#include "model/scanning.h"
#include "model/side_mask.h"
#include "model/statement_words.h"
#include "model/stock_model.h"

namespace lumtrak::model {

// The message of a definition whose points overrun the reader, followed by the
// definition's name.
inline constexpr std::string_view kReadPOverrun = "ReadP overrun: ";

// The lines that a selection highlights: from the start of the line holding its
// start to the end of the line holding the first non-blank byte at or after its end.
struct HighlightLines {
    Cursor start = 0;
    Cursor end = 0;
    bool Holds(Cursor pos) const { return pos >= start && pos <= end; }
};

HighlightLines LinesOf(const DefinitionText& text, TextSelection selection);

// Where the reader hands the parts that "include", "tilt" and "wheel" name: it
// finds the definition called name and loads it into model at the offset (in
// model units), with sides as its default side mask, turned round or not.
class IncludeResolver {
  public:
    virtual ~IncludeResolver() = default;
    virtual IncludeOutcome Resolve(StockModel& model, std::string_view name, std::int32_t offX,
                                   std::int32_t offY, std::int32_t offZ, const SideMask& sides,
                                   bool turned) = 0;
    // Every statement that names a part, told before its part is resolved; the
    // parts of the motion statements are named and never resolved.
    virtual void Named(const PartStatementRead& statement) { (void)statement; }
};

// Reads one definition: the scan over its statements and their handlers, with
// the state that belongs to one call of LoadDefinition.
class DefinitionReader {
  public:
    DefinitionReader(StockModel& model, const DefinitionText& text, Cursor& cursor,
                     const SideMask& sides, std::optional<TextSelection> highlight,
                     std::int32_t offX, std::int32_t offY, std::int32_t offZ, bool turned,
                     IncludeResolver& includes, LoadEnvironment& environment)
        : model_(model),
          includes_(includes),
          text_(text),
          end_(text.End()),
          cursor_(cursor),
          sides_(sides),
          offX_(offX),
          offY_(offY),
          offZ_(offZ),
          turned_(turned),
          environment_(environment),
          problems_(environment.problems),
          included_(environment.chain.size() > 1),
          counted_(cursor),
          statements_(text, cursor) {
        if (highlight) highlight_ = LinesOf(text_, *highlight);
        SetUnits(false);
    }

    void Run();

  private:
    enum class Outcome { Continue, Stop };

    // The scan; kReport: with a problem sink, told of every statement read.
    template <bool kReport>
    void Scan();
    Outcome Handle(Statement statement);
    template <bool kReport>
    void ReadOutline(Statement statement, PanelKind kind);
    void ReadFill();
    // The text after a word up to the first byte below the blank.
    std::string ReadWordText(Statement statement);
    void ReadColourAlias();
    void ReadInclude(Statement statement);
    void ReadMotion(Statement statement);
    void ReadCab(Statement statement);
    void ReadPerformance(Statement statement);
    // Hands the panel of the statement at start to the model; past the load's
    // budget, an included definition places nothing.
    void AddToModel(std::unique_ptr<Panel> panel, Cursor start);
    // Counts the text read so far by an included definition against the load's
    // budget; gives whether the budget is spent.
    bool BudgetSpent();
    void OpenGroup();
    void CloseGroup();
    void SkipComment();

    // What the problem sink is told: an include's outcome, a placed
    // coordinate that does not fit its 16 bits, a "cab" that counts for
    // nothing, the budget spent at start.
    void ReportInclude(IncludeOutcome outcome, Cursor start, Cursor end, std::string_view name);
    void ReportWrap(Cursor at, std::int32_t placed);
    void ReportCabOnFirstLine();
    void ReportBudgetSpent(Cursor start);

    // Loading that ends before the end of the text frees a group that this
    // definition left open.
    void EndEarly() {
        if (model_.groupOpen) FreeGroupHead(model_);
    }

    void SetUnits(bool metric) {
        metric_ = metric;
        placement_.heightDivisor = metric ? 9 : 3;
        placement_.planeDivisor = turned_ ? -placement_.heightDivisor : placement_.heightDivisor;
        placement_.offX = offX_;
        placement_.offY = offY_;
        placement_.offZ = offZ_;
    }
    bool Highlighted(Cursor pos) const { return highlight_ && highlight_->Holds(pos); }
    // Handlers step over their own word before reading what follows it.
    void StepOverWord(Statement statement) { cursor_ += StatementWord(statement).size(); }
    std::int32_t Read() const { return ReadInteger(text_, cursor_); }
    void Skip() { SkipField(text_, cursor_); }
    void ReadSides(SideMask& mask) {
        ReadSideTag(text_, cursor_, mask);
        if (turned_) ExchangeSides(mask);
    }

    StockModel& model_;
    IncludeResolver& includes_;
    const DefinitionText& text_;
    const std::size_t end_;
    Cursor& cursor_;
    const SideMask sides_;
    const std::int32_t offX_, offY_, offZ_;
    const bool turned_;
    LoadEnvironment& environment_;
    ProblemSink* const problems_;
    // Loaded for an include: the chain holds the definition that includes it.
    const bool included_;
    Cursor counted_;  // the text up to here is counted against the budget
    StatementMatcher statements_;
    std::optional<HighlightLines> highlight_;
    ColourAliasList aliases_;
    bool metric_ = false;
    Placement placement_;
    // The "{" of a group that no "}" has closed since.
    std::optional<Cursor> openGroup_;
};

}  // namespace lumtrak::model
