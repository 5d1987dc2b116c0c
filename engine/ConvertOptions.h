// The option word that a conversion run hands to every conversion it starts.
// Each reader tests only its own bits; bits not named here are always 0.
#pragma once

#include <cstdint>

typedef uint32_t ConvertOptionFlags;

// clang-format off
const ConvertOptionFlags CONV_AUTO_MULTIPLY = 0x1;               // automatic zones: grey levels, Multiply
const ConvertOptionFlags CONV_HIGHLIGHT_ADD = 0x2;               // highlight blend mode Add
const ConvertOptionFlags CONV_REFER_STROKES = 0x4;               // reference zones also take strokes
const ConvertOptionFlags CONV_REFER_COPY = 0x8;                  // reference strokes and maps are cloned
const ConvertOptionFlags CONV_V2_SKIP_INVALID_ZONES = 0x400;      // Varnel 2 zones of zero width left out
const ConvertOptionFlags CONV_V2_SKIP_DISABLED_STROKES = 0x800;   // disabled Varnel 2 strokes left out
const ConvertOptionFlags CONV_FT_SPECULAR_ZONE = 0x8000;         // finalToon's last tone becomes a zone
const ConvertOptionFlags CONV_IL_HIGHLIGHT_ZONE = 0x100000;      // Illustrate!'s last tone becomes a zone
const ConvertOptionFlags CONV_V2_REFLECTION_MAPS = 0x10000000;   // convert Varnel 2 reflection maps after
// clang-format on

// The panel control that sets each bit, in the order in which the word is
// built: a bit is set exactly when its control is checked.
struct OptionBit {
    int controlId;
    ConvertOptionFlags bit;
};

const int NUM_OPTION_BITS = 9;
extern const OptionBit optionBits[NUM_OPTION_BITS];
