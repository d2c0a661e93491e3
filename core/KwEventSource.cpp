// Event delivery: a walk from head to tail that survives listeners changing the list.
#include "core/KwEventSource.h"

#include "core/KwEvent.h"
#include "core/KwEventListener.h"

#include <memory>

// One delivery in progress, living on SendOutEvent's stack: it links itself into its source's
// deliveries for as long as it runs, unless the source goes first. (The compiler cannot see that
// the destructor unlinks it again.)
#if defined(__GNUC__) && __GNUC__ >= 12
#pragma GCC diagnostic ignored "-Wdangling-pointer"
#endif
struct CKwEventSource::CDelivery
{
    CKwEventSource* source;
    POSITION next;
    CDelivery* outer;
    bool sourceGone;

    explicit CDelivery(CKwEventSource* s)
        : source(s), next(s->m_listeners.GetHeadPosition()), outer(s->m_pDeliveries), sourceGone(false)
    {
        source->m_pDeliveries = this;
    }
    ~CDelivery()
    {
        if (!sourceGone)
            source->m_pDeliveries = outer;
    }
};

CKwEventSource::CKwEventSource() : m_pDeliveries(nullptr)
{
}

CKwEventSource::~CKwEventSource()
{
    for (CDelivery* d = m_pDeliveries; d; d = d->outer)
        d->sourceGone = true;
}

void CKwEventSource::Subscribe(CKwEventListener* listener)
{
    if (!m_listeners.Find(listener))
        m_listeners.AddTail(listener);
}

void CKwEventSource::Unsubscribe(CKwEventListener* listener)
{
    POSITION pos = m_listeners.Find(listener);
    if (!pos)
        return;
    for (CDelivery* d = m_pDeliveries; d; d = d->outer) {
        if (d->next == pos)
            m_listeners.GetNext(d->next);
    }
    m_listeners.RemoveAt(pos);
    if (m_listeners.IsEmpty())
        m_listeners.RemoveAll();
}

int CKwEventSource::IsSubscribed(CKwEventListener* listener)
{
    return m_listeners.Find(listener) ? 1 : 0;
}

void CKwEventSource::SendOutEvent(CKwEvent* event)
{
    // The event goes whatever happens, a listener's exception included.
    std::unique_ptr<CKwEvent> owned(event);
    CDelivery delivery(this);
    while (delivery.next && !delivery.sourceGone) {
        CKwEventListener* listener = m_listeners.GetNext(delivery.next);
        if (listener)
            listener->OnEvent(this, event);
    }
}
