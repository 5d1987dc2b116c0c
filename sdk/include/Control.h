// Animation controllers. A parameter that is animated holds a controller; its
// value at a time is the controller's value. Float controllers also animate int
// and bool parameters; point3 controllers animate colours and points.
#pragma once

#include "Reference.h"

const int CTRL_ABSOLUTE = 0;
const int CTRL_RELATIVE = 1;

class SDKAPI Control : public ReferenceTarget {
public:
    // val points to a float for float controllers, to a Point3 for point3 ones.
    virtual void GetValue(TimeValue t, void* val, Interval& valid, int method = CTRL_ABSOLUTE) = 0;
    virtual void SetValue(TimeValue t, void* val, int commit = 1, int method = CTRL_ABSOLUTE) = 0;
};
