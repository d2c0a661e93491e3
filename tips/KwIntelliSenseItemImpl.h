// KwIntelliSenseItemImpl.h: CKwIntelliSenseItemImpl, a completion that holds its three values.
#pragma once

#include "tips/KwIntelliSenseItem.h"

class KWUI_API CKwIntelliSenseItemImpl : public IKwIntelliSenseItem
{
public:
    CKwIntelliSenseItemImpl(CString sDisplayString, int nImageIndex, CString sDescription);
    CKwIntelliSenseItemImpl(const CKwIntelliSenseItemImpl& other);
    CKwIntelliSenseItemImpl& operator=(const CKwIntelliSenseItemImpl& other);

    CString IKwIntelliSenseItem_GetDisplayString() override { return m_sDisplayString; }
    int IKwIntelliSenseItem_GetImageIndex() override { return m_nImageIndex; }
    CString IKwIntelliSenseItem_GetDescription() override { return m_sDescription; }

private:
    CString m_sDisplayString;
    int m_nImageIndex;
    CString m_sDescription;
};
