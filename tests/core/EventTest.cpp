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

    Log log;
    Recorder a{"a", &log}, b{"b", &log}, c{"c", &log}, d{"d", &log};
    CKwEventSource source;
};

} // namespace

TEST_F(Events, DeliveredInOrderOfSubscriptionOnce)
{
    source.Subscribe(&a);
    source.Subscribe(&b);
    source.Subscribe(&a);
    source.Subscribe(&c);
    source.SendOutEvent(new CountedEvent(1));
    EXPECT_EQ(Log({"a:1", "b:1", "c:1"}), log);
    EXPECT_EQ(1, source.IsSubscribed(&a));
    EXPECT_EQ(0, source.IsSubscribed(&d));
}

TEST_F(Events, SubscribingTwiceRegistersOnce)
{
    source.Subscribe(&a);
    source.Subscribe(&a);
    source.Unsubscribe(&a);
    EXPECT_EQ(0, source.IsSubscribed(&a));
    source.Unsubscribe(&a); // not subscribed: ignored
    source.SendOutEvent(new CountedEvent(1));
    EXPECT_EQ(Log(), log);
}

TEST_F(Events, EventsAreDeletedWithOrWithoutListenersAndNullIsDelivered)
{
    source.SendOutEvent(new CountedEvent(1)); // nobody listens: deleted all the same
    EXPECT_EQ(0, CountedEvent::live);
    source.Subscribe(&a);
    source.Subscribe(nullptr); // a null entry is skipped
    source.Subscribe(&b);
    source.SendOutEvent(nullptr);
    source.SendOutEvent(new CountedEvent(2));
    EXPECT_EQ(Log({"a:null", "b:null", "a:2", "b:2"}), log);
}

TEST_F(Events, ListenersChangingTheListWhileItIsWalked)
{
    // b leaves and brings in d at the tail; c unsubscribes a, which has already run.
    b.action = [&](CKwEventSource* s) {
        s->Unsubscribe(&b);
        s->Subscribe(&d);
    };
    c.action = [&](CKwEventSource* s) { s->Unsubscribe(&a); };
    source.Subscribe(&a);
    source.Subscribe(&b);
    source.Subscribe(&c);
    source.SendOutEvent(new CountedEvent(1));
    source.SendOutEvent(new CountedEvent(2));
    EXPECT_EQ(Log({"a:1", "b:1", "c:1", "d:1", "c:2", "d:2"}), log);
}

TEST_F(Events, ListenerSubscribedByTheLastOneWaitsForTheNextEvent)
{
    b.action = [&](CKwEventSource* s) { s->Subscribe(&c); };
    source.Subscribe(&a);
    source.Subscribe(&b);
    source.SendOutEvent(new CountedEvent(1));
    b.action = nullptr;
    source.SendOutEvent(new CountedEvent(2));
    EXPECT_EQ(Log({"a:1", "b:1", "a:2", "b:2", "c:2"}), log);
}

TEST_F(Events, UnsubscribingTheNextListenerSkipsIt)
{
    a.action = [&](CKwEventSource* s) {
        s->Unsubscribe(&b);
        s->Unsubscribe(&c);
    };
    source.Subscribe(&a);
    source.Subscribe(&b);
    source.Subscribe(&c);
    source.Subscribe(&d);
    source.SendOutEvent(new CountedEvent(1));
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
    source.Subscribe(&a);
    source.Subscribe(&b);
    source.SendOutEvent(new CountedEvent(1));
    source.SendOutEvent(new CountedEvent(2));
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
    source.Subscribe(&a);
    source.Subscribe(&b);
    source.Subscribe(&c);
    source.SendOutEvent(new CountedEvent(1));
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
    source.Subscribe(&a);
    source.Subscribe(&b);
    EXPECT_THROW(source.SendOutEvent(new CountedEvent(1)), int);
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
    CKwUpdates::PushDisable();
    EXPECT_EQ(FALSE, CKwUpdates::AreEnabled());
    CKwUpdates::Pop();
}
