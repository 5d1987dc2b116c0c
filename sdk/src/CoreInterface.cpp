#include "CoreInterface.h"

#include <map>

#include "Hold.h"
#include "HostState.h"
#include "Notify.h"
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

// The scene's render effects: the list references what it holds.
class EffectList : public ReferenceMaker {
public:
    SClass_ID SuperClassID() override { return SYSTEM_CLASS_ID; }
    void GetClassName(CStr& s) override { s = "RenderEffects"; }
    int NumRefs() override { return static_cast<int>(effects.size()); }
    RefTargetHandle GetReference(int i) override {
        return i >= 0 && i < NumRefs() ? effects[static_cast<size_t>(i)] : nullptr;
    }
    void SetReference(int i, RefTargetHandle rtarg) override {
        if (i < 0 || i >= NumRefs()) return;
        if (!rtarg || rtarg->SuperClassID() == RENDER_EFFECT_CLASS_ID)
            effects[static_cast<size_t>(i)] = static_cast<Effect*>(rtarg);
    }

    // Makes the list exactly l. Objects that drop out and are referenced by
    // nothing else are deleted (unless an undo step still needs them).
    void SetList(const std::vector<Effect*>& l) {
        std::vector<Effect*> old = effects;
        if (l.size() > effects.size()) effects.resize(l.size(), nullptr);
        for (size_t i = 0; i < l.size(); ++i) SetSlot(static_cast<int>(i), l[i], FALSE, false);
        for (int i = NumRefs() - 1; i >= static_cast<int>(l.size()); --i)
            SetSlot(i, nullptr, FALSE, false);
        effects.resize(l.size());
        for (Effect* e : old)
            if (StandIn::IsLive(e)) e->MaybeAutoDelete();
    }

    std::vector<Effect*> effects;
};

// Undo record of a change of the effect list: the list before and after,
// with every effect in either pinned.
class EffectListRestore : public RestoreObj {
public:
    EffectListRestore(EffectList* l, std::vector<Effect*> b, std::vector<Effect*> a)
        : list(l), before(std::move(b)), after(std::move(a)) {
        for (Effect* e : before) pins.Pin(e);
        for (Effect* e : after) pins.Pin(e);
    }
    void Restore(int) override { list->SetList(before); }
    void Redo() override { list->SetList(after); }
    CStr Description() override { return CStr("Render effects"); }

private:
    EffectList* list;
    std::vector<Effect*> before, after;
    StandIn::HoldPins pins;
};

class CoreInterface : public Interface7 {
public:
    CoreInterface() {
        root = new INode;
        root->SetName("Scene Root");
        Host().hostOwned.insert(root);
        editor = new MtlEditorSlots;
        Host().hostOwned.insert(editor);
        effectList = new EffectList;
        Host().hostOwned.insert(effectList);
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

    int NumEffects() override { return effectList->NumRefs(); }

    Effect* GetEffect(int i) override {
        if (i < 0 || i >= NumEffects()) {
            Report("GetEffect(%d): no such effect (%d effects)", i, NumEffects());
            return nullptr;
        }
        return effectList->effects[static_cast<size_t>(i)];
    }

    void AddEffect(Effect* eff) override {
        if (!eff || !StandIn::IsLive(eff) || eff->IsDeleted()) {
            Report("AddEffect: not a live effect");
            return;
        }
        std::vector<Effect*> after = effectList->effects;
        after.push_back(eff);
        ChangeEffects(after);
    }

    void DeleteEffect(int i) override {
        if (i < 0 || i >= NumEffects()) {
            Report("DeleteEffect(%d): no such effect (%d effects)", i, NumEffects());
            return;
        }
        std::vector<Effect*> after = effectList->effects;
        after.erase(after.begin() + i);
        ChangeEffects(after);
    }

    void Reset() {
        time = 0;
        std::vector<INode*> nodes;
        for (int i = 0; i < root->NumberOfChildren(); ++i) nodes.push_back(root->GetChildNode(i));
        for (INode* n : nodes) n->DeleteThis();
        for (int i = 0; i < NUM_MTL_SLOTS; ++i) editor->ReplaceReference(i, nullptr, TRUE);
        root->DeleteAllRefs();
        effectList->SetList({});
    }

private:
    void ChangeEffects(const std::vector<Effect*>& after) {
        // The record is put (pinning the effects) before the list changes, so
        // an effect that leaves the list survives for undo.
        if (theHold.Holding())
            theHold.Put(new EffectListRestore(effectList, effectList->effects, after));
        effectList->SetList(after);
    }

    TimeValue time = 0;
    INode* root;
    MtlEditorSlots* editor;
    EffectList* effectList;
};

CoreInterface& Core() {
    static CoreInterface* core = new CoreInterface;
    return *core;
}

}  // namespace

Interface* GetCOREInterface() { return &Core(); }
Interface7* GetCOREInterface7() { return &Core(); }

namespace StandIn {

int ResetHost(std::vector<CStr>* described) {
    // Like the host's own reset, modules hear of it first.
    BroadcastNotification(NOTIFY_SYSTEM_PRE_RESET);
    theHold.Reset();
    ResetHostServices();
    Core().Reset();
    Host().classes.clear();
    while (macroRecorder && !macroRecorder->Enabled()) macroRecorder->Enable();
    int stragglers = 0;
    // Roots first (targets that nothing references), so that what a straggler
    // owns goes with it and is not counted on its own.
    for (;;) {
        std::vector<ReferenceTarget*> left;
        for (const ReferenceMaker* m : Host().liveMakers) {
            ReferenceMaker* mm = const_cast<ReferenceMaker*>(m);
            if (mm->IsRefTarget() && !Host().hostOwned.count(m) &&
                !static_cast<ReferenceTarget*>(mm)->IsDeleted())
                left.push_back(static_cast<ReferenceTarget*>(mm));
        }
        if (left.empty()) break;
        bool deletedAny = false;
        for (ReferenceTarget* t : left) {
            if (!IsLive(t) || t->IsDeleted() || t->HasDependents()) continue;
            ++stragglers;
            if (described) described->push_back(Describe(t));
            t->DeleteThis();
            deletedAny = true;
        }
        if (deletedAny) continue;
        // Every target left is referenced: take one that only plain makers
        // (a plug-in's holders, not targets themselves) reference.
        ReferenceTarget* root = left.front();
        for (ReferenceTarget* t : left) {
            bool underTarget = false;
            DependentIterator it(t);
            while (ReferenceMaker* m = it.Next()) underTarget = underTarget || m->IsRefTarget();
            if (!underTarget) {
                root = t;
                break;
            }
        }
        ++stragglers;
        if (described) described->push_back(Describe(root));
        root->DeleteThis();
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
            for (RefListItem* item = static_cast<ReferenceTarget*>(mm)->GetRefList().FirstItem();
                 item; item = item->next) {
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
