#include "drawing/QuotaturaAutomatica.h"

// The automatic dimension chains arrive with their own step.
void QuotaturaAutomatica(Parete&) {}
