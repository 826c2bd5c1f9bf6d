// Ref and Object: counting through every way a reference is made, moved and
// dropped, and the order in which an object's finalisers run.

#include "framework/runtime/Exceptions.h"
#include "framework/runtime/Ref.h"
#include "tests/support/runtime/LiveCountTest.h"

#include <string>
#include <vector>

namespace {

using Trail = std::vector<std::string>;

// Records its own destruction, so a test sees exactly when and how often the
// last release happened.
class Recorded : public fw::Object {
public:
    explicit Recorded(Trail& trail)
        : m_trail(trail)
    {
    }
    ~Recorded() override { m_trail.push_back("Recorded count=" + std::to_string(ref_count())); }

protected:
    Trail& m_trail;
};

class DerivedRecorded final : public Recorded {
public:
    using Recorded::Recorded;
    ~DerivedRecorded() override { m_trail.push_back("DerivedRecorded"); }
};

using RefTest = LiveCountTest;

TEST_F(RefTest, MakeGivesTheOnlyReference)
{
    Trail trail;
    {
        auto object = fw::make<Recorded>(trail);
        EXPECT_EQ(object->ref_count(), 1u);
        EXPECT_TRUE(trail.empty());
    }
    EXPECT_EQ(trail, Trail { "Recorded count=0" });
}

TEST_F(RefTest, CopyRetainsAndEachCopyReleases)
{
    Trail trail;
    auto first = fw::make<Recorded>(trail);
    {
        auto second = first;
        EXPECT_EQ(first->ref_count(), 2u);
    }
    EXPECT_EQ(first->ref_count(), 1u);
    first = nullptr;
    EXPECT_EQ(trail.size(), 1u);
}

TEST_F(RefTest, AssignmentRetainsTheNewAndReleasesTheOld)
{
    Trail old_trail, new_trail;
    auto target = fw::make<Recorded>(old_trail);
    auto source = fw::make<Recorded>(new_trail);
    target = source;
    EXPECT_EQ(old_trail.size(), 1u);
    EXPECT_TRUE(new_trail.empty());
    EXPECT_EQ(source->ref_count(), 2u);
    EXPECT_EQ(target, source);
}

TEST_F(RefTest, SelfAssignmentKeepsTheObjectAndItsCount)
{
    Trail trail;
    auto object = fw::make<Recorded>(trail);
    auto& alias = object;
    object = alias;
    EXPECT_EQ(object->ref_count(), 1u);
    object = std::move(alias);
    ASSERT_FALSE(object.is_nil());
    EXPECT_EQ(object->ref_count(), 1u);
    EXPECT_TRUE(trail.empty());
}

TEST_F(RefTest, MoveTransfersWithoutCounting)
{
    Trail trail;
    auto source = fw::make<Recorded>(trail);
    auto* raw = source.ptr();
    fw::Ref<Recorded> moved = std::move(source);
    EXPECT_TRUE(source.is_nil());
    EXPECT_EQ(moved.ptr(), raw);
    EXPECT_EQ(raw->ref_count(), 1u);
    fw::Ref<fw::Object> as_base = std::move(moved);
    EXPECT_TRUE(moved.is_nil());
    EXPECT_EQ(raw->ref_count(), 1u);
}

TEST_F(RefTest, ConversionToBaseRetainsOnce)
{
    Trail trail;
    auto derived = fw::make<DerivedRecorded>(trail);
    fw::Ref<fw::Object> base = derived;
    EXPECT_EQ(derived->ref_count(), 2u);
}

TEST_F(RefTest, NilIsAllowedEverywhere)
{
    fw::Ref<fw::Object> nil;
    fw::Ref<fw::Object> from_null_pointer(static_cast<fw::Object*>(nullptr));
    EXPECT_TRUE(nil.is_nil());
    EXPECT_FALSE(nil);
    EXPECT_TRUE(nil == nullptr);
    EXPECT_EQ(nil, from_null_pointer);
    auto copy = nil;
    copy = nil;
    copy = nullptr;
    EXPECT_EQ(copy.leak(), nullptr);
}

TEST_F(RefTest, AssigningNilReleases)
{
    Trail trail;
    auto object = fw::make<Recorded>(trail);
    object = nullptr;
    EXPECT_TRUE(object.is_nil());
    EXPECT_EQ(trail.size(), 1u);
}

TEST_F(RefTest, RawPointerRetainsAndAdoptTakesOver)
{
    Trail trail;
    auto owner = fw::make<Recorded>(trail);
    fw::Ref<Recorded> retained(owner.ptr());
    EXPECT_EQ(owner->ref_count(), 2u);
    Recorded* leaked = retained.leak();
    EXPECT_EQ(owner->ref_count(), 2u);
    auto adopted = fw::adopt_ref(leaked);
    EXPECT_EQ(owner->ref_count(), 2u);
}

TEST_F(RefTest, FinalisersRunMostDerivedFirstWithCountZero)
{
    Trail trail;
    fw::make<DerivedRecorded>(trail) = nullptr;
    EXPECT_EQ(trail, (Trail { "DerivedRecorded", "Recorded count=0" }));
}

// Raises from its constructor after the Object base was made.
class FailsToConstruct final : public fw::Object {
public:
    explicit FailsToConstruct(Trail& trail)
        : m_member(fw::make<Recorded>(trail))
    {
        fw::RaiseNilObjectException();
    }

private:
    fw::Ref<Recorded> m_member;
};

TEST_F(RefTest, RaisingConstructorUnwindsWithoutLeaks)
{
    Trail trail;
    EXPECT_THROW((void)fw::make<FailsToConstruct>(trail), fw::RuntimeError);
    EXPECT_EQ(trail.size(), 1u) << "the members made so far are released";
}

}
