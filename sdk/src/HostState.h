// The stand-in host's process-wide state. Created on first use and never
// destroyed, so that objects destroyed late (statics of modules) still find it.
#pragma once

#include <unordered_set>
#include <vector>

#include "ClassDesc.h"
#include "Reference.h"

struct HostState {
    std::unordered_set<const ReferenceMaker*> liveMakers;
    // Never reset, not even by ResetHost: a serial is never given twice.
    ReferenceMaker::Serial lastSerial = 0;
    std::unordered_set<const ReferenceMaker*> hostOwned;
    std::vector<CStr> diagnostics;
    std::vector<ClassDesc*> classes;
    int cloneRefHierarchyCalls = 0;
};

HostState& Host();

// A short description of an object for diagnostics: class name and address.
CStr Describe(ReferenceMaker* m);

// Back to a fresh state of the host's services (progress bar, viewport display,
// redraw count, rollup pages); part of StandIn::ResetHost.
void ResetHostServices();
