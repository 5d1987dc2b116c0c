// The "Convert to Varnel 3" command: every listed material that is in use
// becomes a new Varnel 3 material that takes its place everywhere, as one
// undo step.
#include <cstdint>
#include <vector>

#include "CollectUsedMtls.h"
#include "ConversionRegistry.h"
#include "ConvertMaterial.h"
#include "ConvertOptions.h"
#include "Hold.h"
#include "MtlSlots.h"
#include "OutsideContract.h"
#include "PanelHelpers.h"
#include "SdkAdapter.h"
#include "Vrn3MtlConverter.h"
#include "resource.h"

namespace {

DWORD WINAPI NoProgressWork(LPVOID arg) {
    (void)arg;
    return 0;
}

void ShowWarning(HWND panel, int textId) {
    // The caption is copied first: both texts come through the one buffer.
    CStr caption(LoadResText(IDS_MTL_CONVERTER));
    const char* text = LoadResText(textId);
    MessageBoxA(panel, text ? text : "", caption, MB_ICONWARNING | MB_OK);
}

// Puts newMtl in every place of the scene where mtl is: editor slots, node and
// parameter-block references, sub-material slots of parents other than Varnel 3
// materials. Answers whether it was put anywhere.
bool ReplaceMtl(Mtl* mtl, Mtl* newMtl) {
    Interface* ip = GetCOREInterface();
    bool replaced = false;
    for (int i = 0; i < NUM_MTL_SLOTS; ++i) {
        MtlBase* inSlot = ip->GetMtlSlot(i);
        if (!inSlot) break;
        if (inSlot == mtl) {
            SetMtlSlot(i, newMtl);
            replaced = true;
        }
    }

    Tab<ReferenceMaker*> dependents;
    CollectDependents(mtl, dependents);
    Tab<ReferenceMaker*> refDependents;
    Tab<Mtl*> mtlDependents;
    for (int i = 0; i < dependents.Count(); ++i) {
        ReferenceMaker* d = dependents[i];
        SClass_ID sc = d->SuperClassID();
        if (sc == BASENODE_CLASS_ID || sc == PARAMETER_BLOCK2_CLASS_ID) {
            refDependents.Append(1, &d);
        } else if (sc == MATERIAL_CLASS_ID && d->ClassID() != VRN3_MTL_CLASS_ID) {
            Mtl* parent = static_cast<Mtl*>(d);
            mtlDependents.Append(1, &parent);
        }
    }

    for (int i = 0; i < refDependents.Count(); ++i) {
        ReferenceMaker* d = refDependents[i];
        int n = d->NumRefs();
        for (int j = 0; j < n; ++j) {
            if (d->GetReference(j) == mtl) {
                d->ReplaceReference(j, newMtl, TRUE);
                replaced = true;
            }
        }
    }

    for (int i = 0; i < mtlDependents.Count(); ++i) {
        Mtl* parent = mtlDependents[i];
        int n = parent->NumSubMtls();
        for (int j = 0; j < n; ++j) {
            if (parent->GetSubMtl(j) == mtl) {
                SetSubMtl(parent, newMtl, j);
                replaced = true;
            }
        }
    }
    return replaced;
}

}  // namespace

ConvertOptionFlags ReadOptionFlags(HWND panel) {
    ConvertOptionFlags flags = 0;
    // Only the check state counts: a greyed control still gives its bit.
    for (const OptionBit& o : optionBits)
        if (IsDlgButtonChecked(panel, o.controlId) == BST_CHECKED) flags |= o.bit;
    return flags;
}

void Vrn3MtlConverter::ConvertMtlList(HWND panel) {
    // Materials deleted since the list box was last filled leave the list
    // first: the box, the question and the undo record's copy of the list then
    // name the same materials, and a list left with none asks nothing.
    const size_t listed = targetList.size();
    DropDeletedMtls(targetList);
    if (targetList.size() != listed) RefreshList(panel);
    if (targetList.empty()) return;

    ConvertOptionFlags flags = ReadOptionFlags(panel);

    Mtl* reference = nullptr;
    if (IsDlgButtonChecked(panel, IDC_RADIO_REFER) == BST_CHECKED) {
        ReferenceTarget* held = refHolder.GetReference(0);
        if (held && held->SuperClassID() == MATERIAL_CLASS_ID)
            reference = static_cast<Mtl*>(static_cast<MtlBase*>(held));
        if (!reference) {
            ShowWarning(panel, IDS_SELECT_REFERENCE_MTL);
            return;
        }
    }

    if (ConfirmConvert(panel) == IDCANCEL) return;

    MtlBaseLib inUse;
    CollectUsedMtls(inUse);

    Interface* ip = GetCOREInterface();
    TimeValue t = ip->GetTime();
    theHold.Begin();

    ConversionRegistry registry;
    int counter = 0;
    ip->ProgressStart(LoadResText(IDS_MTL_CONVERTER), TRUE, NoProgressWork, nullptr);

    // New materials put nowhere are deleted only once the run is over: the
    // registry may name objects they own, and later targets look them up.
    // They were made with the hold suspended and nothing in the scene ever
    // held them, so they also go with it suspended: the undo step stays as if
    // they had never been, and their memory is given back at once instead of
    // living on in the step.
    std::vector<Mtl*> unused;
    const int64_t numEntries = static_cast<int64_t>(targetList.size());
    for (size_t k = 0; k < targetList.size(); ++k) {
        ++counter;
        if (ip->GetCancel()) break;
        // In 64 bits: counter * 100 would overflow an int on a very long list.
        ip->ProgressUpdate(static_cast<int>(counter * int64_t{100} / numEntries), TRUE, nullptr);

        MtlBase* target = targetList[k].LiveMtl();
        if (!target || inUse.FindMtl(target) < 0) continue;
        Mtl* mtl = static_cast<Mtl*>(target);

        Mtl* newMtl = nullptr;
        int slotChangesBefore = registry.NumSlotChanges();
        {
            SuspendAll suspend(TRUE);
            newMtl = ConvertMaterial(mtl, flags, reference, &registry);
            if (newMtl) {
                Interval valid = FOREVER;
                newMtl->Update(t, valid);
            }
        }
        // Maps the conversion replaced inside objects of the scene (the new
        // material shares some with the source) come back with undo.
        for (int i = slotChangesBefore; i < registry.NumSlotChanges(); ++i) {
            const ConversionRegistry::SlotChange& c = registry.GetSlotChange(i);
            RecordSubTexmapChange(c.owner, c.slot, c.before, c.after);
        }
        if (!newMtl) continue;

        if (!ReplaceMtl(mtl, newMtl)) unused.push_back(newMtl);
    }
    if (!unused.empty()) {
        SuspendAll suspend(TRUE);
        for (Mtl* m : unused) m->DeleteThis();
    }

    ip->ProgressEnd();
    ClearMtlList(&targetList);
    theHold.Accept(LoadResText(IDS_UNDO_CONVERT));
    ip->ForceCompleteRedraw(TRUE);
}
