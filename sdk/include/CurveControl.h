// The host's curve control: an editable curve (a list of points) that
// plug-ins keep as a reference. Its super class is the reference maker's,
// yet it is a reference target that can be cloned.
#pragma once

#include <vector>

#include "Color.h"
#include "Reference.h"

class SDKAPI CurveControl : public ReferenceTarget {
public:
    // Fixed by the host; never change.
    static inline const Class_ID CLASS_ID = Class_ID(0x14585773, 0x483a7dcf);
    SClass_ID SuperClassID() override { return REF_MAKER_CLASS_ID; }
    Class_ID ClassID() override { return CurveControl::CLASS_ID; }
    void GetClassName(CStr& s) override { s = "CurveControl"; }

    int GetNumPoints() const { return static_cast<int>(points.size()); }
    Point3 GetPoint(int i) const;
    void SetNumPoints(int n);
    void SetPoint(int i, const Point3& p);

    RefTargetHandle Clone(RemapDir& remap) override;

private:
    std::vector<Point3> points{Point3(0.0f, 0.0f, 0.0f), Point3(1.0f, 1.0f, 0.0f)};
};
