// BCGCBProCleanUp.h: BCGCBProCleanUp, the end of the docking library's process-wide state.
#pragma once

#include "bcgdefs.h"

// Frees what the library keeps for the whole process (the visual manager). The application calls
// it as it ends; a second call finds nothing left to do.
KWDOCK_API void BCGCBProCleanUp();
