#include "recovery/recovery_copy.h"

#include <gtest/gtest.h>

#include "recovery/checksum.h"

namespace lumtrak::recovery {
namespace {

using namespace std::string_literals;

std::string Joined(const EncodedCopy& copy, std::string_view text) {
    return copy.head + std::string(text) + copy.tail;
}

// Every byte value, NUL and line ends among them.
std::string EveryByte() {
    std::string bytes = "fill 1/2/3\r\nline\n\r";
    for (int b = 0; b < 256; ++b)
        bytes += char(b);
    return bytes;
}

const CopyHeader kHeader{"/home/author/Stock/Class 40 \xA3.stk", "Class 40 \xC2\xA3.stk", 129,
                         1718000000};

TEST(Crc32, MatchesTheKnownCheckValueInAnyPieces) {
    Crc32 whole;
    whole.Add("123456789");
    EXPECT_EQ(whole.Value(), 0xCBF43926u);
    Crc32 pieces;
    pieces.Add("1234");
    pieces.Add("");
    pieces.Add("56789");
    EXPECT_EQ(pieces.Value(), whole.Value());
    EXPECT_EQ(Crc32().Value(), 0u);
}

TEST(RecoveryCopy, GivesBackEveryByteOfTheTextAndTheHeader) {
    for (const std::string& text : {EveryByte(), ""s, "\n"s, "\0"s}) {
        CopyHeader header = kHeader;
        header.path = "/tmp/\n\0odd\xFF"s + text.substr(0, 3);
        const std::string file = Joined(EncodeCopy(header, text), text);
        const CopyReading reading = ReadCopy(file);
        ASSERT_EQ(reading.condition, CopyCondition::Whole);
        EXPECT_EQ(reading.header, header);
        EXPECT_EQ(reading.text, text);
    }
    // A document never saved has no path.
    CopyHeader untitled{"", "Lumtrak1", 130, 0};
    const CopyReading reading = ReadCopy(Joined(EncodeCopy(untitled, "x"), "x"));
    EXPECT_EQ(reading.condition, CopyCondition::Whole);
    EXPECT_EQ(reading.header, untitled);
}

TEST(RecoveryCopy, IsReadableAsText) {
    const std::string file = Joined(EncodeCopy({"/a.stk", "a.stk", 129, 7}, "fill"), "fill");
    EXPECT_EQ(file.substr(0, file.size() - 9),
              "LUMTRAK RECOVERY COPY 1\npath 6\n/a.stk\ntitle 5\na.stk\nkind 129\nwritten 7\n"
              "text 4\nfill\ncrc32 ");
    EXPECT_EQ(file.back(), '\n');
}

TEST(RecoveryCopy, NoChangedByteGoesUnnoticed) {
    const std::string text = "fill 0/0/0 1/0/0 1/1/0\r\n";
    const std::string file = Joined(EncodeCopy(kHeader, text), text);
    for (std::size_t at = 0; at < file.size(); ++at) {
        for (const char flip : {'\x01', '\x80'}) {
            std::string changed = file;
            changed[at] = char(changed[at] ^ flip);
            const CopyReading reading = ReadCopy(changed);
            EXPECT_NE(reading.condition, CopyCondition::Whole) << "byte " << at;
            EXPECT_TRUE(reading.text.empty());
        }
    }
}

TEST(RecoveryCopy, ACopyCutShortOrLengthenedIsNeverWhole) {
    const std::string text = EveryByte();
    const std::string file = Joined(EncodeCopy(kHeader, text), text);
    for (std::size_t length = 0; length < file.size(); ++length) {
        const CopyReading reading = ReadCopy(std::string_view(file).substr(0, length));
        EXPECT_NE(reading.condition, CopyCondition::Whole) << length;
    }
    EXPECT_EQ(ReadCopy(file + "\n").condition, CopyCondition::Incomplete);
}

TEST(RecoveryCopy, TellsWhatIsWrongAndKeepsWhatItCouldRead) {
    EXPECT_EQ(ReadCopy("").condition, CopyCondition::NotACopy);
    EXPECT_EQ(ReadCopy("fill 1/2/3\r\n").condition, CopyCondition::NotACopy);
    EXPECT_EQ(ReadCopy("LUMTRAK RECOVERY COPY 2\npath 0\n").condition,
              CopyCondition::UnknownVersion);

    const std::string text = "fill 1/2/3\r\n";
    std::string file = Joined(EncodeCopy(kHeader, text), text);
    file[file.find("fill")] = 'F';
    const CopyReading changed = ReadCopy(file);
    EXPECT_EQ(changed.condition, CopyCondition::ChecksumMismatch);
    EXPECT_EQ(changed.header, kHeader);  // which document it was
    EXPECT_TRUE(changed.text.empty());   // but not its text

    const CopyReading cut = ReadCopy(file.substr(0, file.find("text")));
    EXPECT_EQ(cut.condition, CopyCondition::Incomplete);
    EXPECT_EQ(cut.header.path, kHeader.path);

    // Lengths beyond the file, numbers too long or not in their one form.
    for (const char* odd : {"LUMTRAK RECOVERY COPY 1\npath 99999999999999999999\n",
                            "LUMTRAK RECOVERY COPY 1\npath 18446744073709551615\n/\n",
                            "LUMTRAK RECOVERY COPY 1\npath 01\n/\n", "LUMTRAK RECOVERY COPY 01\n",
                            "LUMTRAK RECOVERY COPY 1\npath -1\n/\n",
                            "LUMTRAK RECOVERY COPY 1\npath 0\n\ntitle 0\n\nkind 2147483648\n"}) {
        EXPECT_NE(ReadCopy(odd).condition, CopyCondition::Whole) << odd;
    }
}

}  // namespace
}  // namespace lumtrak::recovery
