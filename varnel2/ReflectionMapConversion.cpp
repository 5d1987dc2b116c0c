#include "ReflectionMapConversion.h"

#include <unordered_set>
#include <vector>

#include "Control.h"
#include "ConversionRegistry.h"
#include "CopyParamBlock.h"
#include "CoreInterface.h"
#include "KeyControl.h"
#include "OutsideContract.h"
#include "Vrn2Contract.h"

namespace {

bool IsVrn2ReflectionMap(ReferenceTarget* t) {
    return t && t->SuperClassID() == TEXMAP_CLASS_ID &&
           t->ClassID() == VRN2_REFLECTION_MAP_CLASS_ID;
}

// The walk over one material's sub-materials and maps. A scene may share a
// map or material in many places and nest maps deeply: every object is
// walked below once per pass, and the walk keeps its own stack instead of
// the program's.
class ReflectionMapWalk {
public:
    explicit ReflectionMapWalk(ConversionRegistry* r) : registry(r) {}

    // Sub-materials depth first, then the material's own map slots.
    void Materials(Mtl* root) {
        if (!root || !walked.insert(root).second) return;
        struct Frame {
            Mtl* m;
            int next;
        };
        std::vector<Frame> stack{{root, 0}};
        while (!stack.empty()) {
            Frame& f = stack.back();
            if (f.next < f.m->NumSubMtls()) {
                Mtl* sub = f.m->GetSubMtl(f.next++);
                if (sub && walked.insert(sub).second) stack.push_back({sub, 0});
                continue;
            }
            Mtl* done = f.m;
            stack.pop_back();
            Maps(done);
        }
    }

    // Each slot's map is walked below before the slot itself is looked at,
    // so maps nested in a Varnel 2 map are replaced inside it first.
    void Maps(MtlBase* root) {
        if (!root) return;
        struct Frame {
            MtlBase* o;
            int slot;
            Texmap* t;  // the map of the slot, once walked below
            bool below;
        };
        std::vector<Frame> stack{{root, 0, nullptr, false}};
        mapsWalked.insert(root);
        while (!stack.empty()) {
            Frame& f = stack.back();
            if (!f.below) {
                if (f.slot >= f.o->NumSubTexmaps()) {
                    stack.pop_back();
                    continue;
                }
                f.t = f.o->GetSubTexmap(f.slot);
                f.below = true;
                if (f.t && mapsWalked.insert(f.t).second) {
                    stack.push_back({f.t, 0, nullptr, false});
                    continue;
                }
            }
            if (IsVrn2ReflectionMap(f.t)) {
                Texmap* r = ConvertVrn2ReflectionMap(f.t, registry);
                if (r) {
                    // The slot may belong to an object the run did not make.
                    registry->NoteSlotChange(f.o, f.slot, f.t, r);
                    f.o->SetSubTexmap(f.slot, r);
                }
            }
            ++f.slot;
            f.below = false;
        }
    }

private:
    ConversionRegistry* registry;
    std::unordered_set<Mtl*> walked;
    std::unordered_set<MtlBase*> mapsWalked;
};

// 0 becomes 1, any other value 0; animated values key by key.
void InvertSwitch(IParamBlock2* pb, ParamID id) {
    if (pb->IDtoIndex(id) < 0) return;
    Control* c = pb->GetController(id);
    IKeyControl* keys = c ? GetKeyControlInterface(c) : nullptr;
    if (keys && keys->GetNumKeys() > 0) {
        for (int k = 0; k < keys->GetNumKeys(); ++k) {
            TimeValue t = keys->GetKeyTime(k);
            float v = 0.0f;
            Interval valid = FOREVER;
            c->GetValue(t, &v, valid, CTRL_ABSOLUTE);
            float inverted = v == 0.0f ? 1.0f : 0.0f;
            c->SetValue(t, &inverted, 1, CTRL_ABSOLUTE);
        }
        return;
    }
    // A plain value, or a controller without keys: its one value is inverted
    // (written through the controller when there is one).
    pb->SetValue(id, 0, pb->GetInt(id, 0) == 0 ? 1 : 0);
}

}  // namespace

void ConvertVrn2ReflectionMaps(Mtl* m, ConversionRegistry* registry) {
    ReflectionMapWalk(registry).Materials(m);
}

void ConvertSubTexmapsOf(MtlBase* o, ConversionRegistry* registry) {
    ReflectionMapWalk(registry).Maps(o);
}

Texmap* ConvertVrn2ReflectionMap(Texmap* s, ConversionRegistry* registry) {
    if (!s || !registry) return nullptr;
    ReferenceTarget* found = registry->FindConverted(s);
    if (found)
        return found->SuperClassID() == TEXMAP_CLASS_ID ? static_cast<Texmap*>(found) : nullptr;

    Animatable* a =
        GetCOREInterface()->CreateInstance(TEXMAP_CLASS_ID, VRN3_REFLECTION_MAP_CLASS_ID);
    if (!a) return nullptr;
    Texmap* r = static_cast<Texmap*>(static_cast<MtlBase*>(static_cast<ReferenceTarget*>(a)));
    registry->AddConverted(s, r);
    r->SetName(s->GetName());

    IParamBlock2* source0 = s->GetParamBlockByID(REFLECTION_MAP_MAIN_BLOCK);
    IParamBlock2* dest0 = r->GetParamBlockByID(REFLECTION_MAP_MAIN_BLOCK);
    ParamIDConverterRefTex refTex;
    ParamIDConverterRefTexForOutline forOutline;
    CopyParamBlock(source0, dest0, 1, refTex);
    CopyParamBlock(source0, dest0, 1, forOutline);
    CopyParamBlock(s->GetParamBlockByID(REFLECTION_MAP_EXTRA_BLOCK),
                   r->GetParamBlockByID(REFLECTION_MAP_EXTRA_BLOCK), 1, baseParamIDConverter);

    if (dest0)
        for (ParamID id = VRN3_REFLECTION_FIRST_SWITCH; id <= VRN3_REFLECTION_LAST_SWITCH; ++id)
            InvertSwitch(dest0, id);
    return r;
}
