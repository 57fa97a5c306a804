#pragma once

#include <string_view>

#include "model/definition_text.h"

namespace lumtrak::model {

struct Panel;

// What the readers of definition text find that the previews cannot use, or
// will show otherwise than the author probably meant.
enum class Finding {
    IncludeNotFound,    // an include names a part defined neither in its text nor in the index
    IncludeUnreadable,  // a file that "Stock Index" names for the part cannot be read
    IncludeCycle,       // the part leads back to a definition that is being loaded
    IncludeTooDeep,     // includes nest deeper than a load follows
    IncludeBudget,      // the load's include budget ran out at this statement
    NameEndsInBlank,    // a "name" whose text ends in a blank or a tab
    TextureNotFound,    // a fill's texture is in none of the texture folders
    TextureUnreadable,  // a fill's texture file is no bitmap that the 3D preview reads
    ColourAliasNotFound,
    CabFirstLine,  // a "cab" or "cab2" on the first line of its text, which counts for nothing
    ValueWraps,    // a coordinate that does not fit 16 bits once placed
    GroupNotClosed,
    FillOverrun,  // a fill whose data runs past the end of the text
};

// Where the loader, the fill reader, the texture lookup and the 2D drawing tell
// what they find while they run as they always do. They call it at statement
// level only, and a load or drawing without one neither reports nor costs
// anything more.
class ProblemSink {
  public:
    virtual ~ProblemSink() = default;

    // Found at [start, end) of text; subject is what it concerns (a part's
    // name, a texture's file name, an alias, a value).
    virtual void Found(Finding finding, const DefinitionText& text, Cursor start, Cursor end,
                       std::string_view subject) = 0;

    // The scan read a statement (a comment included) from start up to end.
    virtual void StatementRead(const DefinitionText& text, Cursor start, Cursor end) = 0;

    // An include whose name stands at [start, end) of text is resolved: what
    // its part reports until EndInclude belongs to that include.
    virtual void BeginInclude(const DefinitionText& text, Cursor start, Cursor end,
                              std::string_view name) = 0;
    virtual void EndInclude() = 0;
    // A part is read from text, the file at path (as the index names it).
    virtual void PartFile(const DefinitionText& text, std::string_view path) = 0;

    // A panel of the statement at start of text joins the model.
    virtual void PanelAdded(const Panel& panel, const DefinitionText& text, Cursor start) = 0;
    // The 2D drawing leaves out a panel that it would have drawn: its depth
    // pool is full.
    virtual void PanelLeftOut(const Panel& panel) = 0;
};

}  // namespace lumtrak::model
