#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace lumtrak::model {

// Where a growing text first holds a given substring, in time proportional to
// the substring and not to the text (a suffix automaton, extended as bytes are
// appended). Searching a text of n bytes for m patterns one after another would
// cost up to n times m.
class SubstringIndex {
  public:
    static constexpr std::size_t kNone = static_cast<std::size_t>(-1);

    SubstringIndex();

    void Append(std::string_view bytes);

    // The first position at which pattern occurs, as std::string::find gives it.
    std::size_t FindFirst(std::string_view pattern) const;

    // The suffixes of one pattern, longest first: the pattern is fed once, then
    // its suffixes are asked for in order of decreasing length. Costs the
    // pattern's length in all, however many suffixes are asked for.
    class SuffixSearch {
      public:
        SuffixSearch(const SubstringIndex& index, std::string_view pattern);
        // Where the suffix of this length first occurs, or kNone.
        std::size_t FindFirst(std::size_t length);

      private:
        const SubstringIndex* index_;
        std::uint32_t state_ = 0;  // holds the longest suffix that occurs
        std::size_t longest_ = 0;  // its length
    };

  private:
    static constexpr std::uint32_t kNoState = UINT32_MAX;

    struct State {
        std::uint32_t length = 0;            // of its longest string
        std::uint32_t link = kNoState;       // the state of its longest suffix found elsewhere
        std::uint32_t firstEnd = 0;          // where its first occurrence ends (last byte)
        std::uint32_t firstEdge = kNoState;  // its transitions, as a list in edges_
    };
    struct Edge {
        std::uint32_t target;
        std::uint32_t next;
        unsigned char byte;
    };

    void Append(unsigned char byte);
    std::uint32_t Next(std::uint32_t state, unsigned char byte) const;
    void SetNext(std::uint32_t state, unsigned char byte, std::uint32_t target);
    const State& At(std::uint32_t state) const { return states_[state]; }

    std::vector<State> states_;
    std::vector<Edge> edges_;
    std::uint32_t last_ = 0;
};

}  // namespace lumtrak::model
