// KwEventListener.h: CKwEventListener, the mix-in through which objects receive events from the
// sources they subscribe to.
#pragma once

#include "core/KwUiExport.h"

class CKwEvent;
class CKwEventSource;

class KWUI_API CKwEventListener
{
public:
    virtual ~CKwEventListener();

    // Called synchronously by source for each event it sends. event may be null (the sender
    // could not allocate it); it belongs to the source and must be neither kept nor deleted.
    // A listener may subscribe and unsubscribe listeners, itself included, while it runs.
    virtual void OnEvent(CKwEventSource* source, CKwEvent* event);
};
