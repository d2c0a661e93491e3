// StructTourInput.h: CStructTourInput, what the tour does as the editor's user would: commands,
// keys typed into the focused window, mouse moves and clicks; and how it finds the windows it
// acts on.
#pragma once

#include <afxwin.h>

#include <functional>

class CStructTourInput
{
public:
    // Posts the command to the main frame, as a menu item does.
    static void Command(UINT nID);
    // Types the text into whatever window has the focus when each key arrives; "\n" is Enter,
    // "\t" Tab.
    static void Type(const CString& strText);
    // A key pressed and released.
    static void Key(BYTE nVirtualKey);
    // Moves the mouse to the point of the window's client area, and clicks there with the left
    // button when bClick; the window that holds the mouse, if one does, gets the messages.
    static void Mouse(CWnd* pWnd, CPoint ptClient, bool bClick);

    // The first window under pRoot (pRoot included, depth first) whose object the test accepts.
    static CWnd* Find(CWnd* pRoot, const std::function<bool(CWnd*)>& test);
    template <class T> static T* Find(CWnd* pRoot)
    {
        return static_cast<T*>(Find(pRoot, [](CWnd* pWnd) { return dynamic_cast<T*>(pWnd) != NULL; }));
    }
    // A visible top-level window of this thread of the class and, when given, with the caption
    // (a dialog: "#32770"); NULL when there is none.
    static HWND FindTopLevel(const char* pszClass, const char* pszCaption = NULL);
};
