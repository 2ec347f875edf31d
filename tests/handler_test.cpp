// Widget event handlers: set from any callable, copied, moved, emptied and called as a
// std::function is, whether the callable is held in place or on the heap.
#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>

#include "host/WidgetEvents.h"

namespace VemoCalendar {
namespace {

void Press(MouseArgs& args) { args.button = 4; }

static_assert(sizeof(Handler<void()>) == 3 * sizeof(void*), "a handler takes three pointers' room");

TEST(Handler, IsEmptyUntilSetAndRefusesACallThen) {
    Handler<void()> none;
    EXPECT_FALSE(none);
    EXPECT_TRUE(none == nullptr);
    EXPECT_THROW(none(), std::bad_function_call);
    Handler<void()> fromNull = nullptr;
    EXPECT_FALSE(fromNull);
    void (*noFunction)(MouseArgs&) = nullptr;
    EXPECT_FALSE(Handler<void(MouseArgs&)>(noFunction)) << "a null function pointer sets nothing";
    EXPECT_FALSE(Handler<void()>(std::function<void()>())) << "nor does an empty std::function";
}

TEST(Handler, PassesArgumentsByReferenceFromEveryKindOfCallable) {
    int seen = 0;
    auto big = std::array<int, 8>{1, 2, 3, 4, 5, 6, 7, 8};      // too big to be held in place
    auto shared = std::make_shared<int>(5);                      // not copyable as bytes
    Handler<void(MouseArgs&)> kinds[] = {
        &Press,
        [&seen](MouseArgs& a) { seen = a.button, a.button = 4; },
        [&seen, big](MouseArgs& a) { seen = a.button + big[7], a.button = 4; },
        [&seen, shared](MouseArgs& a) { seen = a.button + *shared, a.button = 4; },
        std::function<void(MouseArgs&)>([&seen](MouseArgs& a) { seen = -a.button, a.button = 4; }),
    };
    const int expected[] = {0, 1, 9, 6, -1};
    for (size_t i = 0; i < std::size(kinds); ++i) {
        seen = 0;
        MouseArgs args;
        args.button = 1;
        ASSERT_TRUE(kinds[i]) << i;
        kinds[i](args);
        EXPECT_EQ(args.button, 4) << "the handler's change reaches the caller, kind " << i;
        EXPECT_EQ(seen, expected[i]) << i;
    }
}

TEST(Handler, DropsWhatAHandlerReturns) {
    int calls = 0;
    Handler<void()> handler = [&calls] { return ++calls; };
    handler();
    EXPECT_EQ(calls, 1);
}

TEST(Handler, CopiesKeepTheirOwnStateAndMovesEmptyTheSource) {
    for (bool onHeap : {false, true}) {
        auto padding = std::make_shared<std::string>("a");  // forces the heap when captured
        int total = 0;
        Handler<void()> original;
        if (onHeap) original = [&total, padding, n = 0]() mutable { total += ++n; };
        else original = [&total, n = 0]() mutable { total += ++n; };
        original();  // n = 1 in the original
        Handler<void()> copy = original;
        copy();  // the copy goes on from its own n: 2
        original();  // and the original from its own: 2
        EXPECT_EQ(total, 5) << (onHeap ? "heap" : "in place");
        Handler<void()> moved = std::move(original);
        EXPECT_FALSE(original);
        moved();  // 3
        EXPECT_EQ(total, 8);
        moved = copy;
        moved();  // the copy's state: 3
        EXPECT_EQ(total, 11);
        moved = nullptr;
        EXPECT_FALSE(moved);
        EXPECT_TRUE(copy);
    }
}

TEST(Handler, ReleasesWhatItHoldsWhenReplacedOrDestroyed) {
    auto owned = std::make_shared<int>(1);
    {
        Handler<void()> handler = [owned] {};
        Handler<void()> copy = handler;
        EXPECT_EQ(owned.use_count(), 3);
        handler = [] {};
        EXPECT_EQ(owned.use_count(), 2);
    }
    EXPECT_EQ(owned.use_count(), 1);
}

}  // namespace
}  // namespace VemoCalendar
