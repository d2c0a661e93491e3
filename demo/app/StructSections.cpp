// CStructSections: the catalogue's table (values of the European section tables).
#include "StructSections.h"

#include <cstring>

namespace {

const CStructSections::Section kSections[] = {
    {"IPE 200", {200, 100, 22.4, 28.5, 1943, 194}},
    {"IPE 240", {240, 120, 30.7, 39.1, 3892, 324}},
    {"IPE 300", {300, 150, 42.2, 53.8, 8356, 557}},
    {"IPE 360", {360, 170, 57.1, 72.7, 16270, 904}},
    {"IPE 400", {400, 180, 66.3, 84.5, 23130, 1156}},
    {"HEA 200", {190, 200, 42.3, 53.8, 3692, 389}},
    {"HEA 240", {230, 240, 60.3, 76.8, 7763, 675}},
    {"HEA 300", {290, 300, 88.3, 112.5, 18260, 1260}},
    {"HEB 200", {200, 200, 61.3, 78.1, 5696, 570}},
    {"HEB 240", {240, 240, 83.2, 106.0, 11260, 938}},
    {"HEB 300", {300, 300, 117.0, 149.1, 25170, 1678}},
    {"UPN 160", {160, 65, 18.8, 24.0, 925, 116}},
    {"UPN 200", {200, 75, 25.3, 32.2, 1910, 191}},
    {"SHS 120x6", {120, 120, 20.7, 26.4, 551, 91.9}},
    {"CHS 139.7x5", {139.7, 139.7, 16.6, 21.2, 481, 68.8}},
};

// Title, symbol, unit.
const char* const kTitles[][3] = {{"Height", "h", "mm"}, {"Width", "b", "mm"}, {"Mass", "G", "kg/m"},
    {"Area", "A", "cm2"}, {"Second moment", "Iy", "cm4"}, {"Section modulus", "Wy", "cm3"}};

} // namespace

int CStructSections::GetCount()
{
    return (int)(sizeof(kSections) / sizeof(kSections[0]));
}

const CStructSections::Section& CStructSections::GetAt(int nIndex)
{
    return kSections[nIndex];
}

int CStructSections::Find(const char* pszName)
{
    for (int i = 0; pszName != nullptr && i < GetCount(); i++)
    {
        if (strcmp(kSections[i].pszName, pszName) == 0)
            return i;
    }
    return -1;
}

const char* CStructSections::GetPropertyTitle(int nProperty)
{
    return nProperty >= 0 && nProperty < kProperties ? kTitles[nProperty][0] : "";
}

const char* CStructSections::GetPropertySymbol(int nProperty)
{
    return nProperty >= 0 && nProperty < kProperties ? kTitles[nProperty][1] : "";
}

const char* CStructSections::GetPropertyUnit(int nProperty)
{
    return nProperty >= 0 && nProperty < kProperties ? kTitles[nProperty][2] : "";
}
