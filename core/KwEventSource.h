// KwEventSource.h: CKwEventSource, which hands each event it announces to its subscribed
// listeners in order of subscription.
#pragma once

#include "core/KwUiExport.h"
#include "core/KwList.h"

class CKwEvent;
class CKwEventListener;

class KWUI_API CKwEventSource
{
public:
    CKwEventSource();
    // Forgets the listeners without telling them; a delivery in progress stops after the
    // listener that is running.
    virtual ~CKwEventSource();

    // Appends the listener at the tail unless it is already subscribed.
    void Subscribe(CKwEventListener* listener);
    // Removes the listener if it is subscribed.
    void Unsubscribe(CKwEventListener* listener);
    int IsSubscribed(CKwEventListener* listener);

    // Calls every listener, head to tail, then deletes event (which may be null). The source
    // owns event from the call on. Listeners unsubscribed during the delivery are not called
    // any more; one subscribed during it is called too, unless the last listener was running.
    void SendOutEvent(CKwEvent* event);

private:
    struct CDelivery;

    CKwEventSource(const CKwEventSource&) = delete;
    CKwEventSource& operator=(const CKwEventSource&) = delete;

    CKwList<CKwEventListener*, CKwEventListener*> m_listeners;
    // The deliveries running on this source, innermost first: each knows the next listener to
    // call, which Unsubscribe moves on when it removes that very listener.
    CDelivery* m_pDeliveries;
};
