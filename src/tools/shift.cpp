#include "tools/shift.h"

#include <algorithm>
#include <string>

#include "model/characters.h"
#include "model/wrapping.h"
#include "tools/rewrite_scan.h"

namespace lumtrak::tools {

using model::WrapAdd;
using model::WrapMultiply;

namespace {

Point Moved(const Point& point, const Point& by) {
    return {WrapAdd(point.x, by.x), WrapAdd(point.y, by.y), WrapAdd(point.z, by.z)};
}

// Takes blanks, tabs and the other bytes up to 32 (line ends excepted) off the end
// of out, so that a rewritten line carries none before its line break.
void TrimLineEnd(std::string& out) {
    while (!out.empty()) {
        const auto last = static_cast<unsigned char>(out.back());
        if (last > ' ' || last == '\r' || last == '\n') break;
        out.pop_back();
    }
}

// "%d/%d/%d"
void WriteTriple(std::string& out, const Point& point) {
    AppendInt(out, point.x);
    out += '/';
    AppendInt(out, point.y);
    out += '/';
    AppendInt(out, point.z);
}

constexpr ByteSet kKeywordStarts{
    {"fill", "rect", "line", "wheel", "vertex", "motion1", "motion2", "include"}};
constexpr ByteSet kCopyStops{
    {"fill", "rect", "line", "wheel", "vertex", "motion1", "motion2", "include"}, "\r\n"};

// Rewrites the statement at the cursor if it is a Wheel, Vertex, Motion1, Motion2
// or Include statement, moving its position by `by`.
bool ShiftStatement(RewriteScan& scan, const Point& by) {
    std::string& out = scan.Output();
    if (scan.MoveOverKeyword("wheel")) {
        const auto v = scan.ReadStatementValues<5>();
        out += "Wheel ";
        WriteTriple(out, Moved({v[0], v[1], v[2]}, by));
        out += '\t';
        AppendInt(out, v[3]);
        out += '/';
        AppendInt(out, v[4]);
        out += ' ';
    } else if (scan.MoveOverKeyword("vertex")) {
        WriteVertex(out, Moved(scan.ReadStatementPoint(), by));
    } else if (scan.MoveOverKeyword("motion1")) {
        out += "Motion1 ";
        WriteTriple(out, Moved(scan.ReadStatementPoint(), by));
        out += '\t';
    } else if (scan.MoveOverKeyword("motion2")) {
        const auto v = scan.ReadStatementValues<6>();
        out += "Motion2 ";
        WriteTriple(out, Moved({v[0], v[1], v[2]}, by));
        out += '\t';
        AppendPoint(out, {v[3], v[4], v[5]});
    } else if (scan.MoveOverKeyword("include")) {
        out += "Include ";
        WriteTriple(out, Moved(scan.ReadStatementPoint(), by));
        out += '\t';
    } else {
        return false;
    }
    return true;
}

// One pass over range of text, moving every point by `by`.
std::string ShiftPass(std::string_view text, Selection range, const Point& by) {
    RewriteScan scan(text, range);
    while (scan.InRange()) {
        if (kKeywordStarts(scan.Current()) && (scan.OpenPointList() || ShiftStatement(scan, by))) {
            continue;
        }
        if (scan.ListOpen()) {
            AppendPoint(scan.Output(), Moved(scan.ReadListPoint(), by));
        } else if (model::IsLineEnd(scan.Current())) {
            TrimLineEnd(scan.Output());
            scan.CopyByte();
        } else {
            scan.CopyRun(kCopyStops);
        }
    }
    return scan.TakeOutput();
}

// How far past the end of its range a pass can read, in steps over a run of
// blanks (bytes up to 32 and from 0x80, read as signed values) and then a run
// of other bytes: the scan reads past its range only within the statement it
// is in, a keyword and at most six values, and reading a value steps over at
// most two such runs. With room to spare, and a few bytes looked at beyond.
constexpr int kStepsReadPastTheRange = 24;
constexpr std::size_t kBytesLookedAhead = 16;

bool IsBlankLike(char c) {
    return static_cast<signed char>(c) <= ' ';
}

// The text that a later pass reads: the earlier passes' results, then the text
// that followed the selection, cut where a pass over its first `length` bytes
// cannot read any further. So each pass costs what it reads, not the length of
// all that went before it.
std::string LaterPassText(std::string_view results, std::string_view following,
                          std::size_t length) {
    const std::size_t size = results.size() + following.size();
    const auto at = [&](std::size_t i) {
        return i < results.size() ? results[i] : following[i - results.size()];
    };
    std::size_t end = std::min(length, size);
    for (int step = 0; step < kStepsReadPastTheRange && end < size; ++step) {
        while (end < size && IsBlankLike(at(end)))
            ++end;
        while (end < size && !IsBlankLike(at(end)))
            ++end;
        ++end;
    }
    end = std::min(size, end + kBytesLookedAhead);
    std::string text(results.substr(0, std::min(end, results.size())));
    if (end > results.size()) text.append(following.substr(0, end - results.size()));
    return text;
}

}  // namespace

RewriteResult Shift(std::string_view text, Selection selection, const ShiftParameters& parameters) {
    selection = ClampSelection(selection, text.size());
    const std::int32_t passes = parameters.repeat ? parameters.repeatCount : 1;
    if (passes <= 0) return RewriteResult::Unchanged(selection);

    // Each pass reads the bytes at the selection's offsets and length as the
    // previous pass left them: the results so far, then the text that followed
    // the selection. Nothing reads before the selection, so that is all it is
    // given, and only as far as it can read.
    const std::size_t length = selection.end - selection.start;
    const std::string_view following = text.substr(selection.end);
    std::string replacement;
    for (std::int32_t k = 1; k <= passes; ++k) {
        const Point by{WrapMultiply(k, parameters.offset.x), WrapMultiply(k, parameters.offset.y),
                       WrapMultiply(k, parameters.offset.z)};
        if (k == 1) {
            replacement = ShiftPass(text, selection, by);
            if (parameters.leaveOriginal) {
                replacement = KeepOriginalBefore(text, selection, replacement);
            }
            continue;
        }
        // An empty selection reads nothing in the later passes.
        if (length == 0) break;
        const std::string current = LaterPassText(replacement, following, length);
        replacement += ShiftPass(current, {0, std::min(length, current.size())}, by);
    }
    return RewriteResult::Replace(selection, std::move(replacement));
}

}  // namespace lumtrak::tools
