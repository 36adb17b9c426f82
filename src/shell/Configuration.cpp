// The configuration window (not built yet: the stored settings are used as they are).
#include "shell/Configuration.h"

void ConfigurationUtility() {}
