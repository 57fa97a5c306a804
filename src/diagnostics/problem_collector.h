#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

#include "diagnostics/line_index.h"
#include "diagnostics/problem.h"
#include "model/problem_sink.h"

namespace lumtrak::diagnostics {

// Turns what the loader, the fill reader, the texture lookup and the 2D drawing
// find in the definitions of one text into problems. What they find in an
// included part is reported at the include in this text, with the part's file
// and line; the notes (text the loader takes nothing from) are this text's
// own.
class ProblemCollector final : public model::ProblemSink {
  public:
    // text: the checked text, shown as file. listedInIndex tells, when first
    // asked, whether the file is one that "Stock Index" names.
    ProblemCollector(std::string_view text, std::string file, std::function<bool()> listedInIndex);

    // A definition from start has been loaded, and the reading stopped at
    // stop: the lines of [start, stop] that it took nothing from become notes,
    // and the panels that the 2D drawing left out one.
    void FinishDefinition(model::Cursor start, model::Cursor stop);

    std::vector<Problem> TakeProblems() { return std::move(problems_); }

    void Found(model::Finding finding, const model::DefinitionText& text, model::Cursor start,
               model::Cursor end, std::string_view subject) override;
    void StatementRead(const model::DefinitionText& text, model::Cursor start,
                       model::Cursor end) override;
    void BeginInclude(const model::DefinitionText& text, model::Cursor start, model::Cursor end,
                      std::string_view name) override;
    void EndInclude() override;
    void PartFile(const model::DefinitionText& text, std::string_view path) override;
    void PanelAdded(const model::Panel& panel, const model::DefinitionText& text,
                    model::Cursor start) override;
    void PanelLeftOut(const model::Panel& panel) override;

  private:
    // Where something found is reported: in this text, and for a part, where
    // it stands there.
    struct Place {
        model::Cursor start = 0;
        model::Cursor end = 0;
        std::optional<PartPlace> part;
    };
    struct Include {
        model::Cursor start = 0;
        model::Cursor end = 0;
        std::string name;
    };

    bool InThisText(const model::DefinitionText& text) const;
    Place PlaceOf(const model::DefinitionText& text, model::Cursor start, model::Cursor end);
    void Add(ProblemCode code, const Place& place, std::vector<std::string> arguments);
    void AddIgnoredLines(model::Cursor start, model::Cursor stop);
    void AddLeftOutPanels();
    const LineIndex& LinesOf(const model::DefinitionText& text);

    std::string_view text_;
    std::string file_;
    std::function<bool()> listedInIndex_;
    std::optional<bool> listed_;
    LineIndex lines_;

    std::vector<Include> includes_;  // the includes being resolved, outermost first
    std::unordered_map<const char*, std::string> partFiles_;  // by the bytes of their text
    std::unordered_map<const char*, std::unique_ptr<LineIndex>> partLines_;
    // The statements that this text's definitions read themselves, in order.
    std::vector<std::pair<model::Cursor, model::Cursor>> statements_;
    // Every panel added, in order, and where its statement stands: in this
    // text, or at an include with the place in the part (an index into
    // panelParts_).
    struct PanelPlace {
        const model::Panel* panel = nullptr;
        model::Cursor start = 0;
        model::Cursor end = 0;
        std::size_t part = kNoPart;
    };
    static constexpr std::size_t kNoPart = static_cast<std::size_t>(-1);
    std::vector<PanelPlace> panels_;
    std::vector<PartPlace> panelParts_;
    // How many panels the 2D drawing left out, and the last it told of: the
    // oldest in the model's list, which holds its panels newest first, and so
    // the first of them in the text.
    std::size_t leftOut_ = 0;
    const model::Panel* firstLeftOut_ = nullptr;

    std::vector<Problem> problems_;
    // The problems of parts already reported at each include, so that a part's
    // problem is told once there however often the part meets it.
    std::unordered_set<std::string> partProblems_;
};

}  // namespace lumtrak::diagnostics
