#include "LineConverterPanel.h"

#include <algorithm>

#include <vector>

#include "ConversionRegistry.h"
#include "CoreInterface.h"
#include "CustCont.h"
#include "Hold.h"
#include "LineEffectConversion.h"
#include "PanelHelpers.h"
#include "resource.h"

Vrn3LineConverter theLineConverter;

LineConverterCheck lineConverterChecks[NUM_LINE_CONVERTER_CHECKS] = {
    {IDC_CHK_DELETE_VRN2_LINES, 1},
    {IDC_CHK_ADD_SUFFIX, 0},
};

CStr lineSuffix("_VRN3");

namespace {

// The text of the panel's suffix edit, at most MAX_LINE_SUFFIX bytes; false
// when the panel has no such edit.
bool ReadSuffixEdit(HWND panel, CStr& text) {
    ICustEdit* edit = GetICustEdit(GetDlgItem(panel, IDC_SUFFIX_EDIT));
    if (!edit) return false;
    char buf[MAX_LINE_SUFFIX + 1] = {};
    edit->GetText(buf, sizeof buf);
    ReleaseICustEdit(edit);
    buf[CharBoundaryLength(buf, MAX_LINE_SUFFIX, CP_ACP)] = '\0';
    text = buf;
    return true;
}

}  // namespace

int CharBoundaryLength(const char* text, int maxBytes, UINT codePage) {
    int end = 0;
    while (end < maxBytes && text[end]) {
        // A lead byte without its trail byte (the text ends or the limit cuts
        // between them) is left out with it.
        int width = IsDBCSLeadByteEx(codePage, static_cast<BYTE>(text[end])) ? 2 : 1;
        if (width == 2 && (end + 1 >= maxBytes || !text[end + 1])) break;
        end += width;
    }
    return end;
}

void Vrn3LineConverter::BeginEditParams(Interface* ip, IUtil* iu) {
    this->ip = ip;
    this->iu = iu;
    if (IsVarnel3Available()) {
        hPanel =
            ip->AddRollupPage(hInstance, MAKEINTRESOURCEA(IDD_LINE_CONVERTER), LineConverterDlgProc,
                              LoadResText(IDS_LINE_CONVERTER), 0, 0, ROLLUP_CAT_STANDARD);
        messagePanel = 0;
    } else {
        hPanel = AddNotLoadedPage(ip, LoadResText(IDS_LINE_CONVERTER));
        messagePanel = 1;
    }
}

void Vrn3LineConverter::EndEditParams(Interface* ip, IUtil* iu) {
    (void)iu;
    if (messagePanel == 0) {
        for (LineConverterCheck& c : lineConverterChecks)
            c.state = IsDlgButtonChecked(hPanel, c.controlId) == BST_CHECKED ? 1 : 0;
    }
    // Saved whether or not a suffix is asked for.
    CStr text;
    if (ReadSuffixEdit(hPanel, text)) lineSuffix = text;
    this->iu = nullptr;
    this->ip = nullptr;
    ip->DeleteRollupPage(hPanel);
    hPanel = nullptr;
}

INT_PTR CALLBACK LineConverterDlgProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    (void)lParam;
    switch (msg) {
        case WM_INITDIALOG:
            InitLineConverterPanel(hWnd);
            return TRUE;
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
                case IDC_LINE_CONVERT:
                    ConvertLines(hWnd);
                    return TRUE;
                case IDC_CHK_ADD_SUFFIX:
                    UpdateSuffixEdit(hWnd, 0);
                    return TRUE;
                default:
                    return FALSE;
            }
        default:
            return FALSE;
    }
}

void InitLineConverterPanel(HWND panel) {
    SetDlgItemTextA(panel, IDC_VERSION, FormatVersionLabel());
    for (const LineConverterCheck& c : lineConverterChecks)
        CheckDlgButton(panel, c.controlId, c.state ? BST_CHECKED : BST_UNCHECKED);
    UpdateSuffixEdit(panel, 1);
}

void UpdateSuffixEdit(HWND panel, int reload) {
    ICustEdit* edit = GetICustEdit(GetDlgItem(panel, IDC_SUFFIX_EDIT));
    if (!edit) return;
    if (reload) edit->SetText(lineSuffix);
    edit->Enable(IsDlgButtonChecked(panel, IDC_CHK_ADD_SUFFIX) == BST_CHECKED);
    ReleaseICustEdit(edit);
}

void ConvertLines(HWND panel) {
    if (ConfirmConvert(panel) == IDCANCEL) return;

    CStr suffix;
    if (IsDlgButtonChecked(panel, IDC_CHK_ADD_SUFFIX) == BST_CHECKED) ReadSuffixEdit(panel, suffix);

    ConversionRegistry registry;
    std::vector<Effect*> converted;
    Interface* ip = GetCOREInterface();
    if (!ip) return;

    // Converted before the hold begins: only adding and deleting effects is
    // the undo step.
    for (int i = 0; i < ip->NumEffects(); ++i) {
        Effect* e = ip->GetEffect(i);
        if (!e) continue;
        Effect* r =
            ConvertVrn2LineEffect(e, &registry, suffix.Length() > 0 ? suffix.data() : nullptr);
        // An effect listed twice converts once (the registry answers the same
        // new effect): it is added to the scene once, not rendered twice.
        if (r && std::find(converted.begin(), converted.end(), r) == converted.end())
            converted.push_back(r);
    }

    theHold.Begin();
    for (Effect* r : converted) ip->AddEffect(r);
    if (IsDlgButtonChecked(panel, IDC_CHK_DELETE_VRN2_LINES) == BST_CHECKED) {
        for (int i = ip->NumEffects() - 1; i >= 0; --i)
            if (registry.FindConverted(ip->GetEffect(i))) ip->DeleteEffect(i);
    }
    theHold.Accept(LoadResText(IDS_UNDO_CONVERT));
}
