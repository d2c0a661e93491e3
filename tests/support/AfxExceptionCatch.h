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

// The cause of the CArchiveException f throws, or -1 when it throws none.
template <class F>
int ArchiveCauseOf(F&& f)
{
    try {
        f();
    } catch (CArchiveException* e) {
        int cause = e->m_cause;
        e->Delete();
        return cause;
    }
    return -1;
}

// The cause of the CFileException f throws, or -1 when it throws none.
template <class F>
int FileCauseOf(F&& f)
{
    try {
        f();
    } catch (CFileException* e) {
        int cause = e->m_cause;
        e->Delete();
        return cause;
    }
    return -1;
}
