// Zones (and optionally strokes) shaped like those of a model Varnel 3
// material. The model is only read.
#pragma once

#include "ConvertOptions.h"
#include "Materials.h"
#include "ParamBlock2.h"

// Copies the parameters of one zone: the blocks are matched position by
// position; single values are read at time 0 and written at t, table entries
// are read and written at t, and no table changes its length. The stroke
// table (9) is left to the stroke copy. With CONV_REFER_COPY the maps of map
// tables are cloned, otherwise shared; single maps and materials are shared.
void CopyZoneParams(IParamBlock2* newBlock, IParamBlock2* refBlock, TimeValue t,
                    ConvertOptionFlags flags);

// Gives newMtl one new zone per zone of reference, each with the reference
// zone's parameters and, with CONV_REFER_STROKES, its strokes (shared, or
// cloned with CONV_REFER_COPY).
void CopyReferenceZones(Mtl* newMtl, Mtl* reference, TimeValue t, ConvertOptionFlags flags);
