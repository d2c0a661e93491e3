// The framework module's identity: a host can ask which build of kwafx it loaded.
#include "afxtypes.h"

extern "C" KWAFX_API const char* AfxGetModuleVersion()
{
    return "kwafx 0.1";
}
