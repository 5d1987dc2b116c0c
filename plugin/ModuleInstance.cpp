#include "PanelHelpers.h"

// Set when the module is attached to the process; until then no text or
// template can be loaded.
HINSTANCE hInstance = nullptr;
