// Replacing a material in the material editor and in parent materials, each
// change one undo record.
#pragma once

#include "Materials.h"

// Puts mtl into material-editor slot slot (0..23).
void SetMtlSlot(int slot, MtlBase* mtl);

// Puts newSub into sub-material slot index of parent and moves the viewport map
// display from the old sub-material's side to the new one's.
void SetSubMtl(Mtl* parent, Mtl* newSub, int index);
