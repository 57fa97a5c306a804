#pragma once

#include <filesystem>
#include <string>

#include "model/include_cache.h"
#include "platform/message_sink.h"
#include "platform/program_folder.h"
#include "platform/status_sink.h"
#include "stockindex/rebuild.h"
#include "stockindex/stock_index.h"
#include "support/temp_folder.h"

namespace lumtrak::parts {

// A generated program folder: a locomotive and a wagon that include a bogie,
// which places an axle twice; a coupling rod that moves and places the axle;
// and its "Stock Index", rebuilt from the trees.
class PartsPackage {
  public:
    static constexpr std::string_view kLoco =
        "# A locomotive\r\n"
        "name Loco\r\n"
        "include 0 150 0 Bogie A\r\n"
        "include 0 450 0 [Left] !bogie a [Right]\r\n"
        "motion1 0 10 20 Rod\r\n"
        "[end]\r\n";
    static constexpr std::string_view kBogie =
        "name Bogie A\n"
        "hide\n"
        "wheel 0 -35 18 -1 0 Axle\n"
        "wheel 0 35 18 -1 90 Axle\n"
        "[end]\n";

    PartsPackage() {
        loco = folder.Write("Stock/Locomotives/loco.stk", kLoco);
        bogie = folder.Write("Stock/Parts/bogie.stk", kBogie);
        axle = folder.Write("Stock/Parts/axle.stk",
                            "name Axle\ncomponent\nfill 0 0 0 1 0 0 1 1 0 0 1 0 1/1/1\n[end]\n");
        rod = folder.Write("Stock/Parts/rod.stk", "name Rod\ninclude 0 0 0 Axle\n[end]\n");
        wagon = folder.Write("QZV/Stock/Wagons/wagon.stk",
                             "name Wagon\r\n  tilt 0 0 0 BOGIE A # the only one\r\n[end]\r\n");
        folder.Write("Stock/Parts/notes.txt", "include 0 0 0 Bogie A\n");
        platform::SetProgramFolderOverride(Folder());
        platform::NullMessageSink messages;
        platform::NullStatusSink status;
        std::vector<std::string> notes;
        stockindex::RebuildStockIndex(Folder(), messages, status, notes);
    }
    ~PartsPackage() { platform::SetProgramFolderOverride({}); }

    std::string Folder() const { return folder.Path().string(); }

    testing::TempFolder folder;
    std::string loco, bogie, axle, rod, wagon;
    model::IncludeCache includes{stockindex::ReadPartIndex};
};

inline std::string Real(const std::string& path) {
    return std::filesystem::canonical(path).string();
}

}  // namespace lumtrak::parts
