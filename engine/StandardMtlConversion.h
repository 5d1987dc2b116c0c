// Conversion of materials that offer the host's StdMat2 interface: the
// Standard material and the standard-compatible material.
#pragma once

#include "ConvertOptions.h"
#include "Materials.h"

// Fills newMtl from source. TRUE when it ran to the end, FALSE when it stopped
// early (everything done so far stays in place).
BOOL ConvertStandardMtl(Mtl* newMtl, Mtl* source, ConvertOptionFlags flags, Mtl* reference);
