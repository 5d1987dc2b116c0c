#include "ParamIDConverter.h"

#include "ParamBlock2.h"

namespace {

const ParamID NO_COUNTERPART = -1;

// Looks id up in a table indexed by source ID.
template <int N>
ParamID Lookup(const ParamID (&table)[N], ParamID id) {
    return id >= 0 && id < N ? table[id] : NO_COUNTERPART;
}

const ParamID refTexTable[] = {0, 1, 2, 5, 6, 7, 9, 10, 11, 12, 13, 3, 4};

const ParamID brushTable[] = {0, 1, -1, 3, 4, 5, 6, -1, -1, 7, 8};

// Source IDs 0 to 44; 45 and up have no counterpart.
// clang-format off
const ParamID linesetTable[] = {
    0,  1,  2,  -1, -1, -1, -1, -1, -1, -1,  // 0 - 9
    -1, -1, 10, 14, 13, 12, 11, 1,  0,  5,   // 10 - 19
    6,  7,  4,  3,  2,  0,  1,  2,  5,  6,   // 20 - 29
    7,  -1, 4,  3,  5,  3,  4,  8,  9,  -1,  // 30 - 39
    -1, -1, -1, -1, 8,                       // 40 - 44
};
// clang-format on

}  // namespace

ParamIDConverter baseParamIDConverter;

ParamID ParamIDConverter::ConvertID(ParamID id, ParamType2 type) {
    return type == TYPE_MTL || type == TYPE_TEXMAP ? NO_COUNTERPART : id;
}

ParamID ParamIDConverterRefTex::ConvertID(ParamID id, ParamType2 type) {
    (void)type;
    return Lookup(refTexTable, id);
}

ParamID ParamIDConverterRefTexForOutline::ConvertID(ParamID id, ParamType2 type) {
    (void)type;
    return id == 6 ? ParamID(8) : NO_COUNTERPART;
}

ParamID ParamIDConverterBrush::ConvertID(ParamID id, ParamType2 type) {
    (void)type;
    return Lookup(brushTable, id);
}

ParamID ParamIDConverterLineset::ConvertID(ParamID id, ParamType2 type) {
    (void)type;
    return Lookup(linesetTable, id);
}
