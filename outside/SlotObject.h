// The reference layout shared by most stand-ins of outside objects: a fixed
// row of reference slots, each holding a parameter block (made from its
// descriptor when the object is made), a map, or any reference target.
// Blocks are numbered by their order in the row. Clones copy every slot:
// blocks and objects alike are cloned through the directory.
#pragma once

#include <type_traits>
#include <vector>

#include "Materials.h"
#include "ParamBlock2.h"

struct RefSlot {
    enum Kind { ANY, BLOCK, MAP };
    Kind kind = ANY;
    ParamBlockDesc2* desc = nullptr;
};

inline RefSlot BlockSlot(ParamBlockDesc2& desc) { return RefSlot{RefSlot::BLOCK, &desc}; }
inline RefSlot MapSlot() { return RefSlot{RefSlot::MAP, nullptr}; }
inline RefSlot AnySlot() { return RefSlot{RefSlot::ANY, nullptr}; }

template <class Base>
class SlotObject : public Base {
public:
    int NumRefs() override { return static_cast<int>(layout.size()); }
    RefTargetHandle GetReference(int i) override {
        return i >= 0 && i < NumRefs() ? refs[static_cast<size_t>(i)] : nullptr;
    }
    void SetReference(int i, RefTargetHandle rtarg) override {
        if (i < 0 || i >= NumRefs()) return;
        SClass_ID sc = rtarg ? rtarg->SuperClassID() : 0;
        switch (layout[static_cast<size_t>(i)].kind) {
            case RefSlot::BLOCK:
                if (rtarg && sc != PARAMETER_BLOCK2_CLASS_ID) return;
                break;
            case RefSlot::MAP:
                if (rtarg && sc != TEXMAP_CLASS_ID) return;
                break;
            case RefSlot::ANY:
                break;
        }
        refs[static_cast<size_t>(i)] = rtarg;
    }

    int NumParamBlocks() override { return static_cast<int>(blockRefs.size()); }
    IParamBlock2* GetParamBlock(int i) override {
        if (i < 0 || i >= NumParamBlocks()) return nullptr;
        return static_cast<IParamBlock2*>(
            refs[static_cast<size_t>(blockRefs[static_cast<size_t>(i)])]);
    }
    IParamBlock2* GetParamBlockByID(BlockID id) override {
        for (int i = 0; i < NumParamBlocks(); ++i) {
            IParamBlock2* pb = GetParamBlock(i);
            if (pb && pb->ID() == id) return pb;
        }
        return nullptr;
    }

protected:
    explicit SlotObject(std::vector<RefSlot> slots) : layout(std::move(slots)) {
        refs.assign(layout.size(), nullptr);
        for (size_t i = 0; i < layout.size(); ++i) {
            if (layout[i].kind != RefSlot::BLOCK) continue;
            blockRefs.push_back(static_cast<int>(i));
            this->ReplaceReference(static_cast<int>(i),
                                   CreateParameterBlock2(layout[i].desc, this));
        }
    }

    // A copy of this object as a T (the most derived class) with every slot
    // cloned through remap.
    template <class T>
    RefTargetHandle CloneAs(RemapDir& remap) {
        T* copy = new T;
        remap.AddEntry(this, copy);
        if constexpr (std::is_base_of<MtlBase, Base>::value) copy->SetName(this->GetName());
        for (int i = 0; i < NumRefs(); ++i) {
            ReferenceTarget* r = GetReference(i);
            ReferenceTarget* c = remap.CloneRef(r);
            if (c && c->SuperClassID() == PARAMETER_BLOCK2_CLASS_ID)
                static_cast<IParamBlock2*>(c)->SetOwner(copy);
            copy->ReplaceReference(i, c);
        }
        return copy;
    }

private:
    std::vector<RefSlot> layout;
    std::vector<ReferenceTarget*> refs;
    std::vector<int> blockRefs;
};

// A map whose map slots (sub-texmaps) are some of its reference slots.
template <class Base>
class SlotMap : public SlotObject<Base> {
public:
    int NumSubTexmaps() override { return static_cast<int>(mapRefs.size()); }
    Texmap* GetSubTexmap(int i) override {
        if (i < 0 || i >= NumSubTexmaps()) return nullptr;
        ReferenceTarget* t = this->GetReference(mapRefs[static_cast<size_t>(i)]);
        return t && t->SuperClassID() == TEXMAP_CLASS_ID ? static_cast<Texmap*>(t) : nullptr;
    }
    void SetSubTexmap(int i, Texmap* m) override {
        if (i >= 0 && i < NumSubTexmaps())
            this->ReplaceReference(mapRefs[static_cast<size_t>(i)], m);
    }

protected:
    SlotMap(std::vector<RefSlot> slots, std::vector<int> subTexmapRefs)
        : SlotObject<Base>(std::move(slots)), mapRefs(std::move(subTexmapRefs)) {}

private:
    std::vector<int> mapRefs;
};
