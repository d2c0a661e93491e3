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
    // it cannot start. The editor's /tour switch calls it, once the frame shows a new model. With
    // nSoakMinutes, the tour plays round after round for so long, from its second step (the
    // splash window shows once), each round bringing the editor back to where it began.
    static BOOL Start(const CString& strFolder, int nSoakMinutes);

private:
    static void AddStart(CStructTour& tour);
    static void AddToolBarTip(CStructTour& tour);
    static void AddEditing(CStructTour& tour);
    static void AddPanes(CStructTour& tour);
    static void AddFiles(CStructTour& tour);
    static void AddServices(CStructTour& tour);
    static void AddLooks(CStructTour& tour);
    static void AddRoundEnd(CStructTour& tour);
};
