// AfxExceptionCatch.h: helpers that run a piece of code, catch the framework exception it
// throws (deleting it, as handlers must) and report what it was.
#pragma once

#include <afx.h>

// TRUE when f throws an exception of class E (deleted here); anything else passes through.
template <class E, class F>
bool ThrowsAfx(F&& f)
{
    try {
        f();
    } catch (E* e) {
        e->Delete();
        return true;
    }
    return false;
}

// The m_cause of the exception of class E that f throws, or -1 when it throws none.
template <class E, class F>
int CauseOf(F&& f)
{
    try {
        f();
    } catch (E* e) {
        int cause = e->m_cause;
        e->Delete();
        return cause;
    }
    return -1;
}

template <class F>
int ArchiveCauseOf(F&& f)
{
    return CauseOf<CArchiveException>(f);
}

template <class F>
int FileCauseOf(F&& f)
{
    return CauseOf<CFileException>(f);
}
