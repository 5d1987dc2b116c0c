// Conversion of a Varnel 2 material into a new Varnel 3 material.
#pragma once

#include "ConvertOptions.h"
#include "Materials.h"

class ConversionRegistry;

// Fills dest from source. 1 when dest was filled completely, 0 when it stopped early.
int ConvertFromVrn2Mtl(Mtl* dest, Mtl* source, ConvertOptionFlags flags,
                       ConversionRegistry* registry);

// Fills the new Varnel 3 stroke dest from the Varnel 2 stroke source: blocks
// copied, UV generator and curve control cloned, other objects shared.
int ConvertVrn2Stroke(ReferenceTarget* source, ReferenceTarget* dest);

// Fills the Varnel 3 material's settings object dest from the Varnel 2
// material's settings object source.
int CopyVrn2MtlSubObject(ReferenceTarget* source, ReferenceTarget* dest);
