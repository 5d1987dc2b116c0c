#include "MtlSlots.h"

#include "CoreInterface.h"
#include "ReferenceHolder.h"
#include "SdkAdapter.h"
#include "UndoRecord.h"

namespace {

MtlBase* HeldMtl(ReferenceHolder& h) { return static_cast<MtlBase*>(h.GetReference(0)); }

// The map that shows m in the viewport: m itself when it displays itself, else
// its active map; none without m.
MtlBase* ViewportMap(Mtl* m) {
    if (!m) return nullptr;
    if (IsTexDisplayEnabled(m)) return m;
    return m->GetActiveTexmap();
}

}  // namespace

void SetMtlSlot(int slot, MtlBase* mtl) {
    class MtlEditorRestore : public UndoRecord {
    public:
        ReferenceHolder oldMtl;
        ReferenceHolder newMtl;
        int slot = 0;

        CStr Description() override { return CStr("MtlEditorRestore"); }

    protected:
        void Undo() override { GetCOREInterface7()->PutMtlToMtlEditor(HeldMtl(oldMtl), slot); }
        void Apply() override { GetCOREInterface7()->PutMtlToMtlEditor(HeldMtl(newMtl), slot); }
    };

    PutUndoRecord(new MtlEditorRestore, [&](MtlEditorRestore& r) {
        SetSingleRef(r.oldMtl, GetCOREInterface7()->GetMtlSlot(slot));
        SetSingleRef(r.newMtl, mtl);
        r.slot = slot;
    });
}

void SetSubMtl(Mtl* parent, Mtl* newSub, int index) {
    class SetSubMtlRestore : public UndoRecord {
    public:
        ReferenceHolder parent;
        ReferenceHolder oldSub;
        ReferenceHolder oldActive;
        ReferenceHolder newSub;
        ReferenceHolder newActive;
        int index = 0;

        CStr Description() override { return CStr("SubMtlRestore"); }

    protected:
        void Undo() override { Swap(oldSub, newActive, oldActive); }
        void Apply() override { Swap(newSub, oldActive, newActive); }

    private:
        Mtl* Parent() { return static_cast<Mtl*>(HeldMtl(parent)); }
        void Swap(ReferenceHolder& sub, ReferenceHolder& hide, ReferenceHolder& show) {
            Mtl* p = Parent();
            if (!p) return;
            p->SetSubMtl(index, static_cast<Mtl*>(HeldMtl(sub)));
            p->NotifyDependents(FOREVER, PART_ALL, REFMSG_CHANGE, NOTIFY_ALL, TRUE, nullptr);
            Interface* ip = GetCOREInterface();
            if (MtlBase* m = HeldMtl(hide)) ip->DeActivateTexture(m, p, index);
            if (MtlBase* m = HeldMtl(show)) ip->ActivateTexture(m, p, index);
        }
    };

    PutUndoRecord(new SetSubMtlRestore, [&](SetSubMtlRestore& r) {
        SetSingleRef(r.parent, parent);
        r.index = index;
        Mtl* old = parent->GetSubMtl(index);
        SetSingleRef(r.oldSub, old);
        SetSingleRef(r.oldActive, ViewportMap(old));
        SetSingleRef(r.newSub, newSub);
        SetSingleRef(r.newActive, newSub ? ViewportMap(newSub->GetSubMtl(0)) : nullptr);
    });
}

void RecordSubTexmapChange(MtlBase* owner, int slot, Texmap* before, Texmap* after) {
    class SubTexmapRestore : public UndoRecord {
    public:
        ReferenceHolder owner;
        ReferenceHolder before;
        ReferenceHolder after;
        int slot = 0;

        CStr Description() override { return CStr("SubTexmapRestore"); }

    protected:
        void Undo() override { Put(before); }
        void Apply() override { Put(after); }

    private:
        void Put(ReferenceHolder& map) {
            if (MtlBase* o = HeldMtl(owner))
                o->SetSubTexmap(slot, static_cast<Texmap*>(HeldMtl(map)));
        }
    };

    PutUndoRecord(new SubTexmapRestore, [&](SubTexmapRestore& r) {
        SetSingleRef(r.owner, owner);
        SetSingleRef(r.before, before);
        SetSingleRef(r.after, after);
        r.slot = slot;
    });
}
