// Class descriptors: how a module tells the host which classes it offers.
#pragma once

#include "Animatable.h"

class SDKAPI ClassDesc {
public:
    virtual ~ClassDesc() = default;
    virtual int IsPublic() = 0;
    // For every super class but utilities, the pointer returned is the new
    // object's Animatable (use CreatedObject below).
    virtual void* Create(BOOL loading = FALSE) = 0;
    virtual const char* ClassName() = 0;
    virtual SClass_ID SuperClassID() = 0;
    virtual Class_ID ClassID() = 0;
    virtual const char* Category() = 0;
    virtual const char* InternalName() { return nullptr; }
    virtual HINSTANCE HInstance() { return nullptr; }
};

class SDKAPI ClassDesc2 : public ClassDesc {};

template <class T>
void* CreatedObject(T* object) {
    return static_cast<void*>(static_cast<Animatable*>(object));
}
