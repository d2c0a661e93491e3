// StructApp.h: CStructApp, the structural model editor as an application: its command line, the
// splash window, the registry key, the model's template, and the one road every prompt of the
// editor takes (Ask), which a scripted run can answer instead of the user.
#pragma once

#include "StructCommandLine.h"
#include "StructSettings.h"

#include "frame/KwSoleDocApp.h"

#include <functional>

class CStructDoc;
class CStructMainFrame;

class CStructApp : public CKwSoleDocApp
{
public:
    CStructApp();

    // The running editor, NULL in a program that is not the editor (a test).
    static CStructApp* GetApp();

    // Every prompt and message box of the editor: the answerer when one is installed, else the
    // user (AfxMessageBox). Returns the button's id (IDOK, IDYES ...).
    static int Ask(const CString& strText, UINT nFlags);
    // A line in the output log (kept until the log exists).
    static void Log(const CString& strText);

    // Answers the prompts from now on, the framework's own (save changes?) included; an empty
    // answerer gives them back to the user.
    typedef std::function<int(const CString& strText, UINT nFlags)> Answerer;
    void SetAnswerer(Answerer answerer) { m_answerer = answerer; }

    // The /tour switch starts the tour through the starter its driver registers (given the
    // folder and /soak's minutes, 0 to play it once; FALSE when it cannot start), once the frame
    // shows with its model.
    typedef BOOL (*TourStarter)(const CString& strFolder, int nSoakMinutes);
    static void SetTourStarter(TourStarter pfnStarter);

    CStructMainFrame* GetMainFrame() const;
    // The splash window while it is up, else NULL.
    HWND GetSplashWindow() const;
    // The open model, NULL when none is open.
    CStructDoc* GetModelDoc();
    const CStructCommandLine& GetCommandLine() const { return m_commandLine; }
    CStructSettings& GetSettings() { return CStructSettings::Get(); }

    // Ends the program with nExitCode, dropping unsaved changes without a prompt.
    void Quit(int nExitCode);

    BOOL InitInstance() override;
    int ExitInstance() override;
    BOOL OnIdle(LONG lCount) override;
    int DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT nIDPrompt) override;
    // The toolkit's file dialog, which remembers the folder of the models.
    BOOL DoPromptFileName(CString& fileName, UINT nIDSTitle, DWORD lFlags, BOOL bOpenFileDialog,
        CDocTemplate* pTemplate) override;

protected:
    afx_msg void OnFileOpenModel();
    afx_msg void OnAppAbout();
    DECLARE_MESSAGE_MAP()

private:
    // Says why the editor cannot start as asked (a prompt when interactive, else stderr) and
    // ends it with exit code 2. Returns FALSE, for InitInstance to return.
    BOOL FailStart(const CString& strWhy);
    void ShowSplash();
    // /timing: the time since the process started, printed once the windows have painted; then
    // the save of the model to /save's copy, timed.
    void ReportReady();
    // /make-sample: a sample model with windows open on it, saved.
    BOOL MakeSample();

    CStructCommandLine m_commandLine;
    Answerer m_answerer;
    CStringArray m_pendingLog; // lines written before the log's pane exists
    int m_nExitCode; // -1: the framework's
    BOOL m_bReadyReported;
    HWND m_hWndSplash;
};
