// Controls of the stand-in host that a real host keeps to itself: the test
// programs and the host program use them to set up scenes and to check that
// plug-ins used the SDK correctly. Plug-in code never includes this header.
#pragma once

#include <utility>
#include <vector>

#include "ClassDesc.h"
#include "Reference.h"

namespace StandIn {

// A misuse of the SDK seen by the host (a wrong parameter type, a slot out of
// range, a refused loop...). Real hosts assert or crash; the stand-in records.
SDKAPI void Report(const char* format, ...);
SDKAPI std::vector<CStr> TakeDiagnostics();
SDKAPI int DiagnosticCount();

// Class directory.
SDKAPI void RegisterClassDesc(ClassDesc* cd);
SDKAPI void UnregisterClassDesc(ClassDesc* cd);
// Registers the classes of a module through its entry points.
SDKAPI void RegisterModule(int (*libNumberClasses)(), ClassDesc* (*libClassDesc)(int));
SDKAPI int NumClassDescs();

// Back to a fresh host: empty scene and editor, empty undo, time 0, no classes.
// Deletes every object that the scene, the editor and the undo steps held, then
// every other reference target still alive, and answers how many of those
// stragglers there were (objects that nothing owned: leaks of the caller).
// Only the roots count: what a straggler owns goes with it. With stragglers
// given, a description of each is appended there.
SDKAPI int ResetHost(std::vector<CStr>* stragglers = nullptr);

// Reference targets alive now (the host's own internal makers excluded).
SDKAPI int LiveTargetCount();
SDKAPI bool IsLive(const ReferenceMaker* m);
// Whether m is alive and still the maker that had serial (not a new one that
// took the address of a deleted one).
SDKAPI bool IsLive(const ReferenceMaker* m, ReferenceMaker::Serial serial);
// Empty when, for every live maker, its slots, the host's record of what it
// references and every target's dependents agree; else the first disagreement.
SDKAPI CStr CheckReferenceIntegrity();

// How often CloneRefHierarchy ran since the host started (shows which way of
// cloning a build uses).
SDKAPI int CloneRefHierarchyCalls();

// The targets an undo record keeps alive: each is locked while the record
// lives and let go when it ends, unless it is gone already or a newcomer
// stands at its address. Every record of the host and of the stand-ins pins
// through this one piece.
class HoldPins {
public:
    HoldPins() = default;
    HoldPins(const HoldPins&) = delete;
    HoldPins& operator=(const HoldPins&) = delete;
    ~HoldPins() {
        for (auto& p : pinned)
            if (IsLive(p.first, p.second)) p.first->HoldUnlock();
    }
    // Null is ignored.
    void Pin(ReferenceTarget* t) {
        if (!t) return;
        t->HoldLock();
        pinned.emplace_back(t, t->HostSerial());
    }

private:
    std::vector<std::pair<ReferenceTarget*, ReferenceMaker::Serial>> pinned;
};

}  // namespace StandIn

class MtlBase;
class Mtl;

namespace StandIn {

// Complete viewport redraws asked for since the host started.
SDKAPI int CompleteRedrawCount();

// The progress bar. With n > 0 the user cancels during the n-th ProgressUpdate
// from now on (GetCancel answers TRUE from then on); 0 never cancels.
SDKAPI void CancelProgressAfterUpdates(int n);
SDKAPI bool ProgressRunning();
// The percentages given to ProgressUpdate since the last ProgressStart.
SDKAPI std::vector<int> ProgressUpdates();

// Whether tx is shown in the viewport for (mtl, subNum) through ActivateTexture.
SDKAPI bool IsTextureActive(MtlBase* tx, Mtl* mtl, int subNum);
SDKAPI int ActiveTextureCount();

}  // namespace StandIn

#if defined(_WIN32)
namespace StandIn {

// The rollup pages of the Utilities panel, in the order they were added.
SDKAPI int NumRollupPages();
SDKAPI HWND RollupPage(int i);
SDKAPI CStr RollupPageTitle(int i);

}  // namespace StandIn
#endif
