// Calls of the Varnel 3 objects' function-publishing interfaces. Without the
// interface an operation does nothing and a getter answers 0 or null.
//
// Lists are handed over by reference and stay the caller's: the call never
// frees them, the caller does.
#pragma once

#include "Materials.h"
#include "Tab.h"

typedef Tab<ReferenceTarget*> RefTargetTab;

// Zone-list interface of a Varnel 3 material.
void SetMtlZones(Mtl* mtl, RefTargetTab& zones);
int GetMtlZoneCount(Mtl* mtl);
ReferenceTarget* GetMtlZone(Mtl* mtl, int index);

// Stroke-list interface of a Varnel 3 zone.
void SetZoneStrokes(ReferenceTarget* zone, RefTargetTab& strokes);
int GetZoneStrokeCount(ReferenceTarget* zone);
ReferenceTarget* GetZoneStroke(ReferenceTarget* zone, int index);

// Line-effect interface of a Varnel 3 line effect.
void SetLineSets(ReferenceTarget* effect, RefTargetTab& lineSets);
