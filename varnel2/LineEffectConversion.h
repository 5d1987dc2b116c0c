// Conversion of a Varnel 2 line render effect into a new Varnel 3 one, with
// its line sets, brushes and brush maps.
#pragma once

#include "Effects.h"
#include "Materials.h"

class ConversionRegistry;

// The new Varnel 3 line effect, or null when e is not a Varnel 2 line effect
// or no new effect could be made. suffix (or null) is appended to the name.
Effect* ConvertVrn2LineEffect(Effect* e, ConversionRegistry* registry, const char* suffix);

// The Varnel 3 objects converted (once per run) from a Varnel 2 line set,
// brush and brush sub-map, or null when none could be made.
ReferenceTarget* ConvertVrn2LineSet(ReferenceTarget* s, ConversionRegistry* registry);
Texmap* ConvertVrn2Brush(Texmap* b, ConversionRegistry* registry);
Texmap* ConvertVrn2BrushSubMap(Texmap* m, ConversionRegistry* registry);

// Slot b of dst receives a clone of src's map in slot a, made once per run.
void CloneSubTexmap(MtlBase* src, int a, MtlBase* dst, int b, ConversionRegistry* registry);
