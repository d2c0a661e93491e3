// KwPropertyPageSubject.h: declares CKwPropertyPageSubject, the object whose properties pages
// show: it keeps the pages that show it and tells them when it changed, goes, or wants one of
// its properties shown.
#pragma once

#include "core/KwUiExport.h"

#include <afxwin.h>
#include <afxtempl.h>

class CKwPropertyPage;

class KWUI_API CKwPropertyPageSubject
{
public:
    CKwPropertyPageSubject();
    // The pages still subscribed forget the subject; they are not notified.
    virtual ~CKwPropertyPageSubject();

    // A page is in the list once; unsubscribing a page not in it does nothing.
    void CKwPropertyPageSubject_Subscribe(CKwPropertyPage* pPage);
    void CKwPropertyPageSubject_Unsubscribe(CKwPropertyPage* pPage);

    // Each page subscribed when the delivery began, in order, and still subscribed when its
    // turn comes (a page may unsubscribe or delete pages, itself included, while it is told).
    void CKwPropertyPageSubject_NotifyChanged();
    // The same with the deletion: each page unsubscribes and asks its owner to destroy it. The
    // subject's owner calls it before the subject goes.
    void CKwPropertyPageSubject_NotifyDeleted();
    // Offers the request to the pages in order until one has the control.
    int CKwPropertyPageSubject_OpenProperty(UINT nID, int nReserved, int nStartChar, int nEndChar);

private:
    template <class Call>
    void Deliver(Call call);

    CList<CKwPropertyPage*, CKwPropertyPage*> m_Pages;
};
