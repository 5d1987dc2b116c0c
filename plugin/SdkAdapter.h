// The points where the host SDK generations differ, behind one small unit
// compiled once per generation (VRN3_SDK_GENERATION: 2008, 2009, 2010, 2012).
// The engine reaches the host's generation-specific calls only through here.
#pragma once

#include "MaxTypes.h"
#include "Reference.h"

// The version word the module reports to the host it is built for.
ULONG SdkLibVersion();

// A copy of source with what its class owns, or null when it cannot be
// copied: through CloneRefHierarchy on the 2012 generation, through the
// object's Clone with a fresh DefaultRemapDir(FALSE) before.
ReferenceTarget* CloneTarget(ReferenceTarget* source);
