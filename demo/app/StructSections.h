// StructSections.h: CStructSections, the catalogue of rolled steel sections the editor knows:
// each section's name and the properties the pages and the catalogue pane show.
#pragma once

class CStructSections
{
public:
    enum Property { kHeight, kWidth, kMass, kArea, kIy, kWy, kProperties };
    struct Section
    {
        const char* pszName; // "HEA 200", as members name their section
        double values[kProperties];
    };

    static int GetCount();
    static const Section& GetAt(int nIndex);
    // The index of the section of that name (spaces and case as the catalogue writes them), or -1.
    static int Find(const char* pszName);

    // "Second moment", its symbol "Iy" and its unit "cm4".
    static const char* GetPropertyTitle(int nProperty);
    static const char* GetPropertySymbol(int nProperty);
    static const char* GetPropertyUnit(int nProperty);
};
