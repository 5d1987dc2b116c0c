// Float-to-int conversions of the converter. A plain cast of a float outside
// the int range (or of NaN) is undefined behaviour, and user values can be
// anything: every conversion goes through here and saturates instead.
#pragma once

// v truncated toward zero; beyond the int range the nearest end of it; NaN is 0.
int TruncToInt(float v);

// The integer percent of a fraction x: x × 100 + 0.5, truncated toward zero
// (for non-negative x the nearest integer, halves going up).
int PercentOf(float x);
