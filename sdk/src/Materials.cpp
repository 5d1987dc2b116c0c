#include "Materials.h"

CStr MtlBase::GetFullName() {
    CStr cls;
    GetClassName(cls);
    return GetName() + CStr("  ( ") + cls + CStr(" )");
}
