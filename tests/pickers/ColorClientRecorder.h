// ColorClientRecorder.h: a colour picker client that writes down each call with the value its
// sender (a picker or a colour button) shows at that moment.
#pragma once

#include "pickers/IKwColorPickerClient.h"

#include <cstdio>
#include <string>

template <class TSender>
class ColorClientRecorder : public IKwColorPickerClient
{
public:
    std::string calls;
    void KwColorPickerClient_OnSelectionChanged(CWnd* sender) override
    {
        TSender* p = static_cast<TSender*>(sender);
        char text[64];
        sprintf(text, "changed(%d,%06lX) ", p->GetID(), (unsigned long)p->GetColor());
        calls += text;
    }
    void KwColorPickerClient_OnSpecialButton(UINT id, CWnd* sender) override
    {
        calls += "special(" + std::to_string(id) + (sender != NULL ? ") " : ",null) ");
    }
};
