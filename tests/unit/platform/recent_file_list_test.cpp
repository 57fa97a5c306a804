#include "platform/recent_file_list.h"

#include <gtest/gtest.h>

#include "platform/settings_values.h"

namespace lumtrak::platform {
namespace {

using Entries = std::vector<std::string>;

TEST(RecentFileList, KeepsTheNewestEntriesFirstWithoutDuplicates) {
    RecentFileList list(4);
    for (const char* path : {"/a", "/b", "/c", "/d", "/e"})
        list.Add(path);
    EXPECT_EQ(list.Entries(), (Entries{"/e", "/d", "/c", "/b"}));
    list.Add("/c");
    EXPECT_EQ(list.Entries(), (Entries{"/c", "/e", "/d", "/b"}));
    list.Remove(1);
    list.Remove(7);
    EXPECT_EQ(list.Entries(), (Entries{"/c", "/d", "/b"}));
}

TEST(RecentFileList, RoundTripsThroughTheSettingsAndForgetsRemovedEntries) {
    MemorySettingsStore settings;
    RecentFileList list(4);
    list.Add("/one");
    list.Add("/two");
    list.Write(settings);
    EXPECT_EQ(settings.Read("Recent File List", "File1"), "/two");
    EXPECT_EQ(settings.Read("Recent File List", "File2"), "/one");

    list.Remove(0);
    list.Write(settings);
    RecentFileList read(4);
    read.Read(settings);
    EXPECT_EQ(read.Entries(), (Entries{"/one"}));

    settings.values[{"Recent File List", "File3"}] = "/one";
    settings.values[{"Recent File List", "File4"}] = "/four";
    settings.values[{"Recent File List", "File5"}] = "/beyond";
    read.Read(settings);
    EXPECT_EQ(read.Entries(), (Entries{"/one", "/four"}));
}

TEST(ReadIntegerSetting, TakesOnlyWholeDecimalIntegers) {
    MemorySettingsStore settings;
    EXPECT_EQ(ReadIntegerSetting(settings, "Editor", "LightHarshness", 50), 50);
    const std::pair<const char*, int> cases[] = {
        {"75", 75},  {"-20", -20}, {"+7", 7},   {"2147483647", 2147483647}, {"", 50},
        {"abc", 50}, {"12x", 50},  {" 12", 50}, {"9999999999", 50},
    };
    for (const auto& [text, expected] : cases) {
        settings.values[{"Editor", "LightHarshness"}] = text;
        EXPECT_EQ(ReadIntegerSetting(settings, "Editor", "LightHarshness", 50), expected) << text;
    }
}

}  // namespace
}  // namespace lumtrak::platform
