// The single entry point of the material conversion engine.
#pragma once

#include "ConvertOptions.h"
#include "Materials.h"

class ConversionRegistry;

// Creates a new Varnel 3 material bearing source's name and fills it by the
// converter of source's class; with CONV_V2_REFLECTION_MAPS the Varnel 2
// reflection maps found in the result are converted afterwards. reference is
// the model Varnel 3 material for reference zones, or null for automatic zones.
// Answers null when the host cannot create a Varnel 3 material. The new
// material is referenced by nothing yet: the caller puts it in place.
Mtl* ConvertMaterial(Mtl* source, ConvertOptionFlags flags, Mtl* reference,
                     ConversionRegistry* registry);
