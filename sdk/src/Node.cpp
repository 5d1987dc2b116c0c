#include "Node.h"

#include <algorithm>

#include "StandIn.h"

INode::~INode() {
    DetachFromParent();
    for (INode* child : children) child->parent = nullptr;
}

INode* INode::GetChildNode(int i) const {
    return i >= 0 && i < NumberOfChildren() ? children[static_cast<size_t>(i)] : nullptr;
}

void INode::AttachChild(INode* child) {
    if (!child || child == this) return;
    for (INode* up = this; up; up = up->parent) {
        if (up == child) {
            StandIn::Report("AttachChild: a node cannot become its own descendant");
            return;
        }
    }
    child->DetachFromParent();
    child->parent = this;
    children.push_back(child);
}

void INode::DetachFromParent() {
    if (!parent) return;
    auto& siblings = parent->children;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    parent = nullptr;
}

RefTargetHandle INode::GetReference(int i) {
    switch (i) {
        case OBJECT_REF:
            return object;
        case MTL_REF:
            return mtl;
        default:
            return nullptr;
    }
}

void INode::SetReference(int i, RefTargetHandle rtarg) {
    if (i == OBJECT_REF) {
        object = rtarg;
    } else if (i == MTL_REF && (!rtarg || rtarg->SuperClassID() == MATERIAL_CLASS_ID)) {
        // Only materials go into the material slot.
        mtl = static_cast<Mtl*>(rtarg);
    }
}

void INode::DeleteThis() {
    // A node takes its subtree with it.
    std::vector<INode*> doomed = children;
    for (INode* child : doomed) child->DeleteThis();
    DetachFromParent();
    ReferenceTarget::DeleteThis();
}
