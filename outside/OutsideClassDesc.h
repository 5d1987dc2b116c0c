// Class descriptor shared by the stand-ins of outside plug-ins: every one of
// them is public, created with new, and known by a fixed name and ID.
#pragma once

#include "ClassDesc.h"

template <class T>
class OutsideClassDesc : public ClassDesc2 {
public:
    OutsideClassDesc(const char* className, SClass_ID superClass, Class_ID classID)
        : name(className), super(superClass), id(classID) {}

    int IsPublic() override { return 1; }
    void* Create(BOOL loading) override {
        (void)loading;
        return CreatedObject(new T);
    }
    const char* ClassName() override { return name; }
    SClass_ID SuperClassID() override { return super; }
    Class_ID ClassID() override { return id; }
    const char* Category() override { return ""; }
    const char* InternalName() override { return name; }

private:
    const char* name;
    SClass_ID super;
    Class_ID id;
};
