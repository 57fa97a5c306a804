#pragma once

#include <string>
#include <vector>

#include "model/definition_loader.h"
#include "model/include_cache.h"
#include "model/texture_registry.h"
#include "platform/message_sink.h"
#include "platform/program_folder.h"
#include "stockindex/stock_index.h"
#include "support/stock_index_text.h"
#include "support/temp_folder.h"

namespace lumtrak::model {

// Loads definitions as the 2D preview does, with a temporary program folder
// for "Stock Index" and stock files.
class LoaderTest : public ::testing::Test {
  protected:
    LoaderTest() { platform::SetProgramFolderOverride(programFolder.Path().string()); }
    ~LoaderTest() override { platform::SetProgramFolderOverride(""); }

    StockModel& Load(std::string bytes, TextSelection selection = {}, bool highlight = false) {
        text_ = std::move(bytes);
        model_ = std::make_unique<StockModel>();
        LoadEnvironment environment(messages, textures, includes);
        LoadDefinitionAt(*model_, DefinitionText(text_), selection, highlight, environment);
        return *model_;
    }

    // The panels of a list or chain in order.
    static std::vector<const Panel*> Panels(const std::unique_ptr<Panel>& first) {
        std::vector<const Panel*> panels;
        for (const Panel* p = first.get(); p != nullptr; p = p->next.get())
            panels.push_back(p);
        return panels;
    }

    // Writes a "Stock Index" of name/path lines with CR LF line ends.
    void WriteIndex(const std::vector<std::pair<std::string, std::string>>& entries) {
        programFolder.Write("Stock Index", testing::StockIndexText(entries));
    }

    testing::TempFolder programFolder;
    platform::RecordingMessageSink messages;
    TextureRegistry textures;
    IncludeCache includes{stockindex::ReadPartIndex};

  private:
    std::string text_;
    std::unique_ptr<StockModel> model_;
};

}  // namespace lumtrak::model
