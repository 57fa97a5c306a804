#include "model/substring_index.h"

namespace lumtrak::model {

SubstringIndex::SubstringIndex() : states_(1) {}

std::uint32_t SubstringIndex::Next(std::uint32_t state, unsigned char byte) const {
    for (std::uint32_t e = states_[state].firstEdge; e != kNoState; e = edges_[e].next) {
        if (edges_[e].byte == byte) return edges_[e].target;
    }
    return kNoState;
}

void SubstringIndex::SetNext(std::uint32_t state, unsigned char byte, std::uint32_t target) {
    for (std::uint32_t e = states_[state].firstEdge; e != kNoState; e = edges_[e].next) {
        if (edges_[e].byte == byte) {
            edges_[e].target = target;
            return;
        }
    }
    edges_.push_back({target, states_[state].firstEdge, byte});
    states_[state].firstEdge = static_cast<std::uint32_t>(edges_.size() - 1);
}

void SubstringIndex::Append(std::string_view bytes) {
    for (char byte : bytes)
        Append(static_cast<unsigned char>(byte));
}

void SubstringIndex::Append(unsigned char byte) {
    const auto added = static_cast<std::uint32_t>(states_.size());
    State state;
    state.length = states_[last_].length + 1;
    state.firstEnd = state.length - 1;
    states_.push_back(state);

    std::uint32_t p = last_;
    last_ = added;
    while (p != kNoState && Next(p, byte) == kNoState) {
        SetNext(p, byte, added);
        p = states_[p].link;
    }
    if (p == kNoState) {
        states_[added].link = 0;
        return;
    }
    const std::uint32_t q = Next(p, byte);
    if (states_[p].length + 1 == states_[q].length) {
        states_[added].link = q;
        return;
    }
    // q also holds longer strings that do not end here: split off the shorter ones.
    const auto clone = static_cast<std::uint32_t>(states_.size());
    State copy = states_[q];
    copy.length = states_[p].length + 1;
    copy.firstEdge = kNoState;
    states_.push_back(copy);
    for (std::uint32_t e = states_[q].firstEdge; e != kNoState; e = edges_[e].next) {
        edges_.push_back({edges_[e].target, states_[clone].firstEdge, edges_[e].byte});
        states_[clone].firstEdge = static_cast<std::uint32_t>(edges_.size() - 1);
    }
    while (p != kNoState && Next(p, byte) == q) {
        SetNext(p, byte, clone);
        p = states_[p].link;
    }
    states_[q].link = clone;
    states_[added].link = clone;
}

std::size_t SubstringIndex::FindFirst(std::string_view pattern) const {
    std::uint32_t state = 0;
    for (char byte : pattern) {
        state = Next(state, static_cast<unsigned char>(byte));
        if (state == kNoState) return kNone;
    }
    return std::size_t{states_[state].firstEnd} + 1 - pattern.size();
}

SubstringIndex::SuffixSearch::SuffixSearch(const SubstringIndex& index, std::string_view pattern)
    : index_(&index) {
    // Along the pattern, the longest suffix of what has been fed that occurs.
    for (char c : pattern) {
        const auto byte = static_cast<unsigned char>(c);
        while (state_ != 0 && index.Next(state_, byte) == kNoState) {
            state_ = index.At(state_).link;
            longest_ = index.At(state_).length;
        }
        if (const std::uint32_t next = index.Next(state_, byte); next != kNoState) {
            state_ = next;
            ++longest_;
        } else {
            longest_ = 0;
        }
    }
}

std::size_t SubstringIndex::SuffixSearch::FindFirst(std::size_t length) {
    if (length > longest_) return kNone;
    if (length == 0) return 0;
    // Every suffix of an occurring string occurs; the state that holds it is
    // the last on the chain of links whose strings are at least that long.
    for (;;) {
        const std::uint32_t link = index_->At(state_).link;
        if (link == kNoState || index_->At(link).length < length) break;
        state_ = link;
    }
    return std::size_t{index_->At(state_).firstEnd} + 1 - length;
}

}  // namespace lumtrak::model
