// StructTourStep.h: CStructTourStep, one step of the editor's tour: what it does, the state it
// must lead to, and the line of text shown under its picture.
#pragma once

#include <afx.h>

#include <functional>

struct CStructTourStep
{
    CString strName; // "new-model": names the step's picture and the step when it fails
    CString strLine; // what the step shows, one line under its picture
    std::function<void()> action;
    // What is still missing of the expected state, empty once it is reached. Asked again and
    // again until then: the state may take some messages to come.
    std::function<CString()> check;
    DWORD dwLimit = 20000; // how long the state may take, in milliseconds
    // The answer to the prompts the step expects from the application (IDYES, IDOK ...); 0 when
    // it expects none, and a prompt then fails it; kShowPrompt to show the prompt as the user
    // would see it, for a later step to answer.
    enum { kShowPrompt = -1 };
    int nAnswer = 0;
};
