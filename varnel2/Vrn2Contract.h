// Block IDs, parameter IDs and reference indices of the Varnel 2 and Varnel 3
// objects that the Varnel 2 conversions read and write. They belong to those
// plug-ins (class IDs are in OutsideContract.h): never change them.
#pragma once

#include "MaxTypes.h"

// Varnel 2 material.
const BlockID VRN2_MTL_MAIN_BLOCK = 0;
const BlockID VRN2_MTL_FIRST_ZONE_BLOCK = 2;  // zone z in block z + 2
const int VRN2_MTL_NUM_ZONES = 4;
const int VRN2_MTL_STROKES_PER_ZONE = 6;
const ParamID VRN2_ZONE_START = 0;      // float: the zone's lower boundary
const ParamID VRN2_ZONE_END = 1;        // float: the zone's upper boundary
const ParamID VRN2_ZONE_STROKE_ON = 9;  // int table: on/off per stroke slot
const int VRN2_MTL_OUTLINE_MAP_REF = 7;
const int VRN2_MTL_SUBOBJECT_REF = 8;
const int VRN2_MTL_FIRST_ZONE_REF = 14;  // zone z's object at 14 + 7z
const int VRN2_MTL_REFS_PER_ZONE = 7;    // then its six stroke slots

// Varnel 3 material and zone.
const BlockID VRN3_MTL_MAIN_BLOCK = 0;
const int VRN3_MTL_OUTLINE_MAP_REF = 3;
const int VRN3_MTL_SUBOBJECT_REF = 4;
const BlockID VRN3_ZONE_BLOCK = 0;
const ParamID VRN3_ZONE_STROKE_ON = 9;  // int table
const ParamID VRN3_ZONE_NUMBER = 11;    // int, 1 to 8
const int VRN3_ZONE_MAP_REF = 1;

// Shared references of a material: (Varnel 2 reference, Varnel 3 reference).
struct SharedRef {
    int vrn2;
    int vrn3;
};
const SharedRef VRN2_MTL_SHARED_REFS[] = {{VRN2_MTL_OUTLINE_MAP_REF, VRN3_MTL_OUTLINE_MAP_REF},
                                          {9, 6},
                                          {10, 7},
                                          {11, 8},
                                          {12, 9},
                                          {13, 10}};

// The nested settings objects (Varnel 2 and Varnel 3) keep their block at
// reference 0.
const int NESTED_SETTINGS_BLOCK_REF = 0;

// Reflection maps.
const BlockID REFLECTION_MAP_MAIN_BLOCK = 0;
const BlockID REFLECTION_MAP_EXTRA_BLOCK = 1;
const ParamID VRN3_REFLECTION_FIRST_SWITCH = 8;  // 8 to 13: on/off values
const ParamID VRN3_REFLECTION_LAST_SWITCH = 13;

// Line effects and line sets.
const int LINE_EFFECT_BLOCK_INDEX = 0;
const int VRN2_LINE_EFFECT_FIRST_LINESET_REF = 1;
const BlockID LINESET_MAIN_BLOCK = 0;
const BlockID VRN2_LINESET_FIRST_GROUP_BLOCK = 1;  // groups g = 0, 1 in blocks g + 1
const BlockID VRN3_LINESET_FIRST_GROUP_BLOCK = 2;  // and in blocks g + 2
const BlockID LINESET_FIRST_DETECTION_BLOCK = 4;   // blocks 4 and 5 on both sides
const ParamID VRN3_GROUP_USE_OWN = 0;              // int
const ParamID VRN3_GROUP_SETTING = 1;              // int
const ParamID VRN3_GROUP_VISIBLE = 9;              // int
const ParamID VRN3_GROUP_HIDDEN = 10;              // int
const int VRN2_LINESET_EXTRA_REF = 31;             // 31, 32: cloned into 6, 7
const int VRN3_LINESET_EXTRA_REF = 6;
const int LINESET_NUM_EXTRA_REFS = 2;
const int LINESET_NUM_GROUPS = 2;
const int LINESET_BRUSHES_PER_GROUP = 6;
const int VRN2_LINESET_BRUSH_REF[LINESET_NUM_GROUPS] = {13, 19};
const int VRN3_LINESET_BRUSH_BASE[LINESET_NUM_GROUPS] = {10, 21};
// Varnel 3 offset from the base for each Varnel 2 slot of a group; offset 1
// takes the object at offset 2.
const int VRN3_LINESET_BRUSH_OFFSET[LINESET_BRUSHES_PER_GROUP] = {0, 2, 6, 5, 4, 3};

// Brushes and brush sub-maps.
const BlockID BRUSH_BLOCK = 0;
const int VRN2_BRUSH_SUBMAP_SLOT = 1;  // converted into Varnel 3 slot 0
const int VRN3_BRUSH_SUBMAP_SLOT = 0;
const int VRN2_SUBMAP_EXTRA_REF = 8;  // 8, 9: cloned into 6, 7
const int VRN3_SUBMAP_EXTRA_REF = 6;
const int SUBMAP_NUM_EXTRA_REFS = 2;
