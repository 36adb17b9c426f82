// The configuration window (not built yet: the stored settings are used as they are).
#include "front/Configuration.h"

void ConfigurationUtility() {}
