// The material converter's target list: the materials the user wants
// converted, each with the texts shown for it.
#pragma once

#include <memory>
#include <vector>

#include "Materials.h"
#include "ReferenceHolder.h"

class MtlConvData {
public:
    MtlConvData() = default;
    // Takes the texts from m as they are now; they are not refreshed later.
    explicit MtlConvData(MtlBase* m);

    // The target itself, or null once it has been deleted. An entry may outlive
    // its material (the list is kept across scene changes), so the material is
    // only ever reached through here.
    MtlBase* LiveMtl() const;
    // Whether the entry names m, a live material. An entry whose material was
    // deleted matches nothing, even a new material given the same address.
    bool Holds(MtlBase* m) const { return m && LiveMtl() == m; }
    // Whether the entry was made from a material that has since been deleted.
    bool MtlDeleted() const { return guard && !LiveMtl(); }

    CStr fullName;
    CStr className;
    CStr name;

private:
    MtlBase* mtl = nullptr;
    // References mtl for as long as any copy of the entry exists (the list, an
    // undo record's saved list): a listed material is not deleted when the
    // scene lets go of it, and one that is deleted outright leaves the guard
    // empty instead of leaving a dangling entry.
    std::shared_ptr<ReferenceHolder> guard;
};

typedef std::vector<MtlConvData> MtlConvList;

// Removes the entries whose material has been deleted; the others keep their order.
void DropDeletedMtls(MtlConvList& list);
