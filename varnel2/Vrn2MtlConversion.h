// Conversion of a Varnel 2 material into a new Varnel 3 material.
#pragma once

#include "ConvertOptions.h"
#include "Materials.h"

class ConversionRegistry;

// Fills dest from source. 1 when dest was filled completely, 0 when it stopped early.
int ConvertFromVrn2Mtl(Mtl* dest, Mtl* source, ConvertOptionFlags flags,
                       ConversionRegistry* registry);
