#include <gtest/gtest.h>

#include <set>

#include "ConvertOptions.h"
#include "resource.h"

namespace {

ConvertOptionFlags WordFor(const std::set<int>& checked) {
    ConvertOptionFlags word = 0;
    for (const OptionBit& ob : optionBits)
        if (checked.count(ob.controlId)) word |= ob.bit;
    return word;
}

TEST(OptionBitsTest, PanelDefaultsGiveTheDefaultWord) {
    // Checked at the panel's defaults (the radios "Automatically" and
    // "Instance" are selected too, but set no bit).
    std::set<int> defaults = {IDC_CHK_SKIP_INVALID_ZONES,
                              IDC_CHK_SKIP_DISABLED_STROKES,
                              IDC_RADIO_AUTO,
                              IDC_CHK_AUTO_MULTIPLY,
                              IDC_RADIO_INSTANCE,
                              IDC_CHK_FT_SPECULAR_ZONE,
                              IDC_CHK_IL_HIGHLIGHT_ZONE,
                              IDC_CHK_CONVERT_REFLECTION_MAPS};
    EXPECT_EQ(WordFor(defaults), 0x10108C01u);
}

TEST(OptionBitsTest, EachControlSetsExactlyItsOwnBit) {
    struct Row {
        int control;
        ConvertOptionFlags bit;
    } rows[] = {
        {1175, 0x1}, {1176, 0x2},   {1178, 0x8000}, {1180, 0x100000},   {1177, 0x4},
        {1004, 0x8}, {1179, 0x400}, {1181, 0x800},  {1182, 0x10000000},
    };
    for (const Row& row : rows)
        EXPECT_EQ(WordFor({row.control}), row.bit) << "control " << row.control;
    EXPECT_EQ(WordFor({IDC_RADIO_INSTANCE, IDC_RADIO_AUTO, IDC_RADIO_REFER}), 0u);
}

}  // namespace
