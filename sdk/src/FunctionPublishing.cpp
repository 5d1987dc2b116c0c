#include "FunctionPublishing.h"

#include <cstdarg>

#include "StandIn.h"

FPParams::FPParams(int count, ...) {
    va_list args;
    va_start(args, count);
    for (int k = 0; k < count; ++k) {
        FPValue v;
        v.type = va_arg(args, int);
        switch (v.type) {
            case TYPE_INT:
            case TYPE_BOOL:
                v.i = va_arg(args, int);
                break;
            case TYPE_FLOAT:
                v.f = static_cast<float>(va_arg(args, double));
                break;
            case TYPE_REFTARG:
            case TYPE_MTL:
            case TYPE_TEXMAP:
            case TYPE_INODE:
                v.r = va_arg(args, ReferenceTarget*);
                break;
            case TYPE_REFTARG_TAB_BR:
                v.r_tab = va_arg(args, Tab<ReferenceTarget*>*);
                break;
            default:
                StandIn::Report("FPParams: parameter type %d is not supported", v.type);
                v.ptr = va_arg(args, void*);
                v.type = -1;
                break;
        }
        params.Append(1, &v);
    }
    va_end(args);
}

FPParams::~FPParams() {
    for (int k = 0; k < params.Count(); ++k) {
        if (params[k].type == TYPE_REFTARG_TAB_BR) {
            delete params[k].r_tab;
            params[k].r_tab = nullptr;
        }
    }
}

void FPParams::Detach() {
    for (int k = 0; k < params.Count(); ++k)
        if (params[k].type == TYPE_REFTARG_TAB_BR) params[k].r_tab = nullptr;
}
