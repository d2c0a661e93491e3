// StructSectionPicture.h: CStructSectionPicture, a small monochrome bitmap file of a section's
// outline (I, H, channel, box or tube), drawn from the section's name.
#pragma once

#include <afx.h>
#include <afxcoll.h>

class CStructSectionPicture
{
public:
    // The bitmap file's bytes for "IPE 300", "HEA 200", "UPN 160", "SHS 120x6", "CHS 139.7x5" ...;
    // FALSE (bmp unchanged) when the name belongs to no shape it knows.
    static BOOL Make(const CString& strSection, CByteArray& bmp);

    enum { kSize = 32 }; // pixels, square
};
