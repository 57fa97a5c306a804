#include "tools/rotate_vertices.h"

#include "tools/point_map_rewrite.h"

namespace lumtrak::tools {
namespace {

RewriteResult RotateVertices(std::string_view text, Selection selection,
                             std::initializer_list<int> panelOrder) {
    selection = ClampSelection(selection, text.size());
    std::string rewritten = RewriteCompleteLists(text, selection, [&](RewriteScan& scan) {
        if (scan.Kind() == ListKind::Line) {
            WriteSlots(scan, {4, 3});
        } else {
            WriteSlots(scan, panelOrder);
        }
    });
    return RewriteResult::ReplaceAndSelect(selection, std::move(rewritten));
}

}  // namespace

RewriteResult RotatePanelVerticesLeft(std::string_view text, Selection selection) {
    return RotateVertices(text, selection, {4, 1, 2, 3});
}

RewriteResult RotatePanelVerticesRight(std::string_view text, Selection selection) {
    return RotateVertices(text, selection, {2, 3, 4, 1});
}

}  // namespace lumtrak::tools
