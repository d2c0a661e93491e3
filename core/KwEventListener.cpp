// The listener mix-in: by default an event is of no interest.
#include "core/KwEventListener.h"

CKwEventListener::~CKwEventListener()
{
}

void CKwEventListener::OnEvent(CKwEventSource* source, CKwEvent* event)
{
}
