// KwGridCtrlItem.cpp: the grid cell record.
#include "grid/KwGridCtrlItem.h"

CKwGridCtrlItem::CKwGridCtrlItem()
    : nType(eText), nIndex(-1), pChoices(NULL), clrText(0xFFFFFFFF), bBold(FALSE), pData(NULL)
{
}

CKwGridCtrlItem::CKwGridCtrlItem(const CKwGridCtrlItem& src)
    : nType(src.nType), sText(src.sText), nIndex(src.nIndex), pChoices(src.pChoices), clrText(src.clrText),
      bBold(src.bBold), pData(src.pData)
{
}

CKwGridCtrlItem& CKwGridCtrlItem::operator=(const CKwGridCtrlItem& src)
{
    nType = src.nType;
    sText = src.sText;
    nIndex = src.nIndex;
    pChoices = src.pChoices;
    clrText = src.clrText;
    bBold = src.bBold;
    pData = src.pData;
    return *this;
}

BOOL CKwGridCtrlItem::IsEmpty() const
{
    BOOL bNoContent = nType == eIndexDropDown ? nIndex == -1 : sText.IsEmpty();
    return bNoContent && pData == NULL;
}
