// KwSplashWnd.h: CKwSplashWnd, a picture from the resources shown in the middle of the screen
// while the application starts, with an optional line of text over it. It closes by itself after
// a while, or at the first key press or mouse click in any window of its thread.
#pragma once

#include "core/KwUiExport.h"

#include <afxwin.h>

class KWUI_API CKwSplashWnd : public CWnd
{
public:
    // Loads the bitmap resource, from whichever module of the application has it.
    explicit CKwSplashWnd(UINT nIDBitmap);
    ~CKwSplashWnd() override;

    void SetDuration(DWORD dwMilliseconds);
    // The text is drawn from pt to the bottom-right corner; set it before Create.
    void SetText(LPCTSTR lpszText, CPoint pt);

    // Shows the splash window. Once it is up the object deletes itself when the window goes;
    // FALSE (no window) when the bitmap did not load or the window could not be made, and then
    // the caller deletes it.
    BOOL Create();

    // A key press or mouse click meant for the splash window closes it and is swallowed.
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    CBitmap m_bitmap;
    DWORD m_dwDuration;
    CString m_strText;
    CPoint m_ptText;

    void PostNcDestroy() override;
    afx_msg void OnPaint();
    afx_msg LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    DECLARE_MESSAGE_MAP()

private:
    void Draw(CDC& dc);
    static bool IsDismissal(UINT message);
    // Splash windows on screen watch every message their thread takes from its queue.
    void StartWatching();
    void StopWatching();
    static LRESULT CALLBACK OnThreadMessage(int nCode, WPARAM wParam, LPARAM lParam);
};
