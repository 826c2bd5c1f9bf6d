// WeakRef: reads nil once its object is gone, never keeps it alive, and
// frees the shared link with its last holder.

#include "framework/runtime/WeakRef.h"
#include "tests/support/runtime/LiveCountTest.h"

namespace {

class Plain : public fw::Object { };

// Looks at a weak reference to itself while its finaliser runs.
class SelfWatcher final : public fw::Object {
public:
    explicit SelfWatcher(bool& saw_nil)
        : m_saw_nil(saw_nil)
    {
    }
    ~SelfWatcher() override { m_saw_nil = m_self.is_nil() && m_self.strong().is_nil(); }

private:
    fw::WeakRef<SelfWatcher> m_self { this };
    bool& m_saw_nil;
};

using WeakRefTest = LiveCountTest;

TEST_F(WeakRefTest, AddsNoReference)
{
    auto object = fw::make<Plain>();
    fw::WeakRef<Plain> weak(object.ptr());
    EXPECT_EQ(object->ref_count(), 1u);
    EXPECT_EQ(weak.ptr(), object.ptr());
}

TEST_F(WeakRefTest, StrongGivesAReferenceOfItsOwn)
{
    auto object = fw::make<Plain>();
    fw::WeakRef<Plain> weak(object.ptr());
    auto strong = weak.strong();
    EXPECT_EQ(strong, object);
    EXPECT_EQ(object->ref_count(), 2u);
}

TEST_F(WeakRefTest, ReadsNilAfterDestruction)
{
    auto object = fw::make<Plain>();
    fw::WeakRef<Plain> weak(object.ptr());
    auto copy = weak;
    object = nullptr;
    EXPECT_TRUE(weak.is_nil());
    EXPECT_TRUE(copy.is_nil());
    EXPECT_TRUE(weak.strong().is_nil());
}

TEST_F(WeakRefTest, ReadsNilWhileTheObjectsFinaliserRuns)
{
    bool saw_nil = false;
    fw::make<SelfWatcher>(saw_nil) = nullptr;
    EXPECT_TRUE(saw_nil);
}

TEST_F(WeakRefTest, LinkIsSharedAndFreedByTheLastHolder)
{
    auto const links = fw::WeakLink::live_count();
    auto object = fw::make<Plain>();
    {
        fw::WeakRef<Plain> first(object.ptr());
        fw::WeakRef<Plain> second(object.ptr());
        EXPECT_EQ(fw::WeakLink::live_count(), links + 1);
    }
    EXPECT_EQ(fw::WeakLink::live_count(), links + 1) << "the object still holds its link";
    object = nullptr;
    EXPECT_EQ(fw::WeakLink::live_count(), links);
}

TEST_F(WeakRefTest, LinkOutlivesTheObjectUntilTheLastWeakRefGoes)
{
    auto const links = fw::WeakLink::live_count();
    fw::WeakRef<Plain> weak;
    {
        auto object = fw::make<Plain>();
        weak = fw::WeakRef<Plain>(object.ptr());
    }
    EXPECT_EQ(fw::WeakLink::live_count(), links + 1);
    weak = fw::WeakRef<Plain>();
    EXPECT_EQ(fw::WeakLink::live_count(), links);
}

TEST_F(WeakRefTest, NilWeakRefNeedsNoLink)
{
    auto const links = fw::WeakLink::live_count();
    fw::WeakRef<Plain> weak(nullptr);
    EXPECT_TRUE(weak.is_nil());
    EXPECT_EQ(fw::WeakLink::live_count(), links);
}

}
