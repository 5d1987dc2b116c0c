#include "Vrn3MtlConverter.h"

#include "PanelHelpers.h"
#include "resource.h"

Vrn3MtlConverter theMtlConverter;

ICustButton* refButton = nullptr;

OptionState optionStates[NUM_OPTION_STATES] = {
    {IDC_CHK_SKIP_INVALID_ZONES, 1},
    {IDC_CHK_SKIP_DISABLED_STROKES, 1},
    {IDC_CHK_HIGHLIGHT_ADD, 0},
    {IDC_RADIO_AUTO, 1},
    {IDC_CHK_AUTO_MULTIPLY, 1},
    {IDC_RADIO_REFER, 0},
    {IDC_CHK_REFER_STROKES, 0},
    {IDC_RADIO_INSTANCE, 1},
    {IDC_RADIO_COPY, 0},
    {IDC_CHK_FT_SPECULAR_ZONE, 1},
    {IDC_CHK_IL_HIGHLIGHT_ZONE, 1},
    {IDC_CHK_CONVERT_REFLECTION_MAPS, 1},
};

void Vrn3MtlConverter::BeginEditParams(Interface* ip, IUtil* iu) {
    this->ip = ip;
    this->iu = iu;
    if (IsVarnel3Available()) {
        hPanel = ip->AddRollupPage(hInstance, MAKEINTRESOURCEA(IDD_MTL_CONVERTER), PanelDlgProc,
                                   LoadResText(IDS_MTL_CONVERTER), 0, 0, ROLLUP_CAT_STANDARD);
        notLoaded = 0;
    } else {
        hPanel = AddNotLoadedPage(ip, LoadResText(IDS_MTL_CONVERTER));
        notLoaded = 1;
    }
}

void Vrn3MtlConverter::EndEditParams(Interface* ip, IUtil* iu) {
    (void)iu;
    if (notLoaded == 0) {
        for (OptionState& o : optionStates)
            o.state = IsDlgButtonChecked(hPanel, o.controlId) == BST_CHECKED ? 1 : 0;
    }
    this->iu = nullptr;
    this->ip = nullptr;
    ip->DeleteRollupPage(hPanel);
    hPanel = nullptr;
}

void Vrn3MtlConverter::InitPanel(HWND panel) {
    SetDlgItemTextA(panel, IDC_VERSION, FormatVersionLabel());
    refButton = GetICustButton(GetDlgItem(panel, IDC_REF_BUTTON));
    for (const OptionState& o : optionStates)
        SendDlgItemMessageA(panel, o.controlId, BM_SETCHECK, o.state ? BST_CHECKED : BST_UNCHECKED,
                            0);
    RefreshList(panel);
    UpdateControls(panel);
}

INT_PTR CALLBACK Vrn3MtlConverter::PanelDlgProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    (void)lParam;
    switch (msg) {
        case WM_INITDIALOG:
            theMtlConverter.InitPanel(hWnd);
            return TRUE;
        case WM_DESTROY:
            if (refButton) ReleaseICustButton(refButton);
            refButton = nullptr;
            return FALSE;
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
                case IDC_RADIO_AUTO:
                case IDC_RADIO_REFER:
                case IDC_CHK_REFER_STROKES:
                    theMtlConverter.UpdateControls(hWnd);
                    return TRUE;
                case IDC_CONVERT:
                    theMtlConverter.ConvertMtlList(hWnd);
                    return TRUE;
                default:
                    return FALSE;
            }
        default:
            return FALSE;
    }
}

void Vrn3MtlConverter::RefreshList(HWND panel) {
    if (!panel || !GetDlgItem(panel, IDC_TARGET_LIST)) return;
    DropDeletedMtls(targetList);
    SendDlgItemMessageA(panel, IDC_TARGET_LIST, LB_RESETCONTENT, 0, 0);
    for (const MtlConvData& d : targetList)
        SendDlgItemMessageA(panel, IDC_TARGET_LIST, LB_ADDSTRING, 0,
                            reinterpret_cast<LPARAM>(d.fullName.data()));
    BOOL any = targetList.empty() ? FALSE : TRUE;
    EnableWindow(GetDlgItem(panel, IDC_CONVERT), any);
    EnableWindow(GetDlgItem(panel, IDC_DELETE), any);
}

void Vrn3MtlConverter::UpdateControls(HWND panel) {
    bool automatic = IsDlgButtonChecked(panel, IDC_RADIO_AUTO) == BST_CHECKED;
    bool strokes = IsDlgButtonChecked(panel, IDC_CHK_REFER_STROKES) == BST_CHECKED;
    EnableWindow(GetDlgItem(panel, IDC_CHK_AUTO_MULTIPLY), automatic);
    EnableWindow(GetDlgItem(panel, IDC_CHK_REFER_STROKES), !automatic);
    EnableWindow(GetDlgItem(panel, IDC_RADIO_INSTANCE), !automatic && strokes);
    EnableWindow(GetDlgItem(panel, IDC_RADIO_COPY), !automatic && strokes);
    if (!refButton) return;
    refButton->Enable(!automatic);
    ReferenceTarget* ref = refHolder.GetReference(0);
    refButton->SetText(ref ? static_cast<MtlBase*>(ref)->GetName().data() : "None");
}

void Vrn3MtlConverter::SetReferenceMtl(Mtl* m) {
    SetSingleRef(refHolder, m);
    if (hPanel) UpdateControls(hPanel);
}

void ResetNotifyProc(void* param, NotifyInfo* info) {
    (void)param;
    (void)info;
    theMtlConverter.targetList.clear();
    if (theMtlConverter.hPanel) theMtlConverter.RefreshList(theMtlConverter.hPanel);
    theMtlConverter.SetReferenceMtl(nullptr);
}
