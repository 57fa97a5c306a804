#include "cli/json_writer.h"

#include <gtest/gtest.h>

#include <string>

namespace lumtrak::cli {
namespace {

std::string written;
void Collect(std::string_view piece) {
    // Pieces come whole-sized, never empty.
    EXPECT_FALSE(piece.empty());
    written += piece;
}

void WriteDocument(JsonWriter& json, const std::string& big) {
    json.BeginObject();
    json.Key("name").String("Class 40 \"Dx\" \\ \x01\x80\xFF");
    json.Key("numbers").BeginArray().Int(-9223372036854775807LL - 1).Int(0).Int(42).EndArray();
    json.Key("real").Double(0.5).Key("bad").Double(1.0 / 0.0).Key("yes").Bool(true);
    json.Key("none").Null();
    json.Key("big").String({big, "\n", big});
    json.Key("k\"ey").BeginArray().BeginObject().EndObject().BeginArray().EndArray().EndArray();
    json.EndObject().Raw("\n");
}

TEST(JsonWriter, WritesEscapesAndUtf8) {
    JsonWriter json;
    json.BeginObject().Key("t").String("a\"b\\c\n\r\t\x1f\xe9").Key("n").Int(-3).EndObject();
    EXPECT_EQ(json.Text(), "{\"t\":\"a\\\"b\\\\c\\n\\r\\t\\u001f\xc3\xa9\",\"n\":-3}");
}

// With an output the document comes in pieces of bounded size, and together
// they are the document that a writer in memory holds.
TEST(JsonWriter, AnOutputGetsTheSameDocumentInPieces) {
    const std::string big(300000, 'x');
    JsonWriter memory;
    WriteDocument(memory, big);

    written.clear();
    JsonWriter streamed(&Collect);
    WriteDocument(streamed, big);
    EXPECT_LT(streamed.Text().size(), 1u << 17);
    streamed.Flush();
    EXPECT_TRUE(streamed.Text().empty());
    EXPECT_EQ(written, memory.Text());
    EXPECT_NE(written.find("\"bad\":null"), std::string::npos);
}

}  // namespace
}  // namespace lumtrak::cli
