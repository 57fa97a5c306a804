// The settings file's reader and key writer on arbitrary bytes: setting a key
// must make it read back as set, leave every other key as it read before, and
// change nothing when it is set again to what it holds.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/ini_text.h"

namespace {

struct Key {
    const char* group;
    const char* key;
};

constexpr Key kKeys[] = {{"Paths", "Program"},
                         {"Paths", "Stock"},
                         {"Paths", "Stock Editor"},
                         {"", "Language"},
                         {"Recent Files", "File1"}};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using lumtrak::platform::ReadIniValue;
    using lumtrak::platform::SetIniValue;
    if (size == 0) return 0;
    // The first byte picks the key; a NUL-separated tail is the new value.
    const Key& changed = kKeys[data[0] % std::size(kKeys)];
    std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
    std::string value = "/new/value";
    if (const auto cut = text.rfind('\0'); cut != std::string_view::npos && data[0] & 0x80) {
        value = std::string(text.substr(cut + 1));
        text = text.substr(0, cut);
    }

    const std::string written = SetIniValue(text, changed.group, changed.key, value);
    if (ReadIniValue(written, changed.group, changed.key) != value) std::abort();
    for (const Key& other : kKeys) {
        if (&other == &changed) continue;
        if (ReadIniValue(written, other.group, other.key) !=
            ReadIniValue(text, other.group, other.key)) {
            std::abort();
        }
    }
    if (SetIniValue(written, changed.group, changed.key, value) != written) std::abort();
    return 0;
}
