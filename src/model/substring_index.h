#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <utility>
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
    void Append(char byte);

    // The first position at which pattern occurs, as std::string::find gives it.
    std::size_t FindFirst(std::string_view pattern) const;

    // The suffixes of one pattern, longest first: feed the pattern once, then ask
    // for its suffixes in order of decreasing length. Costs the pattern's length
    // in all, however many suffixes are asked for.
    class SuffixSearch {
      public:
        SuffixSearch(const SubstringIndex& index, std::string_view pattern);
        // Where the suffix of this length first occurs, or kNone. Lengths are
        // asked for in decreasing order.
        std::size_t FindFirst(std::size_t length);

      private:
        const SubstringIndex& index_;
        std::int32_t state_ = 0;   // holds the longest suffix that occurs
        std::size_t longest_ = 0;  // its length
        std::size_t patternLength_ = 0;
    };

  private:
    struct State {
        std::size_t length = 0;    // of the longest string of the state
        std::int32_t link = -1;    // the state of its longest proper suffix elsewhere
        std::size_t firstEnd = 0;  // the end of its first occurrence (last byte's position)
        std::vector<std::pair<unsigned char, std::int32_t>> next;
    };

    std::int32_t Next(std::int32_t state, unsigned char byte) const;
    void SetNext(std::int32_t state, unsigned char byte, std::int32_t target);

    std::vector<State> states_;
    std::int32_t last_ = 0;
};

}  // namespace lumtrak::model
