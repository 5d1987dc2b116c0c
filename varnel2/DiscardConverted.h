// Giving up objects that a conversion made: they are deleted, together with
// everything that only they kept alive, and nothing the registry answers may
// be among the deleted.
#pragma once

#include "InterfaceCalls.h"

class ConversionRegistry;

// Deletes each object of objects that nothing references (null entries and
// repeats are ignored) and withdraws from the registry every object that goes
// with them. An object that something else references (shared with an
// earlier result of the run) is kept, and stays registered.
void DiscardConverted(const RefTargetTab& objects, ConversionRegistry* registry);
