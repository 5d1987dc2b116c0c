// Replacement of Varnel 2 reflection/refraction maps by Varnel 3 ones in
// everything reachable from a converted material.
#pragma once

#include "Materials.h"

class ConversionRegistry;

// Walks m's sub-materials (depth first) and map slots; a null m does nothing.
void ConvertVrn2ReflectionMaps(Mtl* m, ConversionRegistry* registry);

// Replaces the Varnel 2 reflection maps in o's map slots and, first, in the
// maps below them; a null o does nothing.
void ConvertSubTexmapsOf(MtlBase* o, ConversionRegistry* registry);

// The Varnel 3 map converted from s (once per run), or null when none could
// be made.
Texmap* ConvertVrn2ReflectionMap(Texmap* s, ConversionRegistry* registry);
