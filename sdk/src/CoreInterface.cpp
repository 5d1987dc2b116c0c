#include "CoreInterface.h"

#include <map>

#include "Hold.h"
#include "HostState.h"
#include "StandIn.h"

using StandIn::Report;

namespace {

// The material editor's sample slots: the editor references what it shows.
class MtlEditorSlots : public ReferenceMaker {
public:
    SClass_ID SuperClassID() override { return SYSTEM_CLASS_ID; }
    void GetClassName(CStr& s) override { s = "MtlEditor"; }
    int NumRefs() override { return NUM_MTL_SLOTS; }
    RefTargetHandle GetReference(int i) override {
        return i >= 0 && i < NUM_MTL_SLOTS ? slots[i] : nullptr;
    }
    void SetReference(int i, RefTargetHandle rtarg) override {
        if (i < 0 || i >= NUM_MTL_SLOTS) return;
        SClass_ID sc = rtarg ? rtarg->SuperClassID() : 0;
        if (!rtarg || sc == MATERIAL_CLASS_ID || sc == TEXMAP_CLASS_ID)
            slots[i] = static_cast<MtlBase*>(rtarg);
    }

    MtlBase* slots[NUM_MTL_SLOTS] = {};
};

class CoreInterface : public Interface {
public:
    CoreInterface() {
        root = new INode;
        root->SetName("Scene Root");
        Host().hostOwned.insert(root);
        editor = new MtlEditorSlots;
        Host().hostOwned.insert(editor);
    }

    TimeValue GetTime() override { return time; }
    void SetTime(TimeValue t, BOOL redraw) override {
        (void)redraw;
        time = t;
    }

    Animatable* CreateInstance(SClass_ID superID, Class_ID classID) override {
        for (ClassDesc* cd : Host().classes) {
            if (cd->SuperClassID() != superID || cd->ClassID() != classID) continue;
            if (superID == UTILITY_CLASS_ID) {
                Report("CreateInstance: utilities are not animatable objects");
                return nullptr;
            }
            Animatable* made = static_cast<Animatable*>(cd->Create(FALSE));
            if (made && (made->SuperClassID() != superID || made->ClassID() != classID)) {
                Report("CreateInstance: class %s made an object of another class", cd->ClassName());
                made->DeleteThis();
                return nullptr;
            }
            return made;
        }
        return nullptr;
    }

    INode* GetRootNode() override { return root; }

    INode* CreateObjectNode(ReferenceTarget* obj) override {
        INode* node = new INode;
        root->AttachChild(node);
        if (obj) node->SetObjectRef(obj);
        return node;
    }

    MtlBase* GetMtlSlot(int slot) override {
        if (slot < 0 || slot >= NUM_MTL_SLOTS) {
            Report("GetMtlSlot(%d): no such slot", slot);
            return nullptr;
        }
        return editor->slots[slot];
    }

    void PutMtlToMtlEditor(MtlBase* mtl, int slot) override {
        if (slot < 0 || slot >= NUM_MTL_SLOTS) {
            Report("PutMtlToMtlEditor(%d): no such slot", slot);
            return;
        }
        editor->ReplaceReference(slot, mtl, TRUE);
    }

    void Reset() {
        time = 0;
        std::vector<INode*> nodes;
        for (int i = 0; i < root->NumberOfChildren(); ++i) nodes.push_back(root->GetChildNode(i));
        for (INode* n : nodes) n->DeleteThis();
        for (int i = 0; i < NUM_MTL_SLOTS; ++i) editor->ReplaceReference(i, nullptr, TRUE);
        root->DeleteAllRefs();
    }

private:
    TimeValue time = 0;
    INode* root;
    MtlEditorSlots* editor;
};

CoreInterface& Core() {
    static CoreInterface* core = new CoreInterface;
    return *core;
}

}  // namespace

Interface* GetCOREInterface() { return &Core(); }

namespace StandIn {

int ResetHost() {
    theHold.Reset();
    Core().Reset();
    Host().classes.clear();
    while (macroRecorder && !macroRecorder->Enabled()) macroRecorder->Enable();
    int stragglers = 0;
    for (;;) {
        ReferenceTarget* left = nullptr;
        for (const ReferenceMaker* m : Host().liveMakers) {
            ReferenceMaker* mm = const_cast<ReferenceMaker*>(m);
            if (mm->IsRefTarget() && !Host().hostOwned.count(m) &&
                !static_cast<ReferenceTarget*>(mm)->IsDeleted()) {
                left = static_cast<ReferenceTarget*>(mm);
                break;
            }
        }
        if (!left) break;
        ++stragglers;
        left->DeleteThis();
    }
    return stragglers;
}

CStr CheckReferenceIntegrity() {
    CStr problem;
    std::map<std::pair<const void*, const void*>, int> fromDependents, fromHeld, fromSlots;
    for (const ReferenceMaker* m : Host().liveMakers) {
        ReferenceMaker* mm = const_cast<ReferenceMaker*>(m);
        for (ReferenceTarget* t : mm->HeldTargets()) {
            if (!IsLive(t)) {
                problem.printf("%s holds a dead target", Describe(mm).data());
                return problem;
            }
            ++fromHeld[{m, t}];
        }
        for (int i = 0; i < mm->NumRefs(); ++i)
            if (ReferenceTarget* t = mm->GetReference(i)) ++fromSlots[{m, t}];
        if (mm->IsRefTarget()) {
            for (RefListItem* item = static_cast<ReferenceTarget*>(mm)->GetRefList().FirstItem(); item;
                 item = item->next) {
                if (!item->maker) continue;
                if (!IsLive(item->maker)) {
                    problem.printf("%s lists a dead dependent", Describe(mm).data());
                    return problem;
                }
                ++fromDependents[{item->maker, m}];
            }
        }
    }
    auto describePair = [](const std::pair<const void*, const void*>& k) {
        return Describe(static_cast<ReferenceMaker*>(const_cast<void*>(k.first))) + CStr(" -> ") +
               Describe(static_cast<ReferenceMaker*>(const_cast<void*>(k.second)));
    };
    if (fromSlots != fromHeld) {
        for (auto& kv : fromSlots)
            if (fromHeld[kv.first] != kv.second) {
                problem.printf("slots and host record disagree: %s", describePair(kv.first).data());
                return problem;
            }
        problem = "the host records a reference that no slot shows";
        return problem;
    }
    if (fromHeld != fromDependents) {
        for (auto& kv : fromHeld)
            if (fromDependents[kv.first] != kv.second) {
                problem.printf("dependents out of step: %s", describePair(kv.first).data());
                return problem;
            }
        problem = "a target lists a dependent that does not reference it";
        return problem;
    }
    return problem;
}

}  // namespace StandIn
