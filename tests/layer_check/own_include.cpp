// The engine sees itself: this include compiles with its view.
#include "engine/name_pattern.h"
