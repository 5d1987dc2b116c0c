// Automatic zones: four zones that imitate a Standard material's look, a
// staircase from dark to its full diffuse colour brightened by its
// self-illumination; with CONV_AUTO_MULTIPLY grey levels in the Multiply blend
// mode instead.
#pragma once

#include "ConvertOptions.h"
#include "StdMat.h"

// Builds the four zones and hands them to newMtl. The self-illumination is
// the source's, read by the caller.
void GenerateAutoZones(Mtl* newMtl, StdMat2* source, TimeValue t, ConvertOptionFlags flags,
                       float selfAmount, const Color& selfColor, BOOL selfColorOn);
