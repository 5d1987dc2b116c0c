// The StdMat2 interface of a material. The host offers it through the class:
// the Standard material and the standard-compatible material derive from it,
// so the class ID is tested before the material is used as one.
#pragma once

#include "StdMat.h"

// True for the classes that offer StdMat2.
bool OffersStdMat2(Mtl* m);
// m as StdMat2, or null when m is null or of another class.
StdMat2* GetStdMat2(Mtl* m);
