// The points where the host SDK generations differ, behind one small unit
// compiled once per generation (VRN3_SDK_GENERATION: 2008, 2009, 2010, 2012).
// The engine reaches the host's generation-specific calls only through here.
#pragma once

#include "MaxTypes.h"
#include "Reference.h"
#include "Tab.h"

class MtlBase;

// The version word the module reports to the host it is built for.
ULONG SdkLibVersion();

// A copy of source with what its class owns, or null when it cannot be
// copied: through CloneRefHierarchy on the 2012 generation, through the
// object's Clone with a fresh DefaultRemapDir(FALSE) before.
ReferenceTarget* CloneTarget(ReferenceTarget* source);

// Appends the direct dependents of target to deps, in the host's order: through
// DependentIterator from 2010 on; before, by walking the target's own list of
// dependents, which ends at its first empty entry.
void CollectDependents(ReferenceTarget* target, Tab<ReferenceMaker*>& deps);

// Whether mtl itself is shown in the viewport (its texture-display flag, bit 8):
// the host's test from 2009 on, the flag word read inline before.
BOOL IsTexDisplayEnabled(MtlBase* mtl);
