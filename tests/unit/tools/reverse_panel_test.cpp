#include "tools/reverse_panel.h"

#include <gtest/gtest.h>

#include "unit/tools/tool_test_support.h"

namespace lumtrak::tools {
namespace {

std::string Reversed(std::string_view text) {
    return After(text, ReversePanel(text, All(text)));
}

TEST(ReversePanel, ReversesFillsAndRectsAndSwapsTheEndsOfALine) {
    EXPECT_EQ(Reversed("fill 1/1/1 2/2/2 3/3/3 4/4/4 0/0/255\r\nline 1 1 1 2 2 2\r\n"),
              "Fill 1/1/1 4/4/4 3/3/3 2/2/2 0/0/255\r\nLine 2/2/2 1/1/1 \r\n");
}

TEST(ReversePanel, SwapsEachPairOfVerticesIntoTheSecondLine) {
    const std::string text =
        "strip\r\n"
        "\tvertex 1 2 3 10/20/30 *0.5 0.25\r\n"
        "\tVERTEX 4 5 6 40/50/60 *1 0\r\n"
        "endstrip\r\n";
    EXPECT_EQ(Reversed(text),
              "STRIP \r\n"
              "\t\r\n"
              "\tVertex 4 5 6 40/50/60*1.000000 0.000000\r\n"
              "\tVertex 1 2 3 10/20/30*0.500000 0.250000\r\n"
              "\r\n"
              "ENDSTRIP \r\n");
}

TEST(ReversePanel, AVertexWithoutAPartnerStaysWhereItStood) {
    const std::string text =
        "Strip\r\n"
        "  vertex 1 1 1 9/9/9\r\n"
        "  vertex 2 2 2 9/9/9\r\n"
        "  vertex 3 3 3 9/9/9 *0.5 0.5 # odd\r\n"
        "strip\r\n"
        "  vertex 4 4 4 8/8/8";
    EXPECT_EQ(Reversed(text),
              "STRIP \r\n"
              "  \r\n"
              "  Vertex 2 2 2 9/9/9\r\n\tVertex 1 1 1 9/9/9\r\n\r\n"
              "  Vertex 3 3 3 9/9/9*0.500000 0.500000 # odd\r\n"
              "STRIP \r\n"
              "  Vertex 4 4 4 8/8/8");
}

TEST(ReversePanel, ReadsMissingColoursFromTheFollowingText) {
    EXPECT_EQ(Reversed("vertex 1 2 3\r\n5\r\nvertex 4 5 6 7 8 9\r\n"),
              "\r\n5\r\nVertex 4 5 6 7/8/9\r\n\tVertex 1 2 3 5/5/5\r\n\r\n");
}

}  // namespace
}  // namespace lumtrak::tools
