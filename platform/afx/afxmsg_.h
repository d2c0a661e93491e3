// afxmsg_.h: the message-map macros. BEGIN_MESSAGE_MAP writes one dispatch function per class:
// each entry is a test of the message (or command) that calls its handler through a member
// pointer of the handler's exact signature, and END_MESSAGE_MAP hands everything else to the
// base class's map. Handlers are named as &CClass::OnSomething.
#pragma once

#include "CCmdTarget.h"
#include "CCmdUI.h"
#include "afxpriv.h"

#include <type_traits>

#define afx_msg

#define DECLARE_MESSAGE_MAP() \
protected: \
    virtual BOOL ProcessMessageMap(AFX_MSGMAP_CALL& afxCall) override;

// The map goes on in baseClass's, which must be a base of theClass.
#define BEGIN_MESSAGE_MAP(theClass, baseClass) \
    BOOL theClass::ProcessMessageMap(AFX_MSGMAP_CALL& afxCall) \
    { \
        typedef theClass ThisClass; \
        typedef baseClass TheBaseClass; \
        static_assert(std::is_base_of<TheBaseClass, ThisClass>::value && !std::is_same<TheBaseClass, ThisClass>::value, \
            "BEGIN_MESSAGE_MAP(" #theClass ", " #baseClass "): not a base class");

#define END_MESSAGE_MAP() \
        return TheBaseClass::ProcessMessageMap(afxCall); \
    }

// Entry building blocks: the test, and the call through a pointer of the expected signature.
#define AFX_ON_MSG(msg) if (!afxCall.bCommand && afxCall.nMessage == (UINT)(msg))
#define AFX_ON_CMD(msg, code, idTest) \
    if (afxCall.bCommand && afxCall.nMessage == (UINT)(msg) && afxCall.nCode == (UINT)LOWORD((DWORD_PTR)(code)) && (idTest))
// The handler converts as in an assignment: a map may name its own class's handlers and its
// bases', never a derived class's (which would be called on an object that is not one).
template <class TSignature> inline TSignature AfxHandler(TSignature pfn)
{
    return pfn;
}
#define AFX_CALL(signature, memberFxn) (this->*AfxHandler<signature>(memberFxn))
// A caller that only asks whether the command has a handler gets the target instead of a call.
#define AFX_CMD_FOUND() \
    if (afxCall.pHandlerInfo != NULL) \
    { \
        afxCall.pHandlerInfo->pTarget = this; \
        return TRUE; \
    }
#define AFX_ID_IS(id) (afxCall.nID == (UINT)(id))
#define AFX_ID_IN(id, idLast) (afxCall.nID >= (UINT)(id) && afxCall.nID <= (UINT)(idLast))
#define AFX_LPARAM_POINT() CPoint((short)LOWORD(afxCall.lParam), (short)HIWORD(afxCall.lParam))
#define AFX_WND(h) CWnd::FromHandle((HWND)(h))

// Handlers that return nothing answer 0.
#define AFX_MSG_V(msg, signature, memberFxn, ...) \
    AFX_ON_MSG(msg) \
    { \
        AFX_CALL(signature, memberFxn)(__VA_ARGS__); \
        afxCall.lResult = 0; \
        return TRUE; \
    }
// Handlers whose return value is the message's result.
#define AFX_MSG_R(msg, signature, memberFxn, ...) \
    AFX_ON_MSG(msg) \
    { \
        afxCall.lResult = (LRESULT)AFX_CALL(signature, memberFxn)(__VA_ARGS__); \
        return TRUE; \
    }

// Any message, registered messages and thread messages.
#define ON_MESSAGE(message, memberFxn) \
    AFX_MSG_R(message, LRESULT (ThisClass::*)(WPARAM, LPARAM), memberFxn, afxCall.wParam, afxCall.lParam)
#define ON_REGISTERED_MESSAGE(nMessageVariable, memberFxn) ON_MESSAGE(nMessageVariable, memberFxn)
#define ON_THREAD_MESSAGE(message, memberFxn) \
    AFX_MSG_V(message, void (ThisClass::*)(WPARAM, LPARAM), memberFxn, afxCall.wParam, afxCall.lParam)
#define ON_REGISTERED_THREAD_MESSAGE(nMessageVariable, memberFxn) ON_THREAD_MESSAGE(nMessageVariable, memberFxn)

// Commands from menus, accelerators and buttons.
#define ON_COMMAND(id, memberFxn) \
    AFX_ON_CMD(WM_COMMAND, CN_COMMAND, AFX_ID_IS(id)) \
    { \
        AFX_CMD_FOUND(); \
        AFX_CALL(void (ThisClass::*)(), memberFxn)(); \
        return TRUE; \
    }
// FALSE from the handler lets the command go on to the next target.
#define ON_COMMAND_EX(id, memberFxn) \
    AFX_ON_CMD(WM_COMMAND, CN_COMMAND, AFX_ID_IS(id)) \
    { \
        AFX_CMD_FOUND(); \
        return AFX_CALL(BOOL (ThisClass::*)(UINT), memberFxn)(afxCall.nID); \
    }
#define ON_COMMAND_RANGE(id, idLast, memberFxn) \
    AFX_ON_CMD(WM_COMMAND, CN_COMMAND, AFX_ID_IN(id, idLast)) \
    { \
        AFX_CMD_FOUND(); \
        AFX_CALL(void (ThisClass::*)(UINT), memberFxn)(afxCall.nID); \
        return TRUE; \
    }
#define ON_COMMAND_EX_RANGE(id, idLast, memberFxn) \
    AFX_ON_CMD(WM_COMMAND, CN_COMMAND, AFX_ID_IN(id, idLast)) \
    { \
        AFX_CMD_FOUND(); \
        return AFX_CALL(BOOL (ThisClass::*)(UINT), memberFxn)(afxCall.nID); \
    }

// Command-UI updates: handled unless the handler calls ContinueRouting.
template <class T>
inline BOOL AfxDispatchCmdUI(T* pThis, void (T::*pfn)(CCmdUI*), void* pExtra)
{
    CCmdUI* pCmdUI = static_cast<CCmdUI*>(pExtra);
    pCmdUI->m_bContinueRouting = FALSE;
    (pThis->*pfn)(pCmdUI);
    BOOL bHandled = !pCmdUI->m_bContinueRouting;
    pCmdUI->m_bContinueRouting = FALSE;
    return bHandled;
}
#define AFX_UPDATE_UI(msg, idTest, memberFxn) \
    AFX_ON_CMD(msg, CN_UPDATE_COMMAND_UI, idTest) \
    { \
        AFX_CMD_FOUND(); \
        return AfxDispatchCmdUI<ThisClass>(this, memberFxn, afxCall.pExtra); \
    }
#define ON_UPDATE_COMMAND_UI(id, memberFxn) AFX_UPDATE_UI(WM_COMMAND, AFX_ID_IS(id), memberFxn)
#define ON_UPDATE_COMMAND_UI_RANGE(id, idLast, memberFxn) AFX_UPDATE_UI(WM_COMMAND, AFX_ID_IN(id, idLast), memberFxn)
// A child control updating itself when its parent runs UpdateDialogControls.
#define ON_UPDATE_COMMAND_UI_REFLECT(memberFxn) AFX_UPDATE_UI(WM_REFLECT_BASE + WM_COMMAND, true, memberFxn)

// WM_NOTIFY from child controls: pExtra carries the header and where the result goes.
#define AFX_NOTIFY_ARGS static_cast<AFX_NOTIFY*>(afxCall.pExtra)->pNMHDR, static_cast<AFX_NOTIFY*>(afxCall.pExtra)->pResult
#define ON_NOTIFY(wNotifyCode, id, memberFxn) \
    AFX_ON_CMD(WM_NOTIFY, wNotifyCode, AFX_ID_IS(id)) \
    { \
        AFX_CMD_FOUND(); \
        AFX_CALL(void (ThisClass::*)(NMHDR*, LRESULT*), memberFxn)(AFX_NOTIFY_ARGS); \
        return TRUE; \
    }
#define ON_NOTIFY_RANGE(wNotifyCode, id, idLast, memberFxn) \
    AFX_ON_CMD(WM_NOTIFY, wNotifyCode, AFX_ID_IN(id, idLast)) \
    { \
        AFX_CMD_FOUND(); \
        AFX_CALL(void (ThisClass::*)(UINT, NMHDR*, LRESULT*), memberFxn)(afxCall.nID, AFX_NOTIFY_ARGS); \
        return TRUE; \
    }
#define ON_NOTIFY_EX(wNotifyCode, id, memberFxn) \
    AFX_ON_CMD(WM_NOTIFY, wNotifyCode, AFX_ID_IS(id)) \
    { \
        AFX_CMD_FOUND(); \
        return AFX_CALL(BOOL (ThisClass::*)(UINT, NMHDR*, LRESULT*), memberFxn)(afxCall.nID, AFX_NOTIFY_ARGS); \
    }
#define ON_NOTIFY_EX_RANGE(wNotifyCode, id, idLast, memberFxn) \
    AFX_ON_CMD(WM_NOTIFY, wNotifyCode, AFX_ID_IN(id, idLast)) \
    { \
        AFX_CMD_FOUND(); \
        return AFX_CALL(BOOL (ThisClass::*)(UINT, NMHDR*, LRESULT*), memberFxn)(afxCall.nID, AFX_NOTIFY_ARGS); \
    }
#define ON_NOTIFY_REFLECT(wNotifyCode, memberFxn) \
    AFX_ON_CMD(WM_REFLECT_BASE + WM_NOTIFY, wNotifyCode, true) \
    { \
        AFX_CMD_FOUND(); \
        AFX_CALL(void (ThisClass::*)(NMHDR*, LRESULT*), memberFxn)(AFX_NOTIFY_ARGS); \
        return TRUE; \
    }
// FALSE from the handler lets the parent handle the notification as well.
#define ON_NOTIFY_REFLECT_EX(wNotifyCode, memberFxn) \
    AFX_ON_CMD(WM_REFLECT_BASE + WM_NOTIFY, wNotifyCode, true) \
    { \
        AFX_CMD_FOUND(); \
        return AFX_CALL(BOOL (ThisClass::*)(NMHDR*, LRESULT*), memberFxn)(AFX_NOTIFY_ARGS); \
    }

// WM_COMMAND notifications from child controls.
#define ON_CONTROL(wNotifyCode, id, memberFxn) \
    AFX_ON_CMD(WM_COMMAND, wNotifyCode, AFX_ID_IS(id)) \
    { \
        AFX_CMD_FOUND(); \
        AFX_CALL(void (ThisClass::*)(), memberFxn)(); \
        return TRUE; \
    }
#define ON_CONTROL_RANGE(wNotifyCode, id, idLast, memberFxn) \
    AFX_ON_CMD(WM_COMMAND, wNotifyCode, AFX_ID_IN(id, idLast)) \
    { \
        AFX_CMD_FOUND(); \
        AFX_CALL(void (ThisClass::*)(UINT), memberFxn)(afxCall.nID); \
        return TRUE; \
    }
#define ON_CONTROL_REFLECT(wNotifyCode, memberFxn) \
    AFX_ON_CMD(WM_REFLECT_BASE + WM_COMMAND, wNotifyCode, true) \
    { \
        AFX_CMD_FOUND(); \
        AFX_CALL(void (ThisClass::*)(), memberFxn)(); \
        return TRUE; \
    }
#define ON_CONTROL_REFLECT_EX(wNotifyCode, memberFxn) \
    AFX_ON_CMD(WM_REFLECT_BASE + WM_COMMAND, wNotifyCode, true) \
    { \
        AFX_CMD_FOUND(); \
        return AFX_CALL(BOOL (ThisClass::*)(), memberFxn)(); \
    }

#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_BN_DOUBLECLICKED(id, memberFxn) ON_CONTROL(BN_DOUBLECLICKED, id, memberFxn)
#define ON_BN_SETFOCUS(id, memberFxn) ON_CONTROL(BN_SETFOCUS, id, memberFxn)
#define ON_BN_KILLFOCUS(id, memberFxn) ON_CONTROL(BN_KILLFOCUS, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_EN_UPDATE(id, memberFxn) ON_CONTROL(EN_UPDATE, id, memberFxn)
#define ON_EN_SETFOCUS(id, memberFxn) ON_CONTROL(EN_SETFOCUS, id, memberFxn)
#define ON_EN_KILLFOCUS(id, memberFxn) ON_CONTROL(EN_KILLFOCUS, id, memberFxn)
#define ON_EN_MAXTEXT(id, memberFxn) ON_CONTROL(EN_MAXTEXT, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn) ON_CONTROL(CBN_SELCHANGE, id, memberFxn)
#define ON_CBN_DBLCLK(id, memberFxn) ON_CONTROL(CBN_DBLCLK, id, memberFxn)
#define ON_CBN_SETFOCUS(id, memberFxn) ON_CONTROL(CBN_SETFOCUS, id, memberFxn)
#define ON_CBN_KILLFOCUS(id, memberFxn) ON_CONTROL(CBN_KILLFOCUS, id, memberFxn)
#define ON_CBN_EDITCHANGE(id, memberFxn) ON_CONTROL(CBN_EDITCHANGE, id, memberFxn)
#define ON_CBN_EDITUPDATE(id, memberFxn) ON_CONTROL(CBN_EDITUPDATE, id, memberFxn)
#define ON_CBN_DROPDOWN(id, memberFxn) ON_CONTROL(CBN_DROPDOWN, id, memberFxn)
#define ON_CBN_CLOSEUP(id, memberFxn) ON_CONTROL(CBN_CLOSEUP, id, memberFxn)
#define ON_CBN_SELENDOK(id, memberFxn) ON_CONTROL(CBN_SELENDOK, id, memberFxn)
#define ON_CBN_SELENDCANCEL(id, memberFxn) ON_CONTROL(CBN_SELENDCANCEL, id, memberFxn)
#define ON_LBN_SELCHANGE(id, memberFxn) ON_CONTROL(LBN_SELCHANGE, id, memberFxn)
#define ON_LBN_DBLCLK(id, memberFxn) ON_CONTROL(LBN_DBLCLK, id, memberFxn)
#define ON_LBN_SETFOCUS(id, memberFxn) ON_CONTROL(LBN_SETFOCUS, id, memberFxn)
#define ON_LBN_KILLFOCUS(id, memberFxn) ON_CONTROL(LBN_KILLFOCUS, id, memberFxn)

// Standard window messages, each with the framework's handler name and signature.
#define ON_WM_CREATE() \
    AFX_MSG_R(WM_CREATE, int (ThisClass::*)(LPCREATESTRUCT), &ThisClass::OnCreate, (LPCREATESTRUCT)afxCall.lParam)
#define ON_WM_DESTROY() AFX_MSG_V(WM_DESTROY, void (ThisClass::*)(), &ThisClass::OnDestroy)
#define ON_WM_NCDESTROY() AFX_MSG_V(WM_NCDESTROY, void (ThisClass::*)(), &ThisClass::OnNcDestroy)
#define ON_WM_CLOSE() AFX_MSG_V(WM_CLOSE, void (ThisClass::*)(), &ThisClass::OnClose)
#define ON_WM_SIZE() \
    AFX_MSG_V(WM_SIZE, void (ThisClass::*)(UINT, int, int), &ThisClass::OnSize, (UINT)afxCall.wParam, \
        (int)LOWORD(afxCall.lParam), (int)HIWORD(afxCall.lParam))
#define ON_WM_MOVE() \
    AFX_MSG_V(WM_MOVE, void (ThisClass::*)(int, int), &ThisClass::OnMove, (short)LOWORD(afxCall.lParam), \
        (short)HIWORD(afxCall.lParam))
#define ON_WM_PAINT() AFX_MSG_V(WM_PAINT, void (ThisClass::*)(), &ThisClass::OnPaint)
#define ON_WM_NCPAINT() AFX_MSG_V(WM_NCPAINT, void (ThisClass::*)(), &ThisClass::OnNcPaint)
#define ON_WM_ERASEBKGND() \
    AFX_MSG_R(WM_ERASEBKGND, BOOL (ThisClass::*)(CDC*), &ThisClass::OnEraseBkgnd, CDC::FromHandle((HDC)afxCall.wParam))
#define ON_WM_TIMER() AFX_MSG_V(WM_TIMER, void (ThisClass::*)(UINT_PTR), &ThisClass::OnTimer, (UINT_PTR)afxCall.wParam)
#define ON_WM_SETFOCUS() AFX_MSG_V(WM_SETFOCUS, void (ThisClass::*)(CWnd*), &ThisClass::OnSetFocus, AFX_WND(afxCall.wParam))
#define ON_WM_KILLFOCUS() \
    AFX_MSG_V(WM_KILLFOCUS, void (ThisClass::*)(CWnd*), &ThisClass::OnKillFocus, AFX_WND(afxCall.wParam))
#define AFX_KEY_ENTRY(msg, fn) \
    AFX_MSG_V(msg, void (ThisClass::*)(UINT, UINT, UINT), &ThisClass::fn, (UINT)afxCall.wParam, \
        (UINT)LOWORD(afxCall.lParam), (UINT)HIWORD(afxCall.lParam))
#define ON_WM_KEYDOWN() AFX_KEY_ENTRY(WM_KEYDOWN, OnKeyDown)
#define ON_WM_KEYUP() AFX_KEY_ENTRY(WM_KEYUP, OnKeyUp)
#define ON_WM_CHAR() AFX_KEY_ENTRY(WM_CHAR, OnChar)
#define ON_WM_SYSKEYDOWN() AFX_KEY_ENTRY(WM_SYSKEYDOWN, OnSysKeyDown)
#define ON_WM_SYSKEYUP() AFX_KEY_ENTRY(WM_SYSKEYUP, OnSysKeyUp)
#define ON_WM_SYSCHAR() AFX_KEY_ENTRY(WM_SYSCHAR, OnSysChar)
#define AFX_MOUSE_ENTRY(msg, fn) \
    AFX_MSG_V(msg, void (ThisClass::*)(UINT, CPoint), &ThisClass::fn, (UINT)afxCall.wParam, AFX_LPARAM_POINT())
#define ON_WM_MOUSEMOVE() AFX_MOUSE_ENTRY(WM_MOUSEMOVE, OnMouseMove)
#define ON_WM_LBUTTONDOWN() AFX_MOUSE_ENTRY(WM_LBUTTONDOWN, OnLButtonDown)
#define ON_WM_LBUTTONUP() AFX_MOUSE_ENTRY(WM_LBUTTONUP, OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK() AFX_MOUSE_ENTRY(WM_LBUTTONDBLCLK, OnLButtonDblClk)
#define ON_WM_RBUTTONDOWN() AFX_MOUSE_ENTRY(WM_RBUTTONDOWN, OnRButtonDown)
#define ON_WM_RBUTTONUP() AFX_MOUSE_ENTRY(WM_RBUTTONUP, OnRButtonUp)
#define ON_WM_RBUTTONDBLCLK() AFX_MOUSE_ENTRY(WM_RBUTTONDBLCLK, OnRButtonDblClk)
#define ON_WM_MBUTTONDOWN() AFX_MOUSE_ENTRY(WM_MBUTTONDOWN, OnMButtonDown)
#define ON_WM_MBUTTONUP() AFX_MOUSE_ENTRY(WM_MBUTTONUP, OnMButtonUp)
#define ON_WM_MBUTTONDBLCLK() AFX_MOUSE_ENTRY(WM_MBUTTONDBLCLK, OnMButtonDblClk)
// Non-client mouse messages carry the hit-test code and a screen point.
#define ON_WM_NCMOUSEMOVE() AFX_MOUSE_ENTRY(WM_NCMOUSEMOVE, OnNcMouseMove)
#define ON_WM_NCLBUTTONDOWN() AFX_MOUSE_ENTRY(WM_NCLBUTTONDOWN, OnNcLButtonDown)
#define ON_WM_NCLBUTTONUP() AFX_MOUSE_ENTRY(WM_NCLBUTTONUP, OnNcLButtonUp)
#define ON_WM_NCLBUTTONDBLCLK() AFX_MOUSE_ENTRY(WM_NCLBUTTONDBLCLK, OnNcLButtonDblClk)
#define ON_WM_NCRBUTTONDOWN() AFX_MOUSE_ENTRY(WM_NCRBUTTONDOWN, OnNcRButtonDown)
#define ON_WM_NCRBUTTONDBLCLK() AFX_MOUSE_ENTRY(WM_NCRBUTTONDBLCLK, OnNcRButtonDblClk)
#define ON_WM_NCMBUTTONDOWN() AFX_MOUSE_ENTRY(WM_NCMBUTTONDOWN, OnNcMButtonDown)
#define ON_WM_NCMBUTTONDBLCLK() AFX_MOUSE_ENTRY(WM_NCMBUTTONDBLCLK, OnNcMButtonDblClk)
#define ON_WM_MOUSEWHEEL() \
    AFX_MSG_R(WM_MOUSEWHEEL, BOOL (ThisClass::*)(UINT, short, CPoint), &ThisClass::OnMouseWheel, \
        (UINT)LOWORD(afxCall.wParam), (short)HIWORD(afxCall.wParam), AFX_LPARAM_POINT())
#define ON_WM_MOUSEACTIVATE() \
    AFX_MSG_R(WM_MOUSEACTIVATE, int (ThisClass::*)(CWnd*, UINT, UINT), &ThisClass::OnMouseActivate, \
        AFX_WND(afxCall.wParam), (UINT)LOWORD(afxCall.lParam), (UINT)HIWORD(afxCall.lParam))
#define ON_WM_SETCURSOR() \
    AFX_MSG_R(WM_SETCURSOR, BOOL (ThisClass::*)(CWnd*, UINT, UINT), &ThisClass::OnSetCursor, \
        AFX_WND(afxCall.wParam), (UINT)LOWORD(afxCall.lParam), (UINT)HIWORD(afxCall.lParam))
#define ON_WM_CAPTURECHANGED() \
    AFX_MSG_V(WM_CAPTURECHANGED, void (ThisClass::*)(CWnd*), &ThisClass::OnCaptureChanged, AFX_WND(afxCall.lParam))
#define ON_WM_CANCELMODE() AFX_MSG_V(WM_CANCELMODE, void (ThisClass::*)(), &ThisClass::OnCancelMode)
#define AFX_SCROLL_ENTRY(msg, fn) \
    AFX_MSG_V(msg, void (ThisClass::*)(UINT, UINT, CScrollBar*), &ThisClass::fn, (UINT)LOWORD(afxCall.wParam), \
        (UINT)HIWORD(afxCall.wParam), (CScrollBar*)AFX_WND(afxCall.lParam))
#define ON_WM_HSCROLL() AFX_SCROLL_ENTRY(WM_HSCROLL, OnHScroll)
#define ON_WM_VSCROLL() AFX_SCROLL_ENTRY(WM_VSCROLL, OnVScroll)
#define ON_WM_GETDLGCODE() AFX_MSG_R(WM_GETDLGCODE, UINT (ThisClass::*)(), &ThisClass::OnGetDlgCode)
#define ON_WM_CTLCOLOR() \
    if (!afxCall.bCommand && afxCall.nMessage >= WM_CTLCOLORMSGBOX && afxCall.nMessage <= WM_CTLCOLORSTATIC) \
    { \
        afxCall.lResult = (LRESULT)AFX_CALL(HBRUSH (ThisClass::*)(CDC*, CWnd*, UINT), &ThisClass::OnCtlColor)( \
            CDC::FromHandle((HDC)afxCall.wParam), AFX_WND(afxCall.lParam), afxCall.nMessage - WM_CTLCOLORMSGBOX); \
        return TRUE; \
    }
#define ON_WM_DRAWITEM() \
    AFX_MSG_V(WM_DRAWITEM, void (ThisClass::*)(int, LPDRAWITEMSTRUCT), &ThisClass::OnDrawItem, (int)afxCall.wParam, \
        (LPDRAWITEMSTRUCT)afxCall.lParam)
#define ON_WM_MEASUREITEM() \
    AFX_MSG_V(WM_MEASUREITEM, void (ThisClass::*)(int, LPMEASUREITEMSTRUCT), &ThisClass::OnMeasureItem, \
        (int)afxCall.wParam, (LPMEASUREITEMSTRUCT)afxCall.lParam)
#define ON_WM_COMPAREITEM() \
    AFX_MSG_R(WM_COMPAREITEM, int (ThisClass::*)(int, LPCOMPAREITEMSTRUCT), &ThisClass::OnCompareItem, \
        (int)afxCall.wParam, (LPCOMPAREITEMSTRUCT)afxCall.lParam)
#define ON_WM_DELETEITEM() \
    AFX_MSG_V(WM_DELETEITEM, void (ThisClass::*)(int, LPDELETEITEMSTRUCT), &ThisClass::OnDeleteItem, \
        (int)afxCall.wParam, (LPDELETEITEMSTRUCT)afxCall.lParam)
#define ON_WM_PARENTNOTIFY() \
    AFX_MSG_V(WM_PARENTNOTIFY, void (ThisClass::*)(UINT, LPARAM), &ThisClass::OnParentNotify, \
        (UINT)LOWORD(afxCall.wParam), afxCall.lParam)
#define ON_WM_CONTEXTMENU() \
    AFX_MSG_V(WM_CONTEXTMENU, void (ThisClass::*)(CWnd*, CPoint), &ThisClass::OnContextMenu, AFX_WND(afxCall.wParam), \
        AFX_LPARAM_POINT())
#define ON_WM_SHOWWINDOW() \
    AFX_MSG_V(WM_SHOWWINDOW, void (ThisClass::*)(BOOL, UINT), &ThisClass::OnShowWindow, (BOOL)afxCall.wParam, \
        (UINT)afxCall.lParam)
#define ON_WM_ACTIVATE() \
    AFX_MSG_V(WM_ACTIVATE, void (ThisClass::*)(UINT, CWnd*, BOOL), &ThisClass::OnActivate, (UINT)LOWORD(afxCall.wParam), \
        AFX_WND(afxCall.lParam), (BOOL)HIWORD(afxCall.wParam))
#define ON_WM_ACTIVATEAPP() \
    AFX_MSG_V(WM_ACTIVATEAPP, void (ThisClass::*)(BOOL, DWORD), &ThisClass::OnActivateApp, (BOOL)afxCall.wParam, \
        (DWORD)afxCall.lParam)
#define ON_WM_NCACTIVATE() AFX_MSG_R(WM_NCACTIVATE, BOOL (ThisClass::*)(BOOL), &ThisClass::OnNcActivate, (BOOL)afxCall.wParam)
#define ON_WM_GETMINMAXINFO() \
    AFX_MSG_V(WM_GETMINMAXINFO, void (ThisClass::*)(MINMAXINFO*), &ThisClass::OnGetMinMaxInfo, (MINMAXINFO*)afxCall.lParam)
#define ON_WM_WINDOWPOSCHANGING() \
    AFX_MSG_V(WM_WINDOWPOSCHANGING, void (ThisClass::*)(WINDOWPOS*), &ThisClass::OnWindowPosChanging, \
        (WINDOWPOS*)afxCall.lParam)
#define ON_WM_WINDOWPOSCHANGED() \
    AFX_MSG_V(WM_WINDOWPOSCHANGED, void (ThisClass::*)(WINDOWPOS*), &ThisClass::OnWindowPosChanged, \
        (WINDOWPOS*)afxCall.lParam)
#define ON_WM_SETTINGCHANGE() \
    AFX_MSG_V(WM_SETTINGCHANGE, void (ThisClass::*)(UINT, LPCTSTR), &ThisClass::OnSettingChange, (UINT)afxCall.wParam, \
        (LPCTSTR)afxCall.lParam)
#define ON_WM_SYSCOLORCHANGE() AFX_MSG_V(WM_SYSCOLORCHANGE, void (ThisClass::*)(), &ThisClass::OnSysColorChange)
#define ON_WM_SYSCOMMAND() \
    AFX_MSG_V(WM_SYSCOMMAND, void (ThisClass::*)(UINT, LPARAM), &ThisClass::OnSysCommand, (UINT)afxCall.wParam, \
        afxCall.lParam)
#define ON_WM_INITMENUPOPUP() \
    AFX_MSG_V(WM_INITMENUPOPUP, void (ThisClass::*)(CMenu*, UINT, BOOL), &ThisClass::OnInitMenuPopup, \
        CMenu::FromHandle((HMENU)afxCall.wParam), (UINT)LOWORD(afxCall.lParam), (BOOL)HIWORD(afxCall.lParam))
// An MDI child learns whether it is the one being activated and who the other one is.
#define ON_WM_MDIACTIVATE() \
    AFX_MSG_V(WM_MDIACTIVATE, void (ThisClass::*)(BOOL, CWnd*, CWnd*), &ThisClass::OnMDIActivate, \
        (HWND)afxCall.lParam == this->m_hWnd, AFX_WND(afxCall.lParam), AFX_WND(afxCall.wParam))
#define ON_WM_NCHITTEST() \
    AFX_MSG_R(WM_NCHITTEST, LRESULT (ThisClass::*)(CPoint), &ThisClass::OnNcHitTest, AFX_LPARAM_POINT())
#define ON_WM_NCCALCSIZE() \
    AFX_MSG_V(WM_NCCALCSIZE, void (ThisClass::*)(BOOL, NCCALCSIZE_PARAMS*), &ThisClass::OnNcCalcSize, \
        (BOOL)afxCall.wParam, (NCCALCSIZE_PARAMS*)afxCall.lParam)
#define ON_WM_ENABLE() AFX_MSG_V(WM_ENABLE, void (ThisClass::*)(BOOL), &ThisClass::OnEnable, (BOOL)afxCall.wParam)
#define ON_WM_DROPFILES() AFX_MSG_V(WM_DROPFILES, void (ThisClass::*)(HDROP), &ThisClass::OnDropFiles, (HDROP)afxCall.wParam)
#define ON_WM_HELPINFO() \
    AFX_MSG_R(WM_HELP, BOOL (ThisClass::*)(HELPINFO*), &ThisClass::OnHelpInfo, (HELPINFO*)afxCall.lParam)
#define ON_WM_QUERYENDSESSION() AFX_MSG_R(WM_QUERYENDSESSION, BOOL (ThisClass::*)(), &ThisClass::OnQueryEndSession)
#define ON_WM_ENDSESSION() \
    AFX_MSG_V(WM_ENDSESSION, void (ThisClass::*)(BOOL), &ThisClass::OnEndSession, (BOOL)afxCall.wParam)
#define ON_WM_QUERYDRAGICON() AFX_MSG_R(WM_QUERYDRAGICON, HCURSOR (ThisClass::*)(), &ThisClass::OnQueryDragIcon)

// Messages a parent hands back to the child control they concern.
#define ON_WM_CTLCOLOR_REFLECT() \
    AFX_ON_MSG(WM_REFLECT_BASE + WM_CTLCOLOR) \
    { \
        AFX_CTLCOLOR* pCtl = (AFX_CTLCOLOR*)afxCall.lParam; \
        afxCall.lResult = (LRESULT)AFX_CALL(HBRUSH (ThisClass::*)(CDC*, UINT), &ThisClass::CtlColor)( \
            CDC::FromHandle(pCtl->hDC), pCtl->nCtlType); \
        return TRUE; \
    }
#define ON_WM_DRAWITEM_REFLECT() \
    AFX_MSG_V(WM_REFLECT_BASE + WM_DRAWITEM, void (ThisClass::*)(LPDRAWITEMSTRUCT), &ThisClass::DrawItem, \
        (LPDRAWITEMSTRUCT)afxCall.lParam)
#define ON_WM_MEASUREITEM_REFLECT() \
    AFX_MSG_V(WM_REFLECT_BASE + WM_MEASUREITEM, void (ThisClass::*)(LPMEASUREITEMSTRUCT), &ThisClass::MeasureItem, \
        (LPMEASUREITEMSTRUCT)afxCall.lParam)
#define ON_WM_HSCROLL_REFLECT() \
    AFX_MSG_V(WM_REFLECT_BASE + WM_HSCROLL, void (ThisClass::*)(UINT, UINT), &ThisClass::HScroll, \
        (UINT)LOWORD(afxCall.wParam), (UINT)HIWORD(afxCall.wParam))
#define ON_WM_VSCROLL_REFLECT() \
    AFX_MSG_V(WM_REFLECT_BASE + WM_VSCROLL, void (ThisClass::*)(UINT, UINT), &ThisClass::VScroll, \
        (UINT)LOWORD(afxCall.wParam), (UINT)HIWORD(afxCall.wParam))
