#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/message_sink.h"
#include "platform/status_sink.h"
#include "stockindex/rebuild.h"
#include "stockindex/update.h"
#include "support/temp_folder.h"

namespace lumtrak::stockindex {

// A temporary program folder whose "Stock Index" is rebuilt and updated.
class StockIndexTest : public ::testing::Test {
  protected:
    bool Rebuild() { return RebuildStockIndex(Folder(), messages, status, notes); }
    bool Update(std::string_view document, std::string_view documentPath) {
        return UpdateStockIndex(document, documentPath, Folder(), messages, status, notes);
    }

    std::string Index() const { return testing::ReadFileBytes(program.Path() / "Stock Index"); }
    void WriteIndex(std::string_view bytes) const { program.Write("Stock Index", bytes); }
    std::string Folder() const { return program.Path().string(); }
    // The absolute path of a file below the program folder.
    std::string PathOf(std::string_view relative) const { return program / relative; }

    testing::TempFolder program;
    platform::RecordingMessageSink messages;
    platform::RecordingStatusSink status;
    std::vector<std::string> notes;
};

}  // namespace lumtrak::stockindex
