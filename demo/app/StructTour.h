// StructTour.h: CStructTour, the editor's scripted tour: steps played one at a time from the
// message loop, each an action, the state it must lead to and a line of text; a picture of the
// application after each step and a page that shows them in order.
#pragma once

#include "StructTourPage.h"
#include "StructTourStep.h"

#include <afxwin.h>

#include <vector>

class CStructTour : public CWnd
{
public:
    // The pictures and the page go to strFolder, which is made if it does not exist.
    explicit CStructTour(const CString& strFolder);
    ~CStructTour() override;

    void Add(const CStructTourStep& step);
    // The first step runs once the message loop takes over; a step that opens a modal loop
    // (a dialog) lets the next steps play inside it. FALSE without steps, or when the folder or
    // the tour's window could not be made. Once over, the tour may start again.
    BOOL Start();

    // The answer to a prompt of the application while the tour plays: the playing step's
    // nAnswer, or the user's box for a later step to answer; a step that expects none fails,
    // and the prompt is declined.
    int Answer(const CString& strText, UINT nType);
    // The prompts the application asked since the playing step began, in order.
    const CStringArray& GetPrompts() const { return m_prompts; }

    // Replaces the playing step's line, for a check that quotes what the application said.
    void SetLine(const CString& strLine);

    const CString& GetFolder() const { return m_strFolder; }
    // The playing step, from 1; 0 before the first.
    int GetStepNumber() const { return m_nStep + 1; }

protected:
    // The tour is over: nCode is 0 when every step reached its state, else the number of the
    // step that did not, and strMessage says which and why. By default the message is printed
    // and the application ends with nCode as its exit code.
    virtual void OnEnd(int nCode, const CString& strMessage);

    afx_msg void OnTimer(UINT_PTR nIDEvent);
    DECLARE_MESSAGE_MAP()

private:
    void Tick();
    void Act();
    void Wait();
    void Picture();
    void Fail(const CString& strWhy);
    // Saves the frame as <folder>\NN-<step><suffix>.png; the file's name, empty on failure.
    CString SavePicture(const char* pszSuffix) const;
    void End(int nCode, const CString& strMessage);
    DWORD Elapsed() const { return ::GetTickCount() - m_dwStarted; }

    enum State { kAct, kWait, kPaint, kOver };
    CString m_strFolder;
    std::vector<CStructTourStep> m_steps;
    int m_nStep;
    State m_state;
    DWORD m_dwStarted; // when the playing step's action ran
    CStringArray m_prompts;
    CString m_strUnexpected; // the first prompt the playing step did not expect
    CStructTourPage m_page;
};
