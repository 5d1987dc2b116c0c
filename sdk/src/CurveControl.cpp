#include "CurveControl.h"

#include "StandIn.h"

Point3 CurveControl::GetPoint(int i) const {
    if (i < 0 || i >= GetNumPoints()) {
        StandIn::Report("CurveControl::GetPoint(%d): no such point (%d points)", i, GetNumPoints());
        return Point3();
    }
    return points[static_cast<size_t>(i)];
}

void CurveControl::SetNumPoints(int n) {
    if (n < 0) {
        StandIn::Report("CurveControl::SetNumPoints(%d): negative count", n);
        return;
    }
    points.resize(static_cast<size_t>(n));
}

void CurveControl::SetPoint(int i, const Point3& p) {
    if (i < 0 || i >= GetNumPoints()) {
        StandIn::Report("CurveControl::SetPoint(%d): no such point (%d points)", i, GetNumPoints());
        return;
    }
    points[static_cast<size_t>(i)] = p;
}

RefTargetHandle CurveControl::Clone(RemapDir& remap) {
    CurveControl* copy = new CurveControl;
    remap.AddEntry(this, copy);
    copy->points = points;
    return copy;
}
