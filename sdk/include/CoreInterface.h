// The host's core interface: time, object creation, the scene and the
// material editor.
#pragma once

#include "Effects.h"
#include "Materials.h"
#include "Node.h"

#if !defined(_WIN32)
typedef void* LPVOID;
typedef DWORD (*LPTHREAD_START_ROUTINE)(LPVOID);
#endif

const int NUM_MTL_SLOTS = 24;
const int ROLLUP_CAT_STANDARD = 4000;

class SDKAPI Interface {
public:
    virtual ~Interface() = default;

    virtual TimeValue GetTime() = 0;
    virtual void SetTime(TimeValue t, BOOL redraw = TRUE) = 0;

    // A new object of a registered class, or null when no module offers it.
    virtual Animatable* CreateInstance(SClass_ID superID, Class_ID classID) = 0;

    virtual INode* GetRootNode() = 0;
    // A new node under the scene root showing obj (which may be null).
    virtual INode* CreateObjectNode(ReferenceTarget* obj) = 0;

    // Material editor sample slots 0 to 23; empty slots answer null.
    virtual MtlBase* GetMtlSlot(int slot) = 0;
    virtual void PutMtlToMtlEditor(MtlBase* mtl, int slot) = 0;

    // The scene's render effects, in order. The list references its effects;
    // adding and deleting are recorded while the hold is recording. An effect
    // deleted from the list and referenced by nothing else is deleted.
    virtual int NumEffects() = 0;
    virtual Effect* GetEffect(int i) = 0;
    virtual void AddEffect(Effect* eff) = 0;
    virtual void DeleteEffect(int i) = 0;

    // Viewport display of a map: shows tx for sub-material subNum of mtl (or
    // for mtl itself with -1), or takes that display away again.
    virtual void ActivateTexture(MtlBase* tx, Mtl* mtl, int subNum = -1);
    virtual void DeActivateTexture(MtlBase* tx, Mtl* mtl, int subNum = -1);

    // Redraws every viewport, the disabled ones too when doDisabled.
    virtual void ForceCompleteRedraw(BOOL doDisabled = TRUE);

    // The host's progress bar for a long command run on the UI thread. fn is
    // called once by ProgressStart; GetCancel answers whether the user asked
    // to stop (SetCancel(FALSE) takes that back).
    virtual BOOL ProgressStart(const char* title, BOOL dispBar, LPTHREAD_START_ROUTINE fn,
                               LPVOID arg);
    virtual void ProgressUpdate(int pct, BOOL showPct = TRUE, const char* title = nullptr);
    virtual void ProgressEnd();
    virtual BOOL GetCancel();
    virtual void SetCancel(BOOL sw);

#if defined(_WIN32)
    // The host's main window and its command panel's rollup pages. A page is a
    // child dialog made from template dlgTemplate of module hInst.
    virtual HWND GetMAXHWnd();
    virtual HWND AddRollupPage(HINSTANCE hInst, const char* dlgTemplate, DLGPROC dlgProc,
                               const char* title, LPARAM param = 0, DWORD flags = 0,
                               int category = ROLLUP_CAT_STANDARD);
    virtual void DeleteRollupPage(HWND hRollup);
#endif
};

// The core interface of the later generations, with the material editor's
// slot-aware calls.
class SDKAPI Interface7 : public Interface {};

SDKAPI Interface* GetCOREInterface();
SDKAPI Interface7* GetCOREInterface7();
