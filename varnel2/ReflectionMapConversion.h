// Replacement of Varnel 2 reflection/refraction maps by Varnel 3 ones in
// everything reachable from a converted material.
#pragma once

#include "Materials.h"

class ConversionRegistry;

// Walks m's sub-materials (depth first) and map slots; a null m does nothing.
void ConvertVrn2ReflectionMaps(Mtl* m, ConversionRegistry* registry);
