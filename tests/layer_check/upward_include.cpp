// The engine sees no layer above it: this include must not compile with its view.
#include "ui/form1.h"
