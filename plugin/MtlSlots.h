// Replacing a material in the material editor and in parent materials, each
// change one undo record.
#pragma once

#include "Materials.h"

// Puts mtl into material-editor slot slot (0..23).
void SetMtlSlot(int slot, MtlBase* mtl);

// Puts newSub into sub-material slot index of parent and moves the viewport map
// display from the old sub-material's side to the new one's.
void SetSubMtl(Mtl* parent, Mtl* newSub, int index);

// Makes a map-slot change that a conversion has already made inside an object
// of the scene undoable: undo puts before back into slot of owner.
void RecordSubTexmapChange(MtlBase* owner, int slot, Texmap* before, Texmap* after);
