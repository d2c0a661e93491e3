// The event base: its destructor is the one virtual operation, defined here so that every
// module shares one vtable.
#include "core/KwEvent.h"

CKwEvent::~CKwEvent()
{
}
