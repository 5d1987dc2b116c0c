// The material converter utility: its target list and reference material,
// which outlive its panel, the panel itself and the convert command.
#pragma once

#include <windows.h>

#include "ConvertOptions.h"
#include "CustCont.h"
#include "MtlConvData.h"
#include "Notify.h"
#include "ReferenceHolder.h"
#include "UtilityObj.h"

class Vrn3MtlConverter : public UtilityObj {
public:
    Vrn3MtlConverter() = default;
    ~Vrn3MtlConverter() override = default;

    void BeginEditParams(Interface* ip, IUtil* iu) override;
    void EndEditParams(Interface* ip, IUtil* iu) override;
    // The one static instance is never deleted through the host.
    void DeleteThis() override {}

    // The "Convert to Varnel 3" command.
    void ConvertMtlList(HWND panel);

    // Display of the converter's state on its panel (template 107).
    void RefreshList(HWND panel);
    void UpdateControls(HWND panel);
    void SetReferenceMtl(Mtl* m);

    Interface* ip = nullptr;
    IUtil* iu = nullptr;
    HWND hPanel = nullptr;
    int notLoaded = 0;
    MtlConvList targetList;
    ReferenceHolder refHolder;

private:
    void InitPanel(HWND panel);
    static INT_PTR CALLBACK PanelDlgProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);
};

extern Vrn3MtlConverter theMtlConverter;

// The reference button of the open panel, or null while no panel is open.
extern ICustButton* refButton;

// Saved check states of the panel's options: (control ID, state) pairs.
struct OptionState {
    int controlId;
    int state;
};
const int NUM_OPTION_STATES = 12;
extern OptionState optionStates[NUM_OPTION_STATES];

// The option word given by the check boxes of panel.
ConvertOptionFlags ReadOptionFlags(HWND panel);

// Empties the target list (undoably while the hold is recording) and refreshes
// the list box of the open panel.
void ClearMtlList(MtlConvList* list);

// Registered for the host's pre-reset, pre-new and pre-open notifications:
// the converter's state belongs to the scene that goes.
void ResetNotifyProc(void* param, NotifyInfo* info);
