// Conversion of a Varnel 2 line render effect into a new Varnel 3 one, with
// its line sets, brushes and brush maps.
#pragma once

#include "Effects.h"

class ConversionRegistry;

// The new Varnel 3 line effect, or null when e is not a Varnel 2 line effect
// or no new effect could be made. suffix (or null) is appended to the name.
Effect* ConvertVrn2LineEffect(Effect* e, ConversionRegistry* registry, const char* suffix);
