#pragma once

#include <string>
#include <string_view>

#include "tools/rewrite_scan.h"

namespace lumtrak::tools {

enum class VertexStatements { Copied, Mapped };

// The rewrite of the tools that map each point of the Fill, Rect and Line lists as
// they read it, and write it at once in its own place; with VertexStatements::Mapped
// Vertex statements too, written "Vertex %d %d %d ". Everything else is copied.
template <class Map>
std::string RewritePoints(std::string_view text, Selection range, VertexStatements vertices,
                          const Map& map) {
    constexpr ByteSet kKeywordStarts{{"fill", "rect", "line", "vertex"}};
    RewriteScan scan(text, range);
    std::string& out = scan.Output();
    while (scan.InRange()) {
        if (scan.OpenPointList()) continue;
        if (vertices == VertexStatements::Mapped && scan.MoveOverKeyword("vertex")) {
            WriteVertex(out, map(scan.ReadStatementPoint()));
        } else if (scan.ListOpen()) {
            AppendPoint(out, map(scan.ReadListPoint()));
        } else {
            scan.CopyRun(kKeywordStarts);
        }
    }
    return scan.TakeOutput();
}

// The rewrite of the tools that hold the points of each Fill, Rect and Line list
// until it is complete and then write the whole list: writeList(scan) writes it
// from the scan's slots. Everything else is copied; the points of a list left
// unfinished by the end of the range are written unchanged.
template <class WriteList>
std::string RewriteCompleteLists(std::string_view text, Selection range,
                                 const WriteList& writeList) {
    constexpr ByteSet kKeywordStarts{{"fill", "rect", "line"}};
    RewriteScan scan(text, range);
    while (scan.InRange()) {
        if (scan.OpenPointList()) continue;
        if (scan.ListOpen()) {
            if (scan.HoldListPoint()) writeList(scan);
        } else {
            scan.CopyRun(kKeywordStarts);
        }
    }
    scan.WriteUnfinishedList();
    return scan.TakeOutput();
}

}  // namespace lumtrak::tools
