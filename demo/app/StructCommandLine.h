// StructCommandLine.h: CStructCommandLine, what the editor's command line asks for: the model to
// open, and whether to play the tour, time the start or make the benchmark's model instead of
// running for the user.
#pragma once

#include <afx.h>

class CStructCommandLine
{
public:
    enum EMode
    {
        eInteractive, // kwdemo [<model.kwm>]
        eTour, // kwdemo /tour <folder> [<model.kwm>]
        eTiming, // kwdemo /timing [<model.kwm> [/save <copy.kwm>]]
        eSample // kwdemo /make-sample <model.kwm> <members> <windows>
    };

    CStructCommandLine();

    // Reads argv[1] on (switches start with / or -, any case). FALSE, with m_strError saying why,
    // for a command line the editor cannot follow; the other members are then unreliable.
    BOOL Parse(int argc, const char* const* argv);

    EMode m_eMode;
    CString m_strModel; // empty: a new sample model (none at all with /timing)
    CString m_strTourFolder; // where the tour writes its pictures and page
    CString m_strSaveCopy; // /timing: the model is then saved as this copy, timed
    int m_nSampleMembers; // /make-sample: the model made (m_strModel) and its windows
    int m_nSampleWindows;
    CString m_strError;
};
