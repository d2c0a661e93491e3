// StructCommandLine.h: CStructCommandLine, what the editor's command line asks for: the model to
// open, and whether to play the tour, time the start or make a sample model instead of running
// for the user.
#pragma once

#include <afx.h>

class CStructCommandLine
{
public:
    enum EMode
    {
        eInteractive, // kwdemo [<model.kwm>]
        eTour, // kwdemo /tour <folder> [/soak <minutes>] [<model.kwm>]
        eTiming, // kwdemo /timing [<model.kwm> [/save <copy.kwm>]]
        eSample // kwdemo /make-sample <model.kwm> <members> <windows>
    };
    // The largest sample /make-sample makes; the longest soak, a day.
    enum { kMaxSampleMembers = 100000, kMaxSampleWindows = 15, kMaxSoakMinutes = 24 * 60 };

    CStructCommandLine();

    // Reads argv[1] on (switches start with / or -, any case). FALSE, with m_strError saying why,
    // for a command line the editor cannot follow; the other members are then unreliable.
    BOOL Parse(int argc, const char* const* argv);

    EMode m_eMode;
    CString m_strModel; // empty: a new sample model (none at all with /timing); the one /make-sample makes
    CString m_strTourFolder; // where the tour writes its pictures and page
    int m_nSoakMinutes; // /soak: the tour plays round after round for so long; 0 plays it once
    CString m_strSaveCopy; // /timing: where the model is saved, timed, once the editor is ready
    int m_nSampleMembers;
    int m_nSampleWindows;
    CString m_strError;

private:
    BOOL SetMode(EMode eMode);
    BOOL ReadSampleSize();

    CString m_strMembers, m_strWindows; // /make-sample's numbers as given
    CString m_strSoakMinutes; // and /soak's
};
