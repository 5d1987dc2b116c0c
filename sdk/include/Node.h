// Scene nodes. A node references the object it shows (reference 0) and its
// material (reference 1); its children are owned by it, not referenced.
#pragma once

#include <vector>

#include "Materials.h"

class SDKAPI INode : public ReferenceTarget {
public:
    enum { OBJECT_REF = 0, MTL_REF = 1, NUM_REFS = 2 };

    INode() = default;
    ~INode() override;

    SClass_ID SuperClassID() override { return BASENODE_CLASS_ID; }
    Class_ID ClassID() override { return Class_ID(1, 0); }
    void GetClassName(CStr& s) override { s = "Node"; }

    const char* GetName() { return name; }
    void SetName(const char* s) { name = s; }

    Mtl* GetMtl() { return mtl; }
    void SetMtl(Mtl* m) { ReplaceReference(MTL_REF, m); }
    ReferenceTarget* GetObjectRef() { return object; }
    void SetObjectRef(ReferenceTarget* o) { ReplaceReference(OBJECT_REF, o); }

    int NumberOfChildren() const { return static_cast<int>(children.size()); }
    INode* GetChildNode(int i) const;
    INode* GetParentNode() const { return parent; }
    // Moves child under this node (from wherever it was).
    void AttachChild(INode* child);
    BOOL IsRootNode() const { return parent == nullptr; }

    int NumRefs() override { return NUM_REFS; }
    RefTargetHandle GetReference(int i) override;
    void SetReference(int i, RefTargetHandle rtarg) override;
    RefResult NotifyRefChanged(Interval, RefTargetHandle, PartID&, RefMessage) override {
        return REF_SUCCEED;
    }
    void DeleteThis() override;

protected:
    // A node in the scene tree stays when a parameter or holder lets it go.
    bool OwnedOutsideReferences() override { return parent != nullptr; }

private:
    void DetachFromParent();

    CStr name;
    ReferenceTarget* object = nullptr;
    Mtl* mtl = nullptr;
    INode* parent = nullptr;
    std::vector<INode*> children;
};
