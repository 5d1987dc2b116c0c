#include "Reference.h"

#include <algorithm>
#include <unordered_set>
#include <utility>

#include "Hold.h"
#include "HostState.h"
#include "StandIn.h"

using StandIn::Report;

// ---------------------------------------------------------------- RefList

RefList::~RefList() {
    RefListItem* item = first;
    while (item) {
        RefListItem* next = item->next;
        delete item;
        item = next;
    }
    first = nullptr;
    last = nullptr;
}

int RefList::Count() const {
    int n = 0;
    for (RefListItem* item = first; item; item = item->next)
        if (item->maker) ++n;
    return n;
}

void RefList::AddItem(RefMakerHandle maker) {
    Cleanup();
    RefListItem* added = new RefListItem;
    added->maker = maker;
    if (last)
        last->next = added;
    else
        first = added;
    last = added;
}

bool RefList::RemoveItem(RefMakerHandle maker) {
    for (RefListItem* item = first; item; item = item->next) {
        if (item->maker == maker) {
            item->maker = nullptr;
            ++emptyEntries;
            return true;
        }
    }
    return false;
}

void RefList::Cleanup() {
    if (iterating > 0 || emptyEntries == 0) return;
    emptyEntries = 0;
    RefListItem** link = &first;
    last = nullptr;
    while (*link) {
        RefListItem* item = *link;
        if (!item->maker) {
            *link = item->next;
            delete item;
        } else {
            last = item;
            link = &item->next;
        }
    }
}

// ------------------------------------------------------- DependentIterator

DependentIterator::DependentIterator(ReferenceTarget* t) : target(t) {
    if (!target) return;
    targetSerial = target->HostSerial();
    ++target->refList.iterating;
}

DependentIterator::~DependentIterator() {
    if (target && StandIn::IsLive(target, targetSerial)) --target->refList.iterating;
}

ReferenceMaker* DependentIterator::Next() {
    if (!target) return nullptr;
    if (!StandIn::IsLive(target, targetSerial)) {
        Report("DependentIterator: the target was deleted during the walk of its dependents");
        target = nullptr;
        current = nullptr;
        return nullptr;
    }
    current = started ? (current ? current->next : nullptr) : target->refList.first;
    started = true;
    while (current && !current->maker) current = current->next;
    return current ? current->maker : nullptr;
}

void DependentIterator::Reset() {
    current = nullptr;
    started = false;
}

// ---------------------------------------------------------- DefaultRemapDir

DefaultRemapDir::DefaultRemapDir(BOOL use_A_WORK1) { (void)use_A_WORK1; }

RefTargetHandle DefaultRemapDir::FindMapping(RefTargetHandle from) {
    for (auto& e : entries)
        if (e.first == from) return e.second;
    return nullptr;
}

void DefaultRemapDir::AddEntry(RefTargetHandle hfrom, RefTargetHandle hto) {
    if (!FindMapping(hfrom)) entries.emplace_back(hfrom, hto);
}

RefTargetHandle DefaultRemapDir::CloneRef(RefTargetHandle oldTarg) {
    if (!oldTarg) return nullptr;
    if (RefTargetHandle known = FindMapping(oldTarg)) return known;
    RefTargetHandle made = oldTarg->Clone(*this);
    if (made) AddEntry(oldTarg, made);
    return made;
}

ReferenceTarget* CloneRefHierarchy(ReferenceTarget* rt) {
    ++Host().cloneRefHierarchyCalls;
    if (!rt) return nullptr;
    DefaultRemapDir remap(FALSE);
    return remap.CloneRef(rt);
}

// ---------------------------------------------------- recorded ref changes

// The host's own undo record of a reference change made while holding. It pins
// the targets it names, so none of them is deleted while the step may still
// be undone or redone.
class RefChangeRestore : public RestoreObj {
public:
    RefChangeRestore(ReferenceMaker* m, int which, ReferenceTarget* o, ReferenceTarget* n)
        : maker(m), makerSerial(m->HostSerial()), key(m->KeyOfSlot(which)), oldTarg(o), newTarg(n) {
        pins.Pin(maker->IsRefTarget() ? static_cast<ReferenceTarget*>(maker) : nullptr);
        pins.Pin(oldTarg);
        pins.Pin(newTarg);
    }
    void Restore(int) override { Apply(oldTarg); }
    void Redo() override { Apply(newTarg); }
    CStr Description() override { return CStr("Reference change"); }

private:
    void Apply(ReferenceTarget* t) {
        // A plain maker is not pinned: it may be gone, and a new one may
        // stand at its address.
        if (!StandIn::IsLive(maker, makerSerial)) {
            Report("undo: the maker of a recorded reference change is gone");
            return;
        }
        if (maker->IsRefTarget() && static_cast<ReferenceTarget*>(maker)->IsDeleted()) return;
        int slot = maker->SlotOfKey(key);
        if (slot < 0) {
            Report("undo: the slot of a recorded reference change of %s is gone",
                   Describe(maker).data());
            return;
        }
        maker->SetSlot(slot, t, TRUE, false);
    }

    ReferenceMaker* maker;
    ReferenceMaker::Serial makerSerial;
    ReferenceMaker::SlotKey key;  // the slot, by a name that survives table resizes
    ReferenceTarget* oldTarg;
    ReferenceTarget* newTarg;
    StandIn::HoldPins pins;
};

// ----------------------------------------------------------- ReferenceMaker

ReferenceMaker::ReferenceMaker() : serial(++Host().lastSerial) { Host().liveMakers.insert(this); }

ReferenceMaker::~ReferenceMaker() {
    // A maker deleted without DeleteThis still lets go of its targets, so that
    // no target keeps a dependent that no longer exists.
    std::vector<ReferenceTarget*> targets;
    targets.swap(held);
    for (ReferenceTarget* t : targets)
        if (StandIn::IsLive(t)) t->refList.RemoveItem(this);
    Host().liveMakers.erase(this);
    Host().hostOwned.erase(this);
    for (ReferenceTarget* t : targets)
        if (StandIn::IsLive(t)) t->MaybeAutoDelete();
}

RefResult ReferenceMaker::ReplaceReference(int which, RefTargetHandle newtarg, BOOL delOld) {
    return SetSlot(which, newtarg, delOld, theHold.Holding() != 0);
}

RefResult ReferenceMaker::DeleteReference(int i) { return ReplaceReference(i, nullptr, TRUE); }

RefResult ReferenceMaker::DeleteAllRefs() {
    for (int i = NumRefs() - 1; i >= 0; --i)
        if (GetReference(i)) DeleteReference(i);
    return REF_SUCCEED;
}

RefResult ReferenceMaker::SetSlot(int which, RefTargetHandle newtarg, BOOL delOld, bool record) {
    int n = NumRefs();
    if (which < 0 || which >= n) {
        Report("ReplaceReference(%d) on %s: slot out of range (%d references)", which,
               Describe(this).data(), n);
        return REF_FAIL;
    }
    RefTargetHandle old = GetReference(which);
    if (old == newtarg) return REF_SUCCEED;
    if (newtarg) {
        if (!StandIn::IsLive(newtarg)) {
            Report("ReplaceReference(%d) on %s: target is not a live object", which,
                   Describe(this).data());
            return REF_FAIL;
        }
        if (newtarg->IsDeleted()) {
            Report("ReplaceReference(%d) on %s: target %s was deleted", which,
                   Describe(this).data(), Describe(newtarg).data());
            return REF_FAIL;
        }
        if (IsRefTarget() && static_cast<ReferenceTarget*>(this)->ReachesUpTo(newtarg)) {
            Report("ReplaceReference(%d) on %s: refused, %s would make a loop", which,
                   Describe(this).data(), Describe(newtarg).data());
            return REF_FAIL;
        }
    }
    SetReference(which, newtarg);
    if (GetReference(which) != newtarg) {
        Report("ReplaceReference(%d) on %s: the maker did not take %s", which,
               Describe(this).data(), Describe(newtarg).data());
        SetReference(which, old);
        return REF_FAIL;
    }
    if (newtarg) {
        held.push_back(newtarg);
        newtarg->refList.AddItem(this);
        newtarg->autoDeletePending = false;
    }
    if (old) {
        ForgetHeld(old);
        old->refList.RemoveItem(this);
    }
    if (record) theHold.Put(new RefChangeRestore(this, which, old, newtarg));
    if (old && delOld) old->MaybeAutoDelete();
    return REF_SUCCEED;
}

void ReferenceMaker::ForgetHeld(ReferenceTarget* t) {
    auto it = std::find(held.begin(), held.end(), t);
    if (it == held.end()) {
        Report("%s referenced %s without the host knowing", Describe(this).data(),
               Describe(t).data());
        return;
    }
    held.erase(it);
}

void ReferenceMaker::DropAllRefsUnrecorded() {
    for (int i = NumRefs() - 1; i >= 0; --i)
        if (i < NumRefs() && GetReference(i)) SetSlot(i, nullptr, TRUE, false);
    if (!held.empty()) {
        // The maker no longer reports some of its targets through its slots.
        Report("%s still held %d reference(s) after dropping all", Describe(this).data(),
               static_cast<int>(held.size()));
        std::vector<ReferenceTarget*> targets;
        targets.swap(held);
        for (ReferenceTarget* t : targets) {
            t->refList.RemoveItem(this);
            t->MaybeAutoDelete();
        }
    }
}

void ReferenceMaker::DeleteThis() {
    DropAllRefsUnrecorded();
    delete this;
}

// ---------------------------------------------------------- ReferenceTarget

ReferenceTarget::ReferenceTarget() = default;

ReferenceTarget::~ReferenceTarget() {
    if (refList.Count() > 0) {
        Report("%s destroyed while still referenced", Describe(this).data());
        Detach();
    }
    if (holdLocks > 0 && !deleted)
        Report("%s destroyed while an undo record needs it", Describe(this).data());
}

bool ReferenceTarget::ReachesUpTo(ReferenceTarget* t) {
    // A new reference from this to t makes a loop when t already depends,
    // directly or not, on this (or is this).
    std::vector<ReferenceTarget*> todo{this};
    std::unordered_set<ReferenceTarget*> seen{this};
    while (!todo.empty()) {
        ReferenceTarget* cur = todo.back();
        todo.pop_back();
        if (cur == t) return true;
        for (RefListItem* item = cur->refList.first; item; item = item->next) {
            if (!item->maker || !item->maker->IsRefTarget()) continue;
            ReferenceTarget* up = static_cast<ReferenceTarget*>(item->maker);
            if (seen.insert(up).second) todo.push_back(up);
        }
    }
    return false;
}

std::vector<ReferenceMaker*> ReferenceTarget::DistinctDependents() {
    // Taken before anything is told: a dependent may change the list, and one
    // that references this object twice is visited once.
    std::vector<ReferenceMaker*> makers;
    for (RefListItem* item = refList.first; item; item = item->next)
        if (item->maker && std::find(makers.begin(), makers.end(), item->maker) == makers.end())
            makers.push_back(item->maker);
    return makers;
}

RefResult ReferenceTarget::NotifyDependents(Interval changeInt, PartID partID, RefMessage message,
                                            SClass_ID sclass, BOOL propagate,
                                            RefTargetHandle hTarg) {
    (void)hTarg;
    for (ReferenceMaker* m : DistinctDependents()) {
        if (!StandIn::IsLive(m)) continue;
        if (sclass != NOTIFY_ALL && m->SuperClassID() != sclass) continue;
        PartID part = partID;
        RefResult r = m->NotifyRefChanged(changeInt, this, part, message);
        if (r != REF_STOP && propagate && m->IsRefTarget() && StandIn::IsLive(m))
            static_cast<ReferenceTarget*>(m)->NotifyDependents(changeInt, part, message, sclass,
                                                               propagate);
    }
    return REF_SUCCEED;
}

void ReferenceTarget::MaybeAutoDelete() {
    if (deleted || refList.Count() > 0) return;
    if (Host().hostOwned.count(this) || OwnedOutsideReferences()) return;
    if (holdLocks > 0) {
        autoDeletePending = true;
        return;
    }
    DeleteThis();
}

void ReferenceTarget::HoldUnlock() {
    if (holdLocks <= 0) {
        Report("%s unlocked more often than locked", Describe(this).data());
        return;
    }
    if (--holdLocks > 0) return;
    if (deleted) {
        delete this;
    } else if (autoDeletePending && refList.Count() == 0) {
        autoDeletePending = false;
        MaybeAutoDelete();
    }
}

void ReferenceTarget::Detach() {
    NotifyDependents(FOREVER, PART_ALL, REFMSG_TARGET_DELETED, NOTIFY_ALL, FALSE);
    // Whatever the dependents did with the message, none may keep a slot
    // pointing at this object.
    std::vector<ReferenceMaker*> makers;
    for (RefListItem* item = refList.first; item; item = item->next)
        if (item->maker) makers.push_back(item->maker);
    for (ReferenceMaker* m : makers) {
        if (!StandIn::IsLive(m)) continue;
        for (int i = 0; i < m->NumRefs(); ++i)
            if (m->GetReference(i) == this) m->SetSlot(i, nullptr, FALSE, false);
    }
    for (RefListItem* item = refList.first; item; item = item->next) {
        if (item->maker) {
            Report("%s could not drop its reference to %s", Describe(item->maker).data(),
                   Describe(this).data());
            item->maker->ForgetHeld(this);
            item->maker = nullptr;
            ++refList.emptyEntries;
        }
    }
    DropAllRefsUnrecorded();
}

// The last record of a deletion made while holding: undone first, it makes the
// object usable again before the records put earlier give its slots back.
class DeleteRestore : public RestoreObj {
public:
    explicit DeleteRestore(ReferenceTarget* t) : target(t), serial(t->HostSerial()) {
        pins.Pin(target);
    }
    void Restore(int) override { SetDeleted(false); }
    void Redo() override { SetDeleted(true); }
    CStr Description() override { return CStr("Delete"); }

private:
    void SetDeleted(bool d) {
        // Pinned, the object goes only by a plain delete, which the host
        // reports; a new object at its address is left alone.
        if (StandIn::IsLive(target, serial)) target->deleted = d;
    }

    ReferenceTarget* target;
    ReferenceMaker::Serial serial;
    StandIn::HoldPins pins;
};

void ReferenceTarget::DeleteThis() {
    if (deleted) {
        Report("%s deleted twice", Describe(this).data());
        return;
    }
    if (theHold.Holding() && HasDependents()) {
        DetachRecorded();
        return;
    }
    deleted = true;
    Detach();
    if (holdLocks > 0) return;  // the last record that needs it deletes it
    delete this;
}

void ReferenceTarget::DetachRecorded() {
    NotifyDependents(FOREVER, PART_ALL, REFMSG_TARGET_DELETED, NOTIFY_ALL, FALSE);
    // Every slot cleared is a recorded change: the records pin this object and
    // what it referenced, so that undo finds both again.
    for (ReferenceMaker* m : DistinctDependents()) {
        if (!StandIn::IsLive(m)) continue;
        for (int i = 0; i < m->NumRefs(); ++i)
            if (m->GetReference(i) == this) m->SetSlot(i, nullptr, FALSE, true);
    }
    for (int i = NumRefs() - 1; i >= 0; --i)
        if (i < NumRefs() && GetReference(i)) SetSlot(i, nullptr, TRUE, true);
    theHold.Put(new DeleteRestore(this));
    deleted = true;
    // Whatever no slot showed is dropped for good, as when not holding.
    Detach();
}
