// Stand-in of the Varnel 2 material. The converter only reads it; for now it
// is known by its class alone (its blocks and references come with the
// Varnel 2 conversion).
#pragma once

#include "Materials.h"


class Vrn2Mtl : public Mtl {
public:
    static inline const Class_ID CLASS_ID = Class_ID(0x54022257, 0x0814c54e);
    Class_ID ClassID() override { return Vrn2Mtl::CLASS_ID; }
    void GetClassName(CStr& s) override { s = "Varnel 2 Material"; }
};
