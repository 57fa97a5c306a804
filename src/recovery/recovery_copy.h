#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// A recovery copy: the text of a document that was not saved, with what it
// takes to open it again as it was, and a checksum over all of it. The file
// is bytes with a line of text before each field:
//
//   LUMTRAK RECOVERY COPY 1
//   path N        then N bytes and a line break: the document's file, or none
//   title N       then N bytes (UTF-8) and a line break: its window's title
//   kind K        the type of document (the editor's resource number)
//   written T     when the copy was made, in seconds since 1970
//   text N        then N bytes and a line break: the text, byte for byte
//   crc32 HHHHHHHH   the CRC-32 of everything before this line, in hex
namespace lumtrak::recovery {

struct CopyHeader {
    std::string path;
    std::string title;
    std::int32_t kind = 0;
    std::int64_t writtenAt = 0;
    bool operator==(const CopyHeader&) const = default;
};

// A copy in three pieces, so that the text need not be copied once more: the
// file is head, the text, then tail (which holds the checksum of both).
struct EncodedCopy {
    std::string head;
    std::string tail;
};
EncodedCopy EncodeCopy(const CopyHeader& header, std::string_view text);

enum class CopyCondition {
    Whole,
    NotACopy,          // does not start as a recovery copy does
    UnknownVersion,    // a copy of a later version of the format
    Incomplete,        // ends early, or a field is not as written
    ChecksumMismatch,  // complete, but its bytes are not those written
};

// What a file holds. A copy that is not Whole is never to be trusted: header
// has what could be read of it (to tell the user which document it was), and
// text stays empty.
struct CopyReading {
    CopyCondition condition = CopyCondition::NotACopy;
    CopyHeader header;
    std::string text;
};
CopyReading ReadCopy(std::string_view bytes);

}  // namespace lumtrak::recovery
