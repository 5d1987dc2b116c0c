#include "ObjectList.h"

#include "Hold.h"
#include "StandIn.h"

using StandIn::Report;

ObjectList::ObjectList(ReferenceMaker* o, int firstRef, Class_ID acceptedClass)
    : owner(o), first(firstRef), accepted(acceptedClass) {}

ReferenceTarget* ObjectList::Get(int i) const {
    return i >= 0 && i < Count() ? items[static_cast<size_t>(i)] : nullptr;
}

void ObjectList::SetRef(int refIndex, ReferenceTarget* t) {
    if (Owns(refIndex)) items[static_cast<size_t>(refIndex - first)] = t;
}

// Undo record of a change of an object list: the list before and after. It
// pins the owner and every object in either list, so an object that leaves the
// list survives for undo and one that joins it survives for redo.
class ObjectListRestore : public RestoreObj {
public:
    ObjectListRestore(ObjectList& l, std::vector<ReferenceTarget*> b,
                      std::vector<ReferenceTarget*> a)
        : list(l),
          owner(l.owner),
          ownerSerial(l.owner->HostSerial()),
          before(std::move(b)),
          after(std::move(a)) {
        if (owner->IsRefTarget()) pins.Pin(static_cast<ReferenceTarget*>(owner));
        for (ReferenceTarget* t : before) pins.Pin(t);
        for (ReferenceTarget* t : after) pins.Pin(t);
    }
    void Restore(int) override { Apply(before); }
    void Redo() override { Apply(after); }
    CStr Description() override { return CStr("Object list"); }

private:
    void Apply(const std::vector<ReferenceTarget*>& l) {
        // The list lives inside its owner: touch it only while the owner does
        // (a plain owner is not pinned, and a new maker may stand at its address).
        if (!StandIn::IsLive(owner, ownerSerial)) {
            Report("undo: the owner of a recorded object list is gone");
            return;
        }
        if (owner->IsRefTarget() && static_cast<ReferenceTarget*>(owner)->IsDeleted()) return;
        list.Apply(l);
    }

    ObjectList& list;
    ReferenceMaker* owner;
    ReferenceMaker::Serial ownerSerial;
    std::vector<ReferenceTarget*> before, after;
    StandIn::HoldPins pins;
};

void ObjectList::Append(ReferenceTarget* t) {
    std::vector<ReferenceTarget*> after = items;
    after.push_back(t);
    Change(after);
}

bool ObjectList::Replace(const Tab<ReferenceTarget*>& l) {
    for (int i = 0; i < l.Count(); ++i) {
        if (l[i] && accepted != Class_ID(0, 0) && l[i]->ClassID() != accepted) {
            Report("object list: entry %d is of the wrong class", i);
            return false;
        }
    }
    std::vector<ReferenceTarget*> after;
    for (int i = 0; i < l.Count(); ++i) after.push_back(l[i]);
    Change(after);
    return true;
}

void ObjectList::Change(const std::vector<ReferenceTarget*>& after) {
    if (after == items) return;
    if (!theHold.Holding()) {
        Apply(after);
        return;
    }
    // The record is put (pinning both lists) before the list changes, and the
    // slot changes inside are not recorded one by one: a slot index means
    // nothing once the list has another length.
    theHold.Put(new ObjectListRestore(*this, items, after));
    theHold.Suspend();
    Apply(after);
    theHold.Resume();
}

void ObjectList::Apply(const std::vector<ReferenceTarget*>& l) {
    std::vector<ReferenceTarget*> old = items;
    int n = static_cast<int>(l.size());
    // Take the new objects before letting the old ones go, so that an object in
    // both lists is never deleted on the way.
    if (n > Count()) items.resize(l.size(), nullptr);
    for (int i = 0; i < n; ++i)
        owner->ReplaceReference(first + i, l[static_cast<size_t>(i)], FALSE);
    for (int i = Count() - 1; i >= n; --i) owner->ReplaceReference(first + i, nullptr, FALSE);
    items.resize(l.size());
    for (ReferenceTarget* t : old)
        if (t && StandIn::IsLive(t)) t->MaybeAutoDelete();
}

FPStatus ObjectListInterface::Invoke(FunctionID fid, FPValue& result, FPParams* p) {
    int n = p ? p->params.Count() : 0;
    if (fid == setFn) {
        if (n != 1 || p->params[0].type != TYPE_REFTARG_TAB_BR || !p->params[0].r_tab) {
            Report("function %d: expects one table passed by reference", fid);
            return FPS_FAIL;
        }
        return list.Replace(*p->params[0].r_tab) ? FPS_OK : FPS_FAIL;
    }
    if (fid == countFn) {
        if (n != 0) Report("function %d: takes no parameters", fid);
        result.LoadInt(list.Count());
        return FPS_OK;
    }
    if (fid == getFn) {
        if (n != 1 || p->params[0].type != TYPE_INT) {
            Report("function %d: expects one int index", fid);
            return FPS_FAIL;
        }
        int i = p->params[0].i;
        if (i < 0 || i >= list.Count()) {
            result.LoadRefTarg(nullptr);
            return FPS_OK;
        }
        result.LoadRefTarg(list.Get(i));
        return FPS_OK;
    }
    Report("no function %d in this interface", fid);
    return FPS_NO_SUCH_FUNCTION;
}
