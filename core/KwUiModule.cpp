// The toolkit module's identity: a host can ask which build of kwui it loaded.
#include "core/KwUiExport.h"

extern "C" KWUI_API const char* KwUiVersion()
{
    return "KwUi 0.1";
}
