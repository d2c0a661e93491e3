// StructPropertiesPane.h: CStructPropertiesPane, the docking pane whose tabbed pages (General,
// Appearance, Section) edit the selected member; it follows the model's selection and changes.
#pragma once

#include "StructMemberSubject.h"

#include "core/KwEventListener.h"
#include "pages/KwBarProperties.h"

class CStructDoc;

class CStructPropertiesPane : public CKwBarProperties, public CKwEventListener
{
public:
    // The pages of a member, as SetPages knows them.
    enum { kMemberPages = 1, kMemberContext = 1 };

    // The model whose selection is shown, NULL for none (before the model goes).
    void SetModel(CStructDoc* pDoc);
    CStructMemberSubject& GetSubject() { return m_subject; }
    // The page on tab nTab (0 General, 1 Appearance, 2 Section), NULL when none is there.
    CKwPropertyPage* GetPage(int nTab);

    void OnEvent(CKwEventSource* pSource, CKwEvent* pEvent) override;

private:
    // The member's pages, or none without a member.
    void ShowSelected();

    CStructMemberSubject m_subject;
};
