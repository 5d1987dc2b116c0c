#include "CopyParamBlock.h"

#include <algorithm>

#include "Control.h"
#include "SdkAdapter.h"

namespace {

// A clone of the source's controller of (id, tab), installed on dest's
// (destID, tab) after the plain value has been written. The source keeps its
// own. A destination that cannot be animated keeps the plain value.
void CopyController(IParamBlock2* source, ParamID id, IParamBlock2* dest, ParamID destID, int tab) {
    Control* c = source->GetController(id, tab);
    if (!c) return;
    const ParamDef* d = dest->GetDesc()->GetParamDef(destID);
    if (!d || !(d->flags & P_ANIMATABLE)) return;
    ReferenceTarget* clone = CloneTarget(c);
    if (!clone) return;
    if (!dest->SetController(destID, tab, static_cast<Control*>(clone), TRUE)) clone->DeleteThis();
}

// One value at time 0: read as T from the source, written as T to dest.
template <class T>
void CopyValue(IParamBlock2* source, ParamID id, IParamBlock2* dest, ParamID destID, int tab) {
    T v{};
    Interval valid = FOREVER;
    if (!source->GetValue(id, 0, v, valid, tab)) return;
    dest->SetValue(destID, 0, v, tab);
}

template <class T>
void CopyScalarParam(IParamBlock2* source, ParamID id, IParamBlock2* dest, ParamID destID,
                     bool controllers) {
    CopyValue<T>(source, id, dest, destID, 0);
    if (controllers) CopyController(source, id, dest, destID, 0);
}

// CopyTabParam, one instance per element type.
template <class T>
void CopyTabParam(IParamBlock2* source, ParamID id, IParamBlock2* dest, ParamID destID,
                  int resizeTabs) {
    int n = source->Count(id);
    if (resizeTabs)
        dest->SetCount(destID, n);
    else
        n = std::min(n, dest->Count(destID));
    for (int i = 0; i < n; ++i) {
        CopyValue<T>(source, id, dest, destID, i);
        CopyController(source, id, dest, destID, i);
    }
}

void CopyParam(IParamBlock2* source, ParamID id, IParamBlock2* dest, ParamID destID,
               ParamType2 type, int resizeTabs) {
    switch (type) {
        case TYPE_FLOAT:
            CopyScalarParam<float>(source, id, dest, destID, true);
            break;
        case TYPE_INT:
        case TYPE_BOOL:
            CopyScalarParam<int>(source, id, dest, destID, true);
            break;
        case TYPE_RGBA:
            CopyScalarParam<Color>(source, id, dest, destID, true);
            break;
        case TYPE_POINT3:
            CopyScalarParam<Point3>(source, id, dest, destID, true);
            break;
        case TYPE_STRING:
            CopyScalarParam<const char*>(source, id, dest, destID, true);
            break;
        case TYPE_MTL:
            CopyScalarParam<Mtl*>(source, id, dest, destID, false);
            break;
        case TYPE_TEXMAP:
            CopyScalarParam<Texmap*>(source, id, dest, destID, false);
            break;
        case TYPE_INODE:
            CopyScalarParam<INode*>(source, id, dest, destID, false);
            break;
        case TYPE_FLOAT_TAB:
            CopyTabParam<float>(source, id, dest, destID, resizeTabs);
            break;
        case TYPE_INT_TAB:
        case TYPE_BOOL_TAB:
            CopyTabParam<int>(source, id, dest, destID, resizeTabs);
            break;
        case TYPE_POINT3_TAB:
            CopyTabParam<Point3>(source, id, dest, destID, resizeTabs);
            break;
        case TYPE_MTL_TAB:
            CopyTabParam<Mtl*>(source, id, dest, destID, resizeTabs);
            break;
        case TYPE_INODE_TAB:
            CopyTabParam<INode*>(source, id, dest, destID, resizeTabs);
            break;
        default:
            break;  // other units, files, bitmaps, other tables: not copied
    }
}

}  // namespace

void CopyParamBlock(IParamBlock2* source, IParamBlock2* dest, int resizeTabs,
                    ParamIDConverter& converter) {
    if (!source || !dest) return;
    // Visited in the source's order: of several parameters that translate to
    // one destination, the last one visited decides.
    for (int i = 0; i < source->NumParams(); ++i) {
        ParamID id = source->IndextoID(i);
        ParamType2 type = source->GetParameterType(id);
        ParamID destID = converter.ConvertID(id, type);
        if (destID < 0) continue;
        if (dest->IDtoIndex(destID) < 0) continue;
        if (dest->GetParameterType(destID) != type) continue;
        CopyParam(source, id, dest, destID, type, resizeTabs);
    }
}
