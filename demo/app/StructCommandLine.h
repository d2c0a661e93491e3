// StructCommandLine.h: CStructCommandLine, what the editor's command line asks for: the model to
// open, and whether to play the tour or time the start instead of running for the user.
#pragma once

#include <afx.h>

class CStructCommandLine
{
public:
    enum EMode
    {
        eInteractive, // kwdemo [<model.kwm>]
        eTour, // kwdemo /tour <folder> [<model.kwm>]
        eTiming // kwdemo /timing [<model.kwm>]
    };

    CStructCommandLine();

    // Reads argv[1] on (switches start with / or -, any case). FALSE, with m_strError saying why,
    // for a command line the editor cannot follow; the other members are then unreliable.
    BOOL Parse(int argc, const char* const* argv);

    EMode m_eMode;
    CString m_strModel; // empty: a new sample model (none at all with /timing)
    CString m_strTourFolder; // where the tour writes its pictures and page
    CString m_strError;
};
