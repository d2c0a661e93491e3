// ViewContext.h: CViewContext, what a view shows (which object, page or filter), in four texts
// and seven numbers whose meaning is the host's. A view being created finds the context meant for
// it on top of a process-wide stack; a live view hands its own back on request.
#pragma once

#include "core/KwUiExport.h"
#include "core/KwList.h"

#include <afx.h>

// Messages a view of the desktop answers (0, the default answer, means no context, not equal and
// no title).
#define WM_KW_GETVIEWCONTEXT 0x04AB     // lParam: CViewContext* to fill; answers 1
#define WM_KW_COMPAREVIEWCONTEXT 0x0442 // lParam: const CViewContext*; nonzero when it shows that
#define WM_KW_GETVIEWTITLE 0x04A9       // lParam: CString* that may receive a window title

class KWUI_API CViewContext : public CObject
{
    DECLARE_SERIAL(CViewContext)
public:
    CViewContext();
    CViewContext(const CViewContext& src) : CObject() { *this = src; }
    CViewContext& operator=(const CViewContext& src);
    // Texts byte by byte, case-sensitive, then the values.
    BOOL operator==(const CViewContext& other) const;
    BOOL operator!=(const CViewContext& other) const { return !(*this == other); }

    // The schema word 3, the four texts, the seven values.
    void Serialize(CArchive& ar) override;

    // Pushes a new default context and returns it; the stack owns it.
    static CViewContext* CreateViewContext();
    // Pops and deletes p when it is the top; anything else is left alone.
    static void DestroyViewContext(CViewContext* p);
    // The top of the stack, NULL when it is empty.
    static const CViewContext* GetViewContext();

    CString m_strText1;
    CString m_strText2;
    CString m_strText3;
    CString m_strText4;
    long m_nValue1;
    long m_nValue2;
    long m_nValue3;
    long m_nValue4;
    long m_nValue5;
    long m_nValue6;
    long m_nValue7;

    // Top at the head.
    static CKwList<CViewContext*, CViewContext*> m_ContextStack;
};

// Pushes a context for the length of a scope and pops it on every way out, exceptions included.
class KWUI_API CViewContextPush
{
public:
    CViewContextPush() : m_p(CViewContext::CreateViewContext()) {}
    explicit CViewContextPush(const CViewContext& ctx) : CViewContextPush() { *m_p = ctx; }
    ~CViewContextPush() { CViewContext::DestroyViewContext(m_p); }
    CViewContextPush(const CViewContextPush&) = delete;
    CViewContextPush& operator=(const CViewContextPush&) = delete;

    CViewContext* operator->() const { return m_p; }
    CViewContext& operator*() const { return *m_p; }

private:
    CViewContext* m_p;
};
