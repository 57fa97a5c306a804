#include "tools/reverse_panel.h"

#include <array>
#include <string>

#include "model/characters.h"
#include "tools/point_map_rewrite.h"

namespace lumtrak::tools {
namespace {

// A vertex statement: position, colour and, after '*', a texture pair.
struct Vertex {
    Point position;
    Point colour;
    bool textured = false;
    double u = 0.0;
    double v = 0.0;
};

Vertex ReadVertex(RewriteScan& scan) {
    Vertex vertex;
    vertex.position = scan.ReadPoint();
    vertex.colour = scan.ReadPoint(FieldEnd::KeepHighBytes);
    if (scan.Current() == '*') {
        Cursor cursor = scan.Position() + 1;
        vertex.textured = true;
        vertex.u = ReadDecimal(scan.Text(), cursor);
        SkipDecimalField(scan.Text(), cursor);
        vertex.v = ReadDecimal(scan.Text(), cursor);
        SkipDecimalField(scan.Text(), cursor, FieldEnd::KeepHighBytes);
        scan.MoveTo(cursor);
    }
    return vertex;
}

// "Vertex %d %d %d %d/%d/%d", then "*%lf %lf" for a texture pair.
std::string VertexText(const Vertex& vertex) {
    std::string out = "Vertex ";
    const auto& p = vertex.position;
    for (std::int32_t value : {p.x, p.y, p.z}) {
        AppendInt(out, value);
        out += ' ';
    }
    const auto& c = vertex.colour;
    AppendInt(out, c.x);
    out += '/';
    AppendInt(out, c.y);
    out += '/';
    AppendInt(out, c.z);
    if (vertex.textured) {
        out += '*';
        AppendDecimal(out, vertex.u);
        out += ' ';
        AppendDecimal(out, vertex.v);
    }
    return out;
}

// The vertices of a strip, taken two by two and written as a swapped pair when
// the second arrives.
class VertexPairs {
  public:
    void Add(const Vertex& vertex, std::string& out) {
        if (!waiting_) {
            first_ = vertex;
            firstAt_ = out.size();
            waiting_ = true;
            return;
        }
        out += VertexText(vertex);
        out += "\r\n\t";
        out += VertexText(first_);
        out += "\r\n";
        waiting_ = false;
    }

    // A vertex left without a partner (at "strip", "endstrip" or the end of the
    // range) is written back unchanged where it stood.
    void Restart(std::string& out) {
        if (!waiting_) return;
        std::string text = VertexText(first_);
        if (firstAt_ < out.size() && !model::IsLineEnd(out[firstAt_])) text += ' ';
        out.insert(firstAt_, text);
        waiting_ = false;
    }

  private:
    Vertex first_;
    std::size_t firstAt_ = 0;
    bool waiting_ = false;
};

constexpr ByteSet kCopyStops{{"endstrip", "strip", "vertex", "fill", "rect", "line"}};

}  // namespace

RewriteResult ReversePanel(std::string_view text, Selection selection) {
    selection = ClampSelection(selection, text.size());
    RewriteScan scan(text, selection);
    std::string& out = scan.Output();
    VertexPairs pairs;
    while (scan.InRange()) {
        if (scan.At("endstrip") || scan.At("strip")) {
            pairs.Restart(out);
            out += scan.At("endstrip") ? "ENDSTRIP " : "STRIP ";
            scan.SkipField();
        } else if (scan.At("vertex")) {
            scan.SkipField();
            pairs.Add(ReadVertex(scan), out);
        } else if (scan.OpenPointList()) {
            continue;
        } else if (scan.ListOpen()) {
            if (!scan.HoldListPoint()) continue;
            if (scan.Kind() == ListKind::Line) {
                WriteSlots(scan, {4, 3});
            } else {
                WriteSlots(scan, {1, 4, 3, 2});
            }
        } else {
            scan.CopyRun(kCopyStops);
        }
    }
    scan.WriteUnfinishedList();
    pairs.Restart(out);
    return RewriteResult::Replace(selection, scan.TakeOutput());
}

}  // namespace lumtrak::tools
