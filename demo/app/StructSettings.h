// StructSettings.h: CStructSettings, what the editor remembers between runs besides the docking
// layout: the drawing's label font and its colours, under "Drawing" in the application's key.
#pragma once

#include <afxwin.h>

class CStructSettings
{
public:
    // The first run's settings.
    CStructSettings();

    // The editor's settings, which the application loads at its start and the views draw with.
    static CStructSettings& Get();

    // Each value read that is present, of its type and sensible replaces the one held; anything
    // else (missing, another type, a font without a name or of an absurd size) keeps it.
    void Load();
    // FALSE when a value could not be written (no application key).
    BOOL Save() const;
    // Back to the first run's settings.
    void Reset();

    // A font fit to draw with: a face name ended within its field, a height and weight in range.
    static BOOL IsUsableFont(const LOGFONT& lf);

    LOGFONT m_lfLabel; // the members' marks in the drawing
    COLORREF m_crLabel;
    COLORREF m_crBackground; // behind the drawing
    COLORREF m_crHighlight; // the selected member
};
