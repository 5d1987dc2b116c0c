// The parameter-ID translators, row by row.
#include <gtest/gtest.h>

#include <string>

#include "ParamBlock2.h"
#include "ParamIDConverter.h"

namespace {

struct IDCase {
    const char* translator;
    int source;
    ParamType2 type;
    int expected;  // -1: no counterpart
};

ParamIDConverter& Translator(const std::string& name) {
    static ParamIDConverterRefTex refTex;
    static ParamIDConverterRefTexForOutline outline;
    static ParamIDConverterBrush brush;
    static ParamIDConverterLineset lineset;
    if (name == "RefTex") return refTex;
    if (name == "Outline") return outline;
    if (name == "Brush") return brush;
    if (name == "Lineset") return lineset;
    return baseParamIDConverter;
}

const IDCase idCases[] = {
    // The base translator keeps IDs, but never passes single materials or maps.
    {"base", 0, TYPE_FLOAT, 0},
    {"base", 37, TYPE_INT, 37},
    {"base", -3, TYPE_INT, -3},
    {"base", 5, TYPE_MTL, -1},
    {"base", 5, TYPE_TEXMAP, -1},
    {"base", 5, TYPE_MTL_TAB, 5},
    {"base", 5, TYPE_TEXMAP_TAB, 5},
    {"base", 5, TYPE_INODE, 5},
    // The others ignore the type.
    {"RefTex", 0, TYPE_FLOAT, 0},
    {"RefTex", 2, TYPE_TEXMAP, 2},
    {"RefTex", 3, TYPE_FLOAT, 5},
    {"RefTex", 5, TYPE_FLOAT, 7},
    {"RefTex", 6, TYPE_INT, 9},
    {"RefTex", 7, TYPE_INT, 10},
    {"RefTex", 10, TYPE_INT, 13},
    {"RefTex", 11, TYPE_FLOAT, 3},
    {"RefTex", 12, TYPE_INT, 4},
    {"RefTex", 13, TYPE_INT, -1},
    {"RefTex", -1, TYPE_INT, -1},
    {"Outline", 6, TYPE_INT, 8},
    {"Outline", 6, TYPE_TEXMAP, 8},
    {"Outline", 0, TYPE_FLOAT, -1},
    {"Outline", 8, TYPE_INT, -1},
    {"Brush", 0, TYPE_FLOAT, 0},
    {"Brush", 1, TYPE_MTL, 1},
    {"Brush", 2, TYPE_FLOAT, -1},
    {"Brush", 6, TYPE_INT, 6},
    {"Brush", 7, TYPE_INT, -1},
    {"Brush", 8, TYPE_INT, -1},
    {"Brush", 9, TYPE_RGBA, 7},
    {"Brush", 10, TYPE_INT, 8},
    {"Brush", 11, TYPE_INT, -1},
    {"Brush", 300, TYPE_INT, -1},
    {"Brush", -2, TYPE_INT, -1},
    {"Lineset", 0, TYPE_INT, 0},
    {"Lineset", 18, TYPE_INT, 0},
    {"Lineset", 25, TYPE_INT, 0},
    {"Lineset", 26, TYPE_INT, 1},
    {"Lineset", 27, TYPE_INT, 2},
    {"Lineset", 35, TYPE_INT, 3},
    {"Lineset", 36, TYPE_INT, 4},
    {"Lineset", 34, TYPE_INT, 5},
    {"Lineset", 29, TYPE_INT, 6},
    {"Lineset", 30, TYPE_INT, 7},
    {"Lineset", 44, TYPE_FLOAT_TAB, 8},
    {"Lineset", 38, TYPE_INT, 9},
    {"Lineset", 12, TYPE_INT, 10},
    {"Lineset", 16, TYPE_INT, 11},
    {"Lineset", 15, TYPE_INT, 12},
    {"Lineset", 14, TYPE_INT, 13},
    {"Lineset", 13, TYPE_TEXMAP, 14},
    {"Lineset", 3, TYPE_INT, -1},
    {"Lineset", 11, TYPE_INT, -1},
    {"Lineset", 31, TYPE_INT, -1},
    {"Lineset", 39, TYPE_INT, -1},
    {"Lineset", 43, TYPE_INT, -1},
    {"Lineset", 45, TYPE_INT, -1},
    {"Lineset", 32767, TYPE_INT, -1},
    {"Lineset", -1, TYPE_INT, -1},
};

TEST(ParamIDConverterTest, TranslatesEveryIDAsItsTableSays) {
    for (const IDCase& c : idCases) {
        ParamID got = Translator(c.translator).ConvertID(static_cast<ParamID>(c.source), c.type);
        EXPECT_EQ(static_cast<int>(got), c.expected)
            << c.translator << " source " << c.source << " type " << c.type;
    }
}

// Over the whole ID range, each line-set destination receives exactly as many
// sources as its table row names, and nothing lands beyond destination 14.
TEST(ParamIDConverterTest, LinesetDestinationsReceiveTheirNamedSourcesOnly) {
    ParamIDConverterLineset lineset;
    int perDest[15] = {};
    for (int id = 0; id < 100; ++id) {
        ParamID d = lineset.ConvertID(static_cast<ParamID>(id), TYPE_INT);
        if (d < 0) continue;
        ASSERT_LT(d, 15) << "source " << id;
        ++perDest[d];
    }
    const int expected[15] = {3, 3, 3, 3, 3, 3, 2, 2, 2, 1, 1, 1, 1, 1, 1};
    for (int d = 0; d < 15; ++d) EXPECT_EQ(perDest[d], expected[d]) << "destination " << d;
}

}  // namespace
