// The host's reference system. A maker references targets through numbered
// slots; every target keeps the list of its dependents (the makers that
// reference it). The two sides are kept in step by the host: plug-ins change a
// slot only through ReplaceReference (or DeleteReference), never by storing a
// pointer themselves, and the host calls the maker's SetReference to store it.
//
// Ownership follows references: a target that loses its last reference through
// ReplaceReference(..., TRUE) or DeleteReference is deleted, unless an undo
// record still needs it, in which case it is deleted when that record goes.
#pragma once

#include <vector>

#include "Animatable.h"
#include "Interval.h"

class ReferenceMaker;
class ReferenceTarget;
typedef ReferenceTarget* RefTargetHandle;
typedef ReferenceMaker* RefMakerHandle;

enum RefResult { REF_FAIL = 0, REF_SUCCEED = 1, REF_DONTCARE = 2, REF_STOP = 3, REF_INVALID = 4 };

typedef DWORD RefMessage;
typedef DWORD PartID;

const RefMessage REFMSG_CHANGE = 0x000001;
const RefMessage REFMSG_TARGET_DELETED = 0x000002;  // sent to dependents before a target goes
// Defined for plug-ins that name them; the stand-in host never sends them.
const RefMessage REFMSG_REF_DELETED = 0x000003;
const RefMessage REFMSG_REF_ADDED = 0x000004;

const PartID PART_ALL = 0xffffffff;
const SClass_ID NOTIFY_ALL = 0xfffffff0;

// One entry of a target's dependents. An entry whose maker is null was removed;
// the list is compacted when the next dependent is added, so walks that stop at
// the first empty entry (the older generations' way) may end early meanwhile.
class RefListItem {
public:
    RefMakerHandle maker = nullptr;
    RefListItem* next = nullptr;
};

class SDKAPI RefList {
public:
    RefList() = default;
    RefList(const RefList&) = delete;
    RefList& operator=(const RefList&) = delete;
    ~RefList();

    RefListItem* FirstItem() const { return first; }
    // Number of live (non-empty) entries.
    int Count() const;

    RefListItem* first = nullptr;

private:
    friend class ReferenceMaker;
    friend class ReferenceTarget;
    friend class DependentIterator;
    void AddItem(RefMakerHandle maker);
    bool RemoveItem(RefMakerHandle maker);
    void Cleanup();

    int iterating = 0;  // entries are never freed while an iterator walks them
    // A target shared by thousands is appended to in constant time.
    RefListItem* last = nullptr;
    int emptyEntries = 0;
};

// Enumerates the direct dependents of a target, one entry per reference.
class SDKAPI DependentIterator {
public:
    explicit DependentIterator(ReferenceTarget* target);
    DependentIterator(const DependentIterator&) = delete;
    DependentIterator& operator=(const DependentIterator&) = delete;
    ~DependentIterator();

    ReferenceMaker* Next();
    void Reset();

private:
    ReferenceTarget* target;
    // The target by its serial too: a target deleted during the walk ends it
    // (its list went with it), and a new object at its address is not it.
    unsigned long long targetSerial = 0;
    RefListItem* current = nullptr;
    bool started = false;
};

// Keeps the clones of one clone operation, so that an object reached twice is
// cloned once. One directory per clone.
class SDKAPI RemapDir {
public:
    virtual ~RemapDir() = default;
    virtual RefTargetHandle CloneRef(RefTargetHandle oldTarg) = 0;
    virtual RefTargetHandle FindMapping(RefTargetHandle from) = 0;
    virtual void AddEntry(RefTargetHandle hfrom, RefTargetHandle hto) = 0;
};

class SDKAPI DefaultRemapDir : public RemapDir {
public:
    explicit DefaultRemapDir(BOOL use_A_WORK1 = FALSE);
    RefTargetHandle CloneRef(RefTargetHandle oldTarg) override;
    RefTargetHandle FindMapping(RefTargetHandle from) override;
    void AddEntry(RefTargetHandle hfrom, RefTargetHandle hto) override;

private:
    std::vector<std::pair<RefTargetHandle, RefTargetHandle>> entries;
};

class SDKAPI ReferenceMaker : public Animatable {
public:
    ReferenceMaker();
    ~ReferenceMaker() override;

    SClass_ID SuperClassID() override { return REF_MAKER_CLASS_ID; }
    void GetClassName(CStr& s) override { s = "ReferenceMaker"; }

    virtual int NumRefs() { return 0; }
    virtual RefTargetHandle GetReference(int i) {
        (void)i;
        return nullptr;
    }
    // Called by the host only: store the target in slot i.
    virtual void SetReference(int i, RefTargetHandle rtarg) {
        (void)i;
        (void)rtarg;
    }
    virtual RefResult NotifyRefChanged(Interval changeInt, RefTargetHandle hTarget, PartID& partID,
                                       RefMessage message) {
        (void)changeInt;
        (void)hTarget;
        (void)partID;
        (void)message;
        return REF_SUCCEED;
    }
    virtual BOOL IsRefTarget() { return FALSE; }

    // Puts newtarg into slot which. The old target is deleted when delOld is
    // TRUE and nothing references it any more. Fails (and changes nothing) for a
    // slot out of range, a deleted target or a reference that would make a loop.
    // While the hold is recording, the change is recorded and undoable.
    RefResult ReplaceReference(int which, RefTargetHandle newtarg, BOOL delOld = TRUE);
    RefResult DeleteReference(int i);
    RefResult DeleteAllRefs();

    // Drops every reference of this maker, then deletes it.
    void DeleteThis() override;

    // Host internal: what the host has recorded this maker to reference.
    const std::vector<ReferenceTarget*>& HeldTargets() const { return held; }

    // Host internal: a number that no other maker of this process ever had.
    // Records that outlive the moment name a maker by address and serial, so
    // that a new maker built where a deleted one was is never taken for it.
    typedef unsigned long long Serial;
    Serial HostSerial() const { return serial; }

protected:
    // Host internal: the one place where a slot changes. record puts an undo
    // record when the hold is recording.
    RefResult SetSlot(int which, RefTargetHandle newtarg, BOOL delOld, bool record);

    // Host internals for undo records: a key that keeps naming slot which
    // while the maker's other slots come and go (a parameter block's table
    // that changes length moves every slot after it), and the slot that a key
    // names now, or -1 when that slot is gone. Most makers' slots never move.
    typedef long long SlotKey;
    virtual SlotKey KeyOfSlot(int which) { return which; }
    virtual int SlotOfKey(SlotKey key) { return static_cast<int>(key); }

private:
    friend class ReferenceTarget;
    friend class RefChangeRestore;
    void DropAllRefsUnrecorded();
    void ForgetHeld(ReferenceTarget* t);

    // The targets this maker references, one entry per reference: the host's
    // own record, so that it can unhook a maker without asking it.
    std::vector<ReferenceTarget*> held;
    Serial serial;
};

class SDKAPI ReferenceTarget : public ReferenceMaker {
public:
    ReferenceTarget();
    ~ReferenceTarget() override;

    SClass_ID SuperClassID() override { return REF_TARGET_CLASS_ID; }
    void GetClassName(CStr& s) override { s = "ReferenceTarget"; }
    BOOL IsRefTarget() override { return TRUE; }

    // A class that can be copied returns a new object here; the directory makes
    // sure that an object reached twice within one clone is copied once.
    virtual RefTargetHandle Clone(RemapDir& remap) {
        (void)remap;
        return nullptr;
    }

    // Sends message to every dependent; a dependent that answers REF_STOP is not
    // propagated through. sclass limits the dependents addressed by super class.
    RefResult NotifyDependents(Interval changeInt, PartID partID, RefMessage message,
                               SClass_ID sclass = NOTIFY_ALL, BOOL propagate = TRUE,
                               RefTargetHandle hTarg = nullptr);

    RefList& GetRefList() { return refList; }
    BOOL HasDependents() { return refList.Count() > 0; }

    // Deletes this target if nothing references it (deferred while an undo
    // record needs it).
    void MaybeAutoDelete();

    // Tells the dependents, clears their slots, drops its own references and
    // deletes the object. While an undo record needs it, the object is only
    // detached and marked deleted; the memory goes with the record. Deleting
    // a referenced object while holding is undoable: the slots cleared and the
    // references dropped are recorded, and undo gives the object back whole.
    void DeleteThis() override;
    BOOL IsDeleted() const { return deleted; }

    // Host internals: undo records pin the targets they name.
    void HoldLock() { ++holdLocks; }
    void HoldUnlock();

protected:
    // Host internal: whether something other than references owns this object
    // (a node belongs to its place in the scene tree), so that losing its last
    // reference does not delete it.
    virtual bool OwnedOutsideReferences() { return false; }

private:
    friend class ReferenceMaker;
    friend class DependentIterator;
    friend class DeleteRestore;
    void Detach();
    void DetachRecorded();
    bool ReachesUpTo(ReferenceTarget* t);
    std::vector<ReferenceMaker*> DistinctDependents();

    RefList refList;
    int holdLocks = 0;
    bool autoDeletePending = false;
    bool deleted = false;
};

// Copies rt with everything it owns, through a directory of its own: the
// 2012 generation's way of cloning (earlier ones call Clone with a
// DefaultRemapDir themselves).
SDKAPI ReferenceTarget* CloneRefHierarchy(ReferenceTarget* rt);
