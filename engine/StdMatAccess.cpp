#include "StdMatAccess.h"

#include "OutsideContract.h"

bool OffersStdMat2(Mtl* m) {
    if (!m) return false;
    Class_ID cls = m->ClassID();
    return cls == STANDARD_MTL_CLASS_ID || cls == STD_COMPATIBLE_MTL_CLASS_ID;
}

StdMat2* GetStdMat2(Mtl* m) { return OffersStdMat2(m) ? static_cast<StdMat2*>(m) : nullptr; }
