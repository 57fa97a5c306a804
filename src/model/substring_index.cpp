#include "model/substring_index.h"

namespace lumtrak::model {

SubstringIndex::SubstringIndex() : states_(1) {}

std::int32_t SubstringIndex::Next(std::int32_t state, unsigned char byte) const {
    for (const auto& [label, target] : states_[static_cast<std::size_t>(state)].next) {
        if (label == byte) return target;
    }
    return -1;
}

void SubstringIndex::SetNext(std::int32_t state, unsigned char byte, std::int32_t target) {
    auto& next = states_[static_cast<std::size_t>(state)].next;
    for (auto& [label, to] : next) {
        if (label == byte) {
            to = target;
            return;
        }
    }
    next.emplace_back(byte, target);
}

void SubstringIndex::Append(std::string_view bytes) {
    for (char byte : bytes)
        Append(byte);
}

void SubstringIndex::Append(char byte) {
    const auto c = static_cast<unsigned char>(byte);
    const auto current = static_cast<std::int32_t>(states_.size());
    State added;
    added.length = states_[static_cast<std::size_t>(last_)].length + 1;
    added.firstEnd = added.length - 1;
    states_.push_back(std::move(added));

    std::int32_t p = last_;
    while (p != -1 && Next(p, c) == -1) {
        SetNext(p, c, current);
        p = states_[static_cast<std::size_t>(p)].link;
    }
    last_ = current;
    if (p == -1) {
        states_[static_cast<std::size_t>(current)].link = 0;
        return;
    }
    const std::int32_t q = Next(p, c);
    if (states_[static_cast<std::size_t>(p)].length + 1 ==
        states_[static_cast<std::size_t>(q)].length) {
        states_[static_cast<std::size_t>(current)].link = q;
        return;
    }
    const auto clone = static_cast<std::int32_t>(states_.size());
    State copy = states_[static_cast<std::size_t>(q)];
    copy.length = states_[static_cast<std::size_t>(p)].length + 1;
    states_.push_back(std::move(copy));
    while (p != -1 && Next(p, c) == q) {
        SetNext(p, c, clone);
        p = states_[static_cast<std::size_t>(p)].link;
    }
    states_[static_cast<std::size_t>(q)].link = clone;
    states_[static_cast<std::size_t>(current)].link = clone;
}

std::size_t SubstringIndex::FindFirst(std::string_view pattern) const {
    std::int32_t state = 0;
    for (char byte : pattern) {
        state = Next(state, static_cast<unsigned char>(byte));
        if (state == -1) return kNone;
    }
    return states_[static_cast<std::size_t>(state)].firstEnd + 1 - pattern.size();
}

SubstringIndex::SuffixSearch::SuffixSearch(const SubstringIndex& index, std::string_view pattern)
    : index_(index), patternLength_(pattern.size()) {
    // The longest suffix of each prefix that occurs, carried along the pattern.
    for (char byte : pattern) {
        const auto c = static_cast<unsigned char>(byte);
        while (state_ != 0 && index_.Next(state_, c) == -1) {
            state_ = index_.states_[static_cast<std::size_t>(state_)].link;
            longest_ = index_.states_[static_cast<std::size_t>(state_)].length;
        }
        if (const std::int32_t next = index_.Next(state_, c); next != -1) {
            state_ = next;
            ++longest_;
        } else {
            longest_ = 0;
        }
    }
}

std::size_t SubstringIndex::SuffixSearch::FindFirst(std::size_t length) {
    if (length > longest_ || length > patternLength_) return kNone;
    if (length == 0) return 0;
    // Every suffix of an occurring string occurs; its state lies on the chain
    // of links, at the first state whose link holds only shorter strings.
    for (;;) {
        const State& state = index_.states_[static_cast<std::size_t>(state_)];
        if (state.link == -1) break;
        if (index_.states_[static_cast<std::size_t>(state.link)].length < length) break;
        state_ = state.link;
    }
    return index_.states_[static_cast<std::size_t>(state_)].firstEnd + 1 - length;
}

}  // namespace lumtrak::model
