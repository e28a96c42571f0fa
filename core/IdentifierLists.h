#pragma once
// The identifier lists need no widget: they live in core/logic/IdentifierLists.h.
#include "core/logic/IdentifierLists.h"
