// Events: order of delivery, listeners that change the list while it is walked, ownership of
// the events, and the updates-enabled stack.
#include "core/KwEvent.h"
#include "core/KwEventListener.h"
#include "core/KwEventSource.h"
#include "core/KwUpdates.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

typedef std::vector<std::string> Log;

// Counts live events, so tests can see each one deleted exactly once.
struct CountedEvent : CKwEvent
{
    static int live;
    int id;
    explicit CountedEvent(int i) : id(i) { live++; }
    ~CountedEvent() override { live--; }
};
int CountedEvent::live = 0;

// Records "name:id" for each event received, then runs its action.
struct Recorder : CKwEventListener
{
    std::string name;
    Log* log;
    std::function<void(CKwEventSource*)> action;

    Recorder(const char* n, Log* l) : name(n), log(l) {}
    void OnEvent(CKwEventSource* source, CKwEvent* event) override
    {
        CountedEvent* counted = dynamic_cast<CountedEvent*>(event);
        log->push_back(name + ":" + (counted ? std::to_string(counted->id) : std::string("null")));
        if (action)
            action(source);
    }
};

class Events : public ::testing::Test
{
protected:
    void TearDown() override { EXPECT_EQ(0, CountedEvent::live); }

    // Subscribes the listeners in this order, then sends events 1 to count.
    void SubscribeAndSend(std::initializer_list<Recorder*> listeners, int count)
    {
        for (Recorder* r : listeners)
            source.Subscribe(r);
        for (int id = 1; id <= count; id++)
            source.SendOutEvent(new CountedEvent(id));
    }

    Log log;
    Recorder a{"a", &log}, b{"b", &log}, c{"c", &log}, d{"d", &log};
    CKwEventSource source;
};

} // namespace

// Events are deleted with or without listeners (the fixture counts them); a listener
// subscribed twice hears each event once and leaves at the first unsubscribe.
TEST_F(Events, DeliveredOnceInOrderOfSubscription)
{
    source.SendOutEvent(new CountedEvent(0)); // nobody listens
    source.Subscribe(&a);
    source.Subscribe(&b);
    source.Subscribe(&a);
    source.Subscribe(nullptr); // a null entry is skipped
    source.Subscribe(&c);
    source.SendOutEvent(new CountedEvent(1));
    source.SendOutEvent(nullptr);
    EXPECT_EQ(1, source.IsSubscribed(&a));
    EXPECT_EQ(0, source.IsSubscribed(&d));
    source.Unsubscribe(&a);
    source.Unsubscribe(&a); // not subscribed: ignored
    EXPECT_EQ(0, source.IsSubscribed(&a));
    source.SendOutEvent(new CountedEvent(2));
    EXPECT_EQ(Log({"a:1", "b:1", "c:1", "a:null", "b:null", "c:null", "b:2", "c:2"}), log);
}

TEST_F(Events, ListenersChangingTheListWhileItIsWalked)
{
    // b leaves and brings in d at the tail; c unsubscribes a, which has already run.
    b.action = [&](CKwEventSource* s) {
        s->Unsubscribe(&b);
        s->Subscribe(&d);
    };
    c.action = [&](CKwEventSource* s) { s->Unsubscribe(&a); };
    SubscribeAndSend({&a, &b, &c}, 2);
    EXPECT_EQ(Log({"a:1", "b:1", "c:1", "d:1", "c:2", "d:2"}), log);
}

TEST_F(Events, ListenerSubscribedByTheLastOneWaitsForTheNextEvent)
{
    b.action = [&](CKwEventSource* s) { s->Subscribe(&c); };
    SubscribeAndSend({&a, &b}, 2);
    EXPECT_EQ(Log({"a:1", "b:1", "a:2", "b:2", "c:2"}), log);
}

TEST_F(Events, UnsubscribingTheNextListenerSkipsIt)
{
    a.action = [&](CKwEventSource* s) {
        s->Unsubscribe(&b);
        s->Unsubscribe(&c);
    };
    SubscribeAndSend({&a, &b, &c, &d}, 1);
    EXPECT_EQ(Log({"a:1", "d:1"}), log);
}

TEST_F(Events, EveryoneLeavingAndComingBackDuringTheWalk)
{
    // a removes itself and b, the last one: the walk has nothing left, and the listeners
    // a brings in hear from the next event on.
    a.action = [&](CKwEventSource* s) {
        s->Unsubscribe(&a);
        s->Unsubscribe(&b);
        s->Subscribe(&c);
        s->Subscribe(&b);
    };
    SubscribeAndSend({&a, &b}, 2);
    EXPECT_EQ(Log({"a:1", "c:2", "b:2"}), log);
}

TEST_F(Events, NestedDeliveriesOnTheSameSource)
{
    // a sends a second event from inside the first; b then leaves inside the inner delivery.
    a.action = [&](CKwEventSource* s) {
        a.action = nullptr;
        s->SendOutEvent(new CountedEvent(2));
    };
    b.action = [&](CKwEventSource* s) { s->Unsubscribe(&b); };
    SubscribeAndSend({&a, &b, &c}, 1);
    EXPECT_EQ(Log({"a:1", "a:2", "b:2", "c:2", "c:1"}), log);
}

TEST_F(Events, SourceDestroyedByAListenerStopsTheDelivery)
{
    CKwEventSource* owned = new CKwEventSource;
    a.action = [&](CKwEventSource* s) { delete s; };
    owned->Subscribe(&a);
    owned->Subscribe(&b);
    owned->SendOutEvent(new CountedEvent(1));
    EXPECT_EQ(Log({"a:1"}), log);
}

TEST_F(Events, ListenerExceptionStillDeletesTheEvent)
{
    a.action = [&](CKwEventSource*) { throw 42; };
    EXPECT_THROW(SubscribeAndSend({&a, &b}, 1), int);
    a.action = nullptr;
    source.SendOutEvent(new CountedEvent(2));
    EXPECT_EQ(Log({"a:1", "a:2", "b:2"}), log);
}

TEST(Updates, StackOfEnabledFlags)
{
    EXPECT_EQ(TRUE, CKwUpdates::AreEnabled()); // nothing pushed yet in this process
    CKwUpdates::PushDisable();
    EXPECT_EQ(FALSE, CKwUpdates::AreEnabled());
    CKwUpdates::PushEnable();
    EXPECT_EQ(TRUE, CKwUpdates::AreEnabled());
    CKwUpdates::Pop();
    EXPECT_EQ(FALSE, CKwUpdates::AreEnabled());
    CKwUpdates::Pop();
    EXPECT_EQ(TRUE, CKwUpdates::AreEnabled());
    CKwUpdates::Pop(); // unmatched: ignored
    EXPECT_EQ(TRUE, CKwUpdates::AreEnabled());
}
