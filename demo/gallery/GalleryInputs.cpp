// GalleryInputs.cpp: the four input dialogs as a host would fill them, shown modeless.
#include "GalleryInputs.h"

#include "GalleryDialog.h"

#include "pickers/ComboDialog.h"
#include "pickers/StringBoolDialog.h"
#include "pickers/StringComboDialog.h"
#include "pickers/StringDialog.h"
#include "res/resource.h"

namespace {

void AddMaterials(CStringList& list)
{
    for (const char* psz : {"Steel S355", "Concrete C30/37", "Timber GL24h", "Aluminium"})
        list.AddTail(psz);
}

} // namespace

bool GalleryInputs(const char* pszFolder)
{
    CStringDialog name;
    name.m_strTitle = "Rename Section";
    name.m_strLabel = "New name of the section:";
    name.m_strValue = "Deck A-A (revised)";
    name.m_bRequired = TRUE;
    bool bSaved = name.Create(IDD_KW_STRING) && GallerySaveDialog(name, pszFolder, "input-string");

    CStringBoolDialog copy;
    copy.m_strTitle = "Copy Drawing";
    copy.m_strLabel = "Name of the copy:";
    copy.m_strValue = "Elevation 2";
    copy.m_strCheckText = "Open the copy now";
    copy.m_bCheck = TRUE;
    bSaved = copy.Create(IDD_KW_STRING_BOOL) && GallerySaveDialog(copy, pszFolder, "input-string-bool") && bSaved;

    CStringComboDialog member;
    member.m_strTitle = "New Member";
    member.m_strLabel = "Member name:";
    member.m_strValue = "Girder G4";
    member.m_strComboLabel = "Material:";
    AddMaterials(member.m_listItems);
    bSaved = member.Create(IDD_KW_STRING_COMBO) && GallerySaveDialog(member, pszFolder, "input-string-combo") && bSaved;

    CComboDialog material;
    material.m_strTitle = "Material";
    material.m_strLabel = "Material of the selected members:";
    AddMaterials(material.m_listItems);
    bSaved = material.Create(IDD_KW_COMBO) && GallerySaveDialog(material, pszFolder, "input-combo") && bSaved;
    return bSaved;
}
