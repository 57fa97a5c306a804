#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "diagnostics/check.h"
#include "model/include_cache.h"
#include "platform/message_sink.h"
#include "platform/program_folder.h"
#include "stockindex/stock_index.h"
#include "support/stock_index_text.h"
#include "support/temp_folder.h"

namespace lumtrak::diagnostics {

// Checks texts with a temporary program folder for "Stock Index", stock
// files and textures.
class CheckTest : public ::testing::Test {
  public:
    // Line, column and code of a problem.
    using Where = std::tuple<std::size_t, std::size_t, std::string>;

  protected:
    CheckTest() { platform::SetProgramFolderOverride(programFolder.Path().string()); }
    ~CheckTest() override { platform::SetProgramFolderOverride(""); }

    // The problems of every definition of text, checked as the file at
    // relative (written into the program folder first).
    std::vector<Problem> Check(const std::string& text, const std::string& relative = "t.stk",
                               std::optional<model::Cursor> only = std::nullopt) {
        const std::string path = programFolder.Write(relative, text);
        text_ = text;
        return checker.Check({text_, relative, path}, only).problems;
    }

    std::vector<Where> Places(const std::string& text, const std::string& relative = "t.stk") {
        std::vector<Where> places;
        for (const Problem& problem : Check(text, relative)) {
            places.emplace_back(problem.line, problem.column, std::string(problem.CodeName()));
        }
        return places;
    }

    // Writes a "Stock Index" of name/path lines with CR LF line ends.
    void WriteIndex(const std::vector<std::pair<std::string, std::string>>& entries) {
        programFolder.Write("Stock Index", testing::StockIndexText(entries));
    }

    testing::TempFolder programFolder;
    platform::RecordingMessageSink messages;
    model::IncludeCache includes{stockindex::ReadPartIndex};
    Checker checker{includes, messages};

  private:
    std::string text_;
};

}  // namespace lumtrak::diagnostics
