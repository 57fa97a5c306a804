#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "stockindex/index_lines.h"

namespace lumtrak::stockindex {

// The files that the definition under the caret needs besides its own file, as
// the text that the "Required Files" dialog shows:
// - for each ".bmp" (any case) between two double quotes, TAB, the quoted name
//   and CR LF (quotes are looked for back to the definition's start and on to
//   the end of the text; an occurrence without both is passed over);
// - for each "include" (any case) whose stock name the index of programFolder
//   knows, the defining file's name without its folder and CR LF.
// A name that the list already contains anywhere, even as part of a longer
// name, is not added again. The definition starts after the nearest "[end]"
// before the caret and ends at its own "[end]".
std::string CollectRequiredFiles(std::string_view text, std::size_t caret,
                                 const std::string& programFolder);

// The same with the index supplied by the caller: index() is called for every
// include and gives the index's lines, or null when there is none.
std::string CollectRequiredFiles(std::string_view text, std::size_t caret,
                                 const std::function<const IndexLines*()>& index);

}  // namespace lumtrak::stockindex
