// The core interface's services that keep only state: viewport display of
// maps, the complete-redraw request and the progress bar.
#include <algorithm>
#include <tuple>
#include <vector>

#include "CoreInterface.h"
#include "HostState.h"
#include "StandIn.h"

using StandIn::Report;

namespace {

struct ActiveTexture {
    MtlBase* tx;
    Mtl* mtl;
    int subNum;
    bool operator==(const ActiveTexture& o) const {
        return std::tie(tx, mtl, subNum) == std::tie(o.tx, o.mtl, o.subNum);
    }
};

struct ServiceState {
    std::vector<ActiveTexture> activeTextures;
    int completeRedraws = 0;
    bool progressRunning = false;
    bool cancelled = false;
    int cancelAfter = 0;
    std::vector<int> progressUpdates;
};

ServiceState& Services() {
    static ServiceState* state = new ServiceState;
    return *state;
}

}  // namespace

#if defined(_WIN32)
void ResetRollupPages();
#endif

void ResetHostServices() {
#if defined(_WIN32)
    ResetRollupPages();
#endif
    ServiceState& s = Services();
    s.activeTextures.clear();
    s.progressRunning = false;
    s.cancelled = false;
    s.cancelAfter = 0;
    s.progressUpdates.clear();
}

void Interface::ActivateTexture(MtlBase* tx, Mtl* mtl, int subNum) {
    if (!tx || !mtl) {
        Report("ActivateTexture: no map or no material");
        return;
    }
    ActiveTexture entry{tx, mtl, subNum};
    auto& list = Services().activeTextures;
    if (std::find(list.begin(), list.end(), entry) == list.end()) list.push_back(entry);
    tx->SetMtlFlag(MTL_TEX_DISPLAY_ENABLED);
    if (tx->SuperClassID() == TEXMAP_CLASS_ID && subNum < 0)
        mtl->SetActiveTexmap(static_cast<Texmap*>(tx));
}

void Interface::DeActivateTexture(MtlBase* tx, Mtl* mtl, int subNum) {
    if (!tx || !mtl) {
        Report("DeActivateTexture: no map or no material");
        return;
    }
    auto& list = Services().activeTextures;
    list.erase(std::remove(list.begin(), list.end(), ActiveTexture{tx, mtl, subNum}), list.end());
    bool stillShown =
        std::any_of(list.begin(), list.end(), [tx](const ActiveTexture& a) { return a.tx == tx; });
    if (!stillShown) tx->ClearMtlFlag(MTL_TEX_DISPLAY_ENABLED);
    if (subNum < 0 && mtl->GetActiveTexmap() == tx) mtl->SetActiveTexmap(nullptr);
}

void Interface::ForceCompleteRedraw(BOOL doDisabled) {
    (void)doDisabled;
    ++Services().completeRedraws;
}

BOOL Interface::ProgressStart(const char* title, BOOL dispBar, LPTHREAD_START_ROUTINE fn,
                              LPVOID arg) {
    (void)title;
    (void)dispBar;
    ServiceState& s = Services();
    if (s.progressRunning) {
        Report("ProgressStart(\"%s\") while a progress bar runs", title ? title : "");
        return FALSE;
    }
    s.progressRunning = true;
    s.cancelled = false;
    s.progressUpdates.clear();
    if (fn) fn(arg);
    return TRUE;
}

void Interface::ProgressUpdate(int pct, BOOL showPct, const char* title) {
    (void)showPct;
    (void)title;
    ServiceState& s = Services();
    if (!s.progressRunning) {
        Report("ProgressUpdate(%d) without ProgressStart", pct);
        return;
    }
    s.progressUpdates.push_back(pct);
    if (s.cancelAfter > 0 && --s.cancelAfter == 0) s.cancelled = true;
}

void Interface::ProgressEnd() {
    ServiceState& s = Services();
    if (!s.progressRunning) Report("ProgressEnd without ProgressStart");
    s.progressRunning = false;
}

BOOL Interface::GetCancel() { return Services().cancelled ? TRUE : FALSE; }

void Interface::SetCancel(BOOL sw) { Services().cancelled = sw != FALSE; }

namespace StandIn {

int CompleteRedrawCount() { return Services().completeRedraws; }

void CancelProgressAfterUpdates(int n) { Services().cancelAfter = n > 0 ? n : 0; }

bool ProgressRunning() { return Services().progressRunning; }

std::vector<int> ProgressUpdates() { return Services().progressUpdates; }

bool IsTextureActive(MtlBase* tx, Mtl* mtl, int subNum) {
    auto& list = Services().activeTextures;
    return std::find(list.begin(), list.end(), ActiveTexture{tx, mtl, subNum}) != list.end();
}

int ActiveTextureCount() { return static_cast<int>(Services().activeTextures.size()); }

}  // namespace StandIn
