// StructEvents.h: CStructEvent, what the model document announces to the windows that are not
// its views (the panes): a member changed, the selection moved, or the whole model changed.
#pragma once

#include "core/KwEvent.h"

class CStructEvent : public CKwEvent
{
public:
    enum Kind { kMemberChanged, kSelectionChanged, kModelChanged };
    CStructEvent(Kind kind, int nMember) : m_kind(kind), m_nMember(nMember) {}
    Kind m_kind;
    int m_nMember; // the member concerned, -1 for the whole model or no selection
};
