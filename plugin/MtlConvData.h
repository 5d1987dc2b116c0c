// The material converter's target list: the materials the user wants
// converted, each with the texts shown for it.
#pragma once

#include <memory>
#include <vector>

#include "Materials.h"
#include "ReferenceHolder.h"

struct MtlConvData {
    MtlConvData() = default;
    // Takes the texts from m as they are now; they are not refreshed later.
    explicit MtlConvData(MtlBase* m);

    // The target itself, or null once it has been deleted. An entry may outlive
    // its material (the list is kept across scene changes), so every use goes
    // through here rather than through mtl.
    MtlBase* LiveMtl() const;

    MtlBase* mtl = nullptr;
    CStr fullName;
    CStr className;
    CStr name;

    // References mtl for as long as any copy of the entry exists (the list, an
    // undo record's saved list): a listed material is not deleted when the
    // scene lets go of it, and one that is deleted outright leaves the guard
    // empty instead of leaving a dangling entry.
    std::shared_ptr<ReferenceHolder> guard;
};

typedef std::vector<MtlConvData> MtlConvList;

// Removes the entries whose material has been deleted; the others keep their order.
void DropDeletedMtls(MtlConvList& list);
