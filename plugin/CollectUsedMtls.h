// The materials a conversion may replace: those of the scene and of the
// material editor, and their sub-materials.
#pragma once

#include "MtlLib.h"

// Adds the materials of the scene's nodes (depth first), of the editor slots up
// to the first empty one, and then the sub-materials of every material added,
// except those inside Varnel 2 and Varnel 3 materials.
void CollectUsedMtls(MtlBaseLib& lib);
