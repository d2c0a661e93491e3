// StructBenchModel.h: CStructBenchModel, the model the editor's benchmark opens: made by the
// editor itself with the windows its desktop stores, and saved again against the clock.
#pragma once

#include <afx.h>

class CStructDoc;

class CStructBenchModel
{
public:
    // A new model of nMembers sample members with nWindows windows open on it (the schedule, the
    // drawing, then lists of all members in every order), saved to strPath. FALSE, with the
    // reason on stderr, when it could not be made.
    static BOOL Make(const CString& strPath, int nMembers, int nWindows);
    // Saves the model as strCopy and prints "saved <ms>"; FALSE when it could not be saved.
    static BOOL TimeSave(CStructDoc* pDoc, const CString& strCopy);
};
