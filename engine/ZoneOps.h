// The small operations on Varnel 3 zones that every zone-producing step uses.
// Values are written at time t with table index 0; a zone without a parameter
// block (or a null zone) is left alone.
#pragma once

#include "Color.h"
#include "ParamBlock2.h"

// A new, unowned Varnel 3 zone made through the host, or null.
ReferenceTarget* CreateZone();

// The zone's parameter block 0, or null for a null zone.
IParamBlock2* GetZoneParams(ReferenceTarget* zone);

void SetZoneStart(ReferenceTarget* zone, float value, TimeValue t);
void SetZoneEnd(ReferenceTarget* zone, float value, TimeValue t);
void SetZoneColor(ReferenceTarget* zone, const Color& color, TimeValue t);
void SetZoneBlendMode(ReferenceTarget* zone, int mode, TimeValue t);
// Zone number k + 1, kept within 1 to 8.
void SetZoneNumber(ReferenceTarget* zone, int k, TimeValue t);
