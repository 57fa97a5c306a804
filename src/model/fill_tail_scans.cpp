#include "model/fill_tail_scans.h"

#include "model/characters.h"

namespace lumtrak::model {

Cursor FillTailScans::ColourLookAheadStop(Cursor pos) {
    // Every position of the last run stops where its start stopped.
    if (pos >= runStart_ && pos < runStop_) return runStop_;
    Cursor ahead = pos;
    while (IsAboveBlank(text_[ahead]) && !IsColourJoint(text_[ahead]))
        ++ahead;
    runStart_ = pos;
    runStop_ = ahead;
    return ahead;
}

std::size_t FillTailScans::FindAlias(Cursor pos) {
    // A later position of the same token asks for a shorter suffix of it.
    const bool sameToken = suffixes_ && pos >= tokenStart_ && pos < tokenEnd_;
    if (!sameToken || pos < lastAsked_) {
        Cursor end = pos;
        while (end < text_.End() && IsAboveBlank(text_[end]))
            ++end;
        std::string token;
        token.reserve(end - pos);
        for (Cursor c = pos; c < end; ++c)
            token += ToLowerAscii(text_[c]);
        suffixes_.emplace(aliases_.Index(), token);
        tokenStart_ = pos;
        tokenEnd_ = end;
    }
    lastAsked_ = pos;
    const std::size_t found = suffixes_->FindFirst(tokenEnd_ - pos);
    return found == SubstringIndex::kNone ? std::string::npos : found;
}

}  // namespace lumtrak::model
