// Identifiers of the outside plug-ins that the converter reaches through the
// host. They belong to those plug-ins and to the host: never change them.
#pragma once

#include "ClassID.h"

// Varnel 3 (created by the converter).
const Class_ID VRN3_MTL_CLASS_ID(0x20101757, 0x081454de);
const Class_ID VRN3_ZONE_CLASS_ID(0x20101757, 0x08140210);
const Class_ID VRN3_STROKE_CLASS_ID(0x20101757, 0x081401a0);
const Class_ID VRN3_REFLECTION_MAP_CLASS_ID(0x20101757, 0x081401a5);
const Class_ID VRN3_LINE_EFFECT_CLASS_ID(0x20101757, 0x0814032e);
const Class_ID VRN3_LINE_SET_CLASS_ID(0x20101757, 0x081403f9);
const Class_ID VRN3_BRUSH_CLASS_ID(0x20101757, 0x081401fd);
const Class_ID VRN3_BRUSH_SUBMAP_CLASS_ID(0x20101757, 0x081401ff);

// Varnel 2 (only recognised).
const Class_ID VRN2_MTL_CLASS_ID(0x54022257, 0x0814c54e);
const Class_ID VRN2_STROKE_CLASS_ID(0x54022257, 0x0814c4f5);
const Class_ID VRN2_NESTED_SETTINGS_CLASS_ID(0x54022257, 0x0814ebfb);
const Class_ID VRN2_REFLECTION_MAP_CLASS_ID(0x54022257, 0x0814ed97);
const Class_ID VRN2_LINE_EFFECT_CLASS_ID(0x54022257, 0x0814c613);
const Class_ID VRN2_LINE_SET_CLASS_ID(0x54022257, 0x0814c617);
const Class_ID VRN2_BRUSH_CLASS_ID(0x71460fa7, 0x20262bf2);
const Class_ID VRN2_BRUSH_SUBMAP_CLASS_ID(0x3c1e671c, 0x7c0f52a1);

// Host materials, shaders and controls.
const Class_ID STANDARD_MTL_CLASS_ID(2, 0);
// A further material class that offers the host's StdMat2 interface.
const Class_ID STD_COMPATIBLE_MTL_CLASS_ID(0x5d0f71a6, 0x28e02964);
const Class_ID BLINN_SHADER_CLASS_ID(0x38, 0);
const Class_ID ANISO_SHADER_CLASS_ID(0x2857f460, 0);
const Class_ID FINALTOON_SHADER_CLASS_ID(0x17633767, 0x4cd42397);
const Class_ID ILLUSTRATE_SHADER_CLASS_ID(0x2d1f511f, 0x075853af);
const Class_ID CURVE_CONTROL_CLASS_ID(0x14585773, 0x483a7dcf);

// Function-publishing interfaces of Varnel 3 objects, with their functions.
const Interface_ID VRN3_ZONE_LIST_INTERFACE_ID(0x6e686977, 0x6ca31003);
enum { FN_SET_MTL_ZONES = 1, FN_GET_MTL_ZONE_COUNT = 2, FN_GET_MTL_ZONE = 3 };

const Interface_ID VRN3_STROKE_LIST_INTERFACE_ID(0x75a156a0, 0x19017a72);
enum { FN_SET_ZONE_STROKES = 0, FN_GET_ZONE_STROKE_COUNT = 1, FN_GET_ZONE_STROKE = 2 };

const Interface_ID VRN3_LINE_EFFECT_INTERFACE_ID(0x0ac64497, 0x35366896);
enum { FN_SET_LINE_SETS = 0 };
