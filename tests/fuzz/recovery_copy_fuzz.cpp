// The editor's reader of recovery copies on arbitrary bytes. A copy read as
// whole must be written back to the very same bytes (so the reader accepts
// nothing that the writer would not write, and loses nothing of it), and a
// copy that is not whole gives no text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "recovery/recovery_copy.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const lumtrak::recovery::CopyReading reading = lumtrak::recovery::ReadCopy(bytes);
    if (reading.condition != lumtrak::recovery::CopyCondition::Whole) {
        if (!reading.text.empty()) std::abort();
        return 0;
    }
    const auto encoded = lumtrak::recovery::EncodeCopy(reading.header, reading.text);
    if (encoded.head + reading.text + encoded.tail != bytes) std::abort();
    return 0;
}
