// Delegates: how each kind holds its target, the call through the invoker,
// and the pointer form.

#include "Shapes.h"

#include "framework/runtime/Delegate.h"
#include "framework/runtime/Runtime.h"
#include "tests/support/runtime/LiveCountTest.h"

namespace {

using shapes::Circle;
using shapes::Shape;

int area_plus(Shape* self, int extra) { return self->Area() + extra; }

// The invoker for "( Integer ) as Integer" on a method: the target first.
int invoke_with_int(fw::Delegate* delegate, int argument)
{
    auto* target = fw::RuntimeCheckCast(delegate->target(), Shape::__Lookup());
    auto const function = fw::typed_function<int(Shape*, int)>(delegate->function());
    return function(static_cast<Shape*>(target), argument);
}

fw::Ref<fw::Delegate> make_delegate(fw::Object* target, std::int32_t kind)
{
    return fw::RuntimeCreateDelegate(
        fw::any_function(invoke_with_int), fw::any_function(area_plus), target, "( Integer ) as Integer", kind);
}

int call(fw::Delegate& delegate, int argument)
{
    return fw::typed_function<int(fw::Delegate*, int)>(delegate.invoker())(&delegate, argument);
}

using DelegateTest = LiveCountTest;

TEST_F(DelegateTest, KeepsWhatItWasMadeWith)
{
    auto circle = fw::make<Circle>();
    auto delegate = make_delegate(circle.ptr(), 1);
    EXPECT_EQ(delegate->kind(), 1);
    EXPECT_EQ(delegate->signature(), "( Integer ) as Integer");
    EXPECT_EQ(delegate->function(), fw::any_function(area_plus));
    EXPECT_EQ(delegate->ref_count(), 1u);
    EXPECT_EQ(&delegate->class_table(), &fw::Delegate::__Lookup());
}

TEST_F(DelegateTest, KindZeroHoldsItsTarget)
{
    auto circle = fw::make<Circle>();
    auto* raw = circle.ptr();
    auto delegate = make_delegate(raw, 0);
    EXPECT_EQ(raw->ref_count(), 2u);
    circle = nullptr;
    EXPECT_EQ(delegate->target(), raw);
    EXPECT_EQ(call(*delegate, 10), 13);
    delegate = nullptr;
}

TEST_F(DelegateTest, KindZeroWithoutTargetStandsForAModuleRoutine)
{
    auto delegate = make_delegate(nullptr, 0);
    EXPECT_EQ(delegate->target(), nullptr);
}

TEST_F(DelegateTest, KindOneHoldsItsTargetWeakly)
{
    auto circle = fw::make<Circle>();
    auto delegate = make_delegate(circle.ptr(), 1);
    EXPECT_EQ(circle->ref_count(), 1u);
    EXPECT_EQ(delegate->target(), circle.ptr());
    EXPECT_EQ(call(*delegate, 1), 4);
}

TEST_F(DelegateTest, KindOneTargetReadsNilOnceGone)
{
    auto circle = fw::make<Circle>();
    auto delegate = make_delegate(circle.ptr(), 1);
    circle = nullptr;
    EXPECT_EQ(delegate->target(), nullptr);
    EXPECT_EQ(delegate->kind(), 1);
}

TEST_F(DelegateTest, AnyKindButOneHoldsLikeZero)
{
    auto circle = fw::make<Circle>();
    auto delegate = make_delegate(circle.ptr(), 2);
    EXPECT_EQ(circle->ref_count(), 2u);
    EXPECT_EQ(delegate->target(), circle.ptr());
}

TEST_F(DelegateTest, PointerFormIsTheFunctionEntryAndOutlivesTheDelegate)
{
    auto circle = fw::make<Circle>();
    auto delegate = make_delegate(circle.ptr(), 0);
    fw::AnyFunction pointer = fw::pointer_form(delegate.ptr());
    delegate = nullptr;
    ASSERT_EQ(pointer, fw::any_function(area_plus));
    EXPECT_EQ(fw::typed_function<int(Shape*, int)>(pointer)(circle.ptr(), 2), 5);
}

TEST_F(DelegateTest, PointerFormOfNilIsNil) { EXPECT_EQ(fw::pointer_form(nullptr), nullptr); }

TEST_F(DelegateTest, CannotBeMadeByClass)
{
    EXPECT_THROW((void)fw::RuntimeNewObject(fw::Delegate::__Lookup()), fw::RuntimeError);
}

}
