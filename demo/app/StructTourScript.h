// StructTourScript.h: CStructTourScript, the editor's tour: what a new user does with it, from
// the start to the file monitor's offer to reload the model, each step with the state it must
// reach.
#pragma once

#include <afx.h>

class CStructTour;

class CStructTourScript
{
public:
    // Plays the tour in the running editor, its pictures and page going to strFolder; FALSE when
    // it cannot start. The editor's /tour switch calls it, once the frame shows a new model.
    static BOOL Start(const CString& strFolder);

private:
    static void AddStart(CStructTour& tour);
    static void AddEditing(CStructTour& tour);
    static void AddPanes(CStructTour& tour);
    static void AddFiles(CStructTour& tour);
    static void AddServices(CStructTour& tour);
};
