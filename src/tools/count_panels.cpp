#include "tools/count_panels.h"

#include <array>

#include "model/characters.h"
#include "model/definition_text.h"

namespace lumtrak::tools {
namespace {

struct QuadrantTag {
    std::string_view tag;
    std::array<bool, 4> shows;  // Q1 to Q4
};

constexpr QuadrantTag kQuadrantTags[] = {
    {"[front]", {true, true, false, false}},
    {"[back]", {false, false, true, true}},
    {"[left]", {true, false, false, true}},
    {"[right]", {false, true, true, false}},
};

void CountIn(PanelCounts& counts, const std::array<bool, 4>& shows) {
    counts.q1 += shows[0];
    counts.q2 += shows[1];
    counts.q3 += shows[2];
    counts.q4 += shows[3];
}

}  // namespace

PanelCountResult CountPanels(std::string_view text, Selection selection) {
    selection = ClampSelection(selection, text.size());
    if (selection.start == selection.end) selection = {0, text.size()};

    const model::DefinitionText definition(text);
    PanelCounts counts;
    model::Cursor cursor = selection.start;
    while (cursor < selection.end) {
        if (!model::StartsWithIgnoringCase(definition, cursor, "fill")) {
            ++cursor;
            continue;
        }
        ++counts.total;
        while (cursor < selection.end && definition[cursor] != '[' &&
               !model::IsLineEnd(definition[cursor])) {
            ++cursor;
        }
        if (cursor >= selection.end) break;
        if (model::IsLineEnd(definition[cursor])) {
            CountIn(counts, {true, true, true, true});
            continue;
        }
        for (const auto& quadrant : kQuadrantTags) {
            if (model::StartsWithIgnoringCase(definition, cursor, quadrant.tag)) {
                CountIn(counts, quadrant.shows);
                break;
            }
        }
    }
    auto rewrite = RewriteResult::Unchanged(selection);
    rewrite.repaintsPreview = false;
    return {counts, rewrite};
}

}  // namespace lumtrak::tools
