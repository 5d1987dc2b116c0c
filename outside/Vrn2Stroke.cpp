#include "Vrn2Stroke.h"

Vrn2Stroke::Vrn2Stroke() : SlotObject<Texmap>(StrokeSlots()) { AddStrokeControls(this); }
