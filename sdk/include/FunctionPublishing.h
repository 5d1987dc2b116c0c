// Function publishing: objects offer interfaces (by Interface_ID) whose
// functions are called by number with typed parameters.
//
// A table handed in a parameter by reference (TYPE_REFTARG_TAB_BR) belongs to
// the parameter object: destroying the FPParams frees it. A caller that passes
// its own table must detach it (Detach) before the FPParams is destroyed.
#pragma once

#include "ParamBlock2.h"
#include "Tab.h"

typedef int FPStatus;
const FPStatus FPS_FAIL = 0;
const FPStatus FPS_OK = 1;
const FPStatus FPS_NO_SUCH_FUNCTION = -1;

class SDKAPI BaseInterface {
public:
    virtual ~BaseInterface() = default;
    virtual Interface_ID GetID() = 0;
};

// One typed value. Plain data: copying an FPValue copies the pointer, not a table.
struct FPValue {
    ParamType2 type = TYPE_INT;
    union {
        int i;
        float f;
        ReferenceTarget* r;
        Tab<ReferenceTarget*>* r_tab;
        void* ptr;
    };
    FPValue() : ptr(nullptr) {}
    void LoadInt(int v) {
        type = TYPE_INT;
        ptr = nullptr;
        i = v;
    }
    void LoadFloat(float v) {
        type = TYPE_FLOAT;
        ptr = nullptr;
        f = v;
    }
    void LoadRefTarg(ReferenceTarget* v) {
        type = TYPE_REFTARG;
        r = v;
    }
};

class SDKAPI FPParams {
public:
    FPParams() = default;
    // count pairs of (ParamType2 type, value): TYPE_INT takes an int,
    // TYPE_FLOAT a double, TYPE_REFTARG a ReferenceTarget*, TYPE_REFTARG_TAB_BR
    // a Tab<ReferenceTarget*>* whose ownership passes to this object.
    FPParams(int count, ...);
    FPParams(const FPParams&) = delete;
    FPParams& operator=(const FPParams&) = delete;
    // Frees every table still held by a TYPE_REFTARG_TAB_BR parameter.
    ~FPParams();

    // Gives up ownership of every table held (the caller keeps and frees them).
    void Detach();

    Tab<FPValue> params;
};

class SDKAPI FPInterface : public BaseInterface {
public:
    virtual FPStatus Invoke(FunctionID fid, FPValue& result, FPParams* p = nullptr) = 0;
    FPStatus Invoke(FunctionID fid, FPParams* p = nullptr) {
        FPValue ignored;
        return Invoke(fid, ignored, p);
    }
};
