#include "Vrn3Stroke.h"

Vrn3Stroke::Vrn3Stroke() : SlotObject<Texmap>(StrokeSlots()) { AddStrokeControls(this); }
