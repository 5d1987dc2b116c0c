#include "CollectUsedMtls.h"

#include <vector>

#include "CoreInterface.h"
#include "OutsideContract.h"

namespace {

void AddNodeMtls(INode* root, MtlBaseLib& lib) {
    // Depth first, a node before its children, without recursion: scenes can
    // be deep.
    std::vector<INode*> todo{root};
    while (!todo.empty()) {
        INode* node = todo.back();
        todo.pop_back();
        if (Mtl* m = node->GetMtl()) lib.AddMtl(m);
        for (int i = node->NumberOfChildren() - 1; i >= 0; --i)
            if (INode* child = node->GetChildNode(i)) todo.push_back(child);
    }
}

}  // namespace

void CollectUsedMtls(MtlBaseLib& lib) {
    Interface* ip = GetCOREInterface();
    if (INode* root = ip->GetRootNode()) AddNodeMtls(root, lib);

    for (int i = 0; i < NUM_MTL_SLOTS; ++i) {
        MtlBase* m = ip->GetMtlSlot(i);
        if (!m) break;
        if (m->SuperClassID() == MATERIAL_CLASS_ID) lib.AddMtl(m);
    }

    for (int k = 0; k < lib.Count(); ++k) {
        Mtl* m = static_cast<Mtl*>(lib[k]);
        Class_ID cls = m->ClassID();
        if (cls == VRN3_MTL_CLASS_ID || cls == VRN2_MTL_CLASS_ID) continue;
        int n = m->NumSubMtls();
        for (int j = 0; j < n; ++j)
            if (Mtl* sub = m->GetSubMtl(j)) lib.AddMtl(sub);
    }
}
