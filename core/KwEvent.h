// KwEvent.h: CKwEvent, the base of every event an event source announces.
#pragma once

#include "core/KwUiExport.h"

// Concrete events derive from it and carry their own fields; receivers tell them apart with a
// dynamic_cast. Sources delete the events they send through the virtual destructor.
class KWUI_API CKwEvent
{
public:
    CKwEvent() {}
    CKwEvent(const CKwEvent&) {}
    CKwEvent& operator=(const CKwEvent&) { return *this; }
    virtual ~CKwEvent();
};
