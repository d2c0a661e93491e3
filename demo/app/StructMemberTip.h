// StructMemberTip.h: CStructMemberTip, the markup of the tip shown over a member in the schedule
// and the drawing: its mark, its section and grade in bold, its length, colour and remark.
#pragma once

#include "model/StructMember.h"

class CStructMemberTip
{
public:
    static CString Format(const CStructMember& member);
    // Text shown as it is: "<" doubled, line breaks and tabs made spaces.
    static CString Escape(const CString& strText);
};
