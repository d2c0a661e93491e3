// KwSoleDocAppEventSoleDocClosed.h: declares the event the sole-document application sends after
// its sole document was closed by a command (closing it, or opening another in its place).
#pragma once

#include "core/KwEvent.h"

class KWUI_API CKwSoleDocAppEventSoleDocClosed : public CKwEvent
{
public:
    ~CKwSoleDocAppEventSoleDocClosed() override;
};
