// RuntimeNewObject, RuntimeCheckCast and the exception machinery.

#include "Shapes.h"

#include "framework/runtime/Runtime.h"
#include "tests/support/runtime/LiveCountTest.h"

#include <stdexcept>

namespace {

using shapes::Circle;
using shapes::Shape;
using shapes::Stranger;

fw::ClassTable const& class_of_raised(auto&& action)
{
    try {
        action();
    } catch (fw::RuntimeError const& error) {
        return error.exception().class_table();
    }
    ADD_FAILURE() << "nothing was raised";
    return fw::Object::__Lookup();
}

using NewObjectTest = LiveCountTest;

TEST_F(NewObjectTest, MakesAnInstanceThroughTheFactory)
{
    auto const before = fw::Object::live_count();
    auto object = fw::RuntimeNewObject(Circle::__Lookup());
    ASSERT_FALSE(object.is_nil());
    EXPECT_EQ(&object->class_table(), &Circle::__Lookup());
    EXPECT_EQ(object->ref_count(), 1u);
    EXPECT_EQ(fw::Object::live_count(), before + 1);
}

TEST_F(NewObjectTest, RaisesForAClassWithoutFactory)
{
    auto const& raised = class_of_raised([] { (void)fw::RuntimeNewObject(Stranger::__Lookup()); });
    EXPECT_EQ(&raised, &fw::RuntimeException::__Lookup());
}

TEST_F(NewObjectTest, NewObjectGivesTheTypedInstance)
{
    auto circle = fw::new_object<Circle>();
    ASSERT_FALSE(circle.is_nil());
    EXPECT_EQ(circle->ref_count(), 1u);
    EXPECT_EQ(circle->Area(), 3);
}

using CheckCastTest = LiveCountTest;

TEST_F(CheckCastTest, NilGivesNil)
{
    EXPECT_EQ(fw::RuntimeCheckCast(nullptr, Shape::__Lookup()), nullptr);
    EXPECT_TRUE(fw::RuntimeCheckCast<Shape>(fw::Ref<fw::Object>()).is_nil());
}

TEST_F(CheckCastTest, SameClassAndSubclassGiveTheObject)
{
    auto circle = fw::make<Circle>();
    EXPECT_EQ(fw::RuntimeCheckCast(circle.ptr(), Circle::__Lookup()), circle.ptr());
    EXPECT_EQ(fw::RuntimeCheckCast(circle.ptr(), Shape::__Lookup()), circle.ptr());
    EXPECT_EQ(circle->ref_count(), 1u) << "the untyped cast adds no reference";
    fw::Ref<fw::Object> as_object = circle;
    auto as_shape = fw::RuntimeCheckCast<Shape>(as_object);
    EXPECT_EQ(as_shape.ptr(), circle.ptr());
    EXPECT_EQ(circle->ref_count(), 3u);
}

TEST_F(CheckCastTest, OtherClassRaisesIllegalCast)
{
    auto stranger = fw::make<Stranger>();
    auto shape = fw::make<Shape>();
    auto const& illegal = fw::IllegalCastException::__Lookup();
    EXPECT_EQ(&class_of_raised([&] { fw::RuntimeCheckCast(stranger.ptr(), Shape::__Lookup()); }), &illegal);
    EXPECT_EQ(&class_of_raised([&] { fw::RuntimeCheckCast(shape.ptr(), Circle::__Lookup()); }), &illegal);
    EXPECT_EQ(stranger->ref_count(), 1u);
}

using GuardedCallTest = LiveCountTest;

void returns(void* ran) { *static_cast<bool*>(ran) = true; }
void raises_runtime_exception(void*) { fw::raise(fw::make<fw::RuntimeException>("plain")); }
void raises_nil_object(void*) { fw::RaiseNilObjectException(); }
void raises_foreign(void*) { throw std::out_of_range("not ours"); }
void raises_given(void* exception) { fw::raise(fw::Ref(static_cast<fw::RuntimeException*>(exception))); }

TEST_F(GuardedCallTest, GivesNilWhenTheRoutineReturns)
{
    bool ran = false;
    EXPECT_TRUE(fw::_CallFunctionWithExceptionHandling(returns, &ran).is_nil());
    EXPECT_TRUE(ran);
}

TEST_F(GuardedCallTest, GivesTheRuntimeExceptionRaised)
{
    auto caught = fw::_CallFunctionWithExceptionHandling(raises_runtime_exception, nullptr);
    ASSERT_FALSE(caught.is_nil());
    EXPECT_EQ(&caught->class_table(), &fw::RuntimeException::__Lookup());
    EXPECT_EQ(caught->message(), "plain");
    EXPECT_EQ(caught->ref_count(), 1u) << "the caller holds the only reference";
}

TEST_F(GuardedCallTest, GivesASubclassAsItself)
{
    auto caught = fw::_CallFunctionWithExceptionHandling(raises_nil_object, nullptr);
    ASSERT_FALSE(caught.is_nil());
    EXPECT_EQ(&caught->class_table(), &fw::NilObjectException::__Lookup());
    EXPECT_TRUE(caught->class_table().is_subclass_of(fw::RuntimeException::__Lookup()));
}

TEST_F(GuardedCallTest, GivesTheVeryObjectRaised)
{
    auto exception = fw::make<fw::IllegalCastException>();
    auto caught = fw::_CallFunctionWithExceptionHandling(raises_given, exception.ptr());
    EXPECT_EQ(caught, fw::Ref<fw::RuntimeException>(exception));
}

TEST_F(GuardedCallTest, LetsAForeignExceptionPass)
{
    EXPECT_THROW(fw::_CallFunctionWithExceptionHandling(raises_foreign, nullptr), std::out_of_range);
}

using RaiseTest = LiveCountTest;

TEST_F(RaiseTest, RaisingNilRaisesNilObjectException)
{
    auto const& raised = class_of_raised([] { fw::raise(nullptr); });
    EXPECT_EQ(&raised, &fw::NilObjectException::__Lookup());
}

TEST_F(RaiseTest, CarrierNamesTheClassAndMessage)
{
    fw::RuntimeError error(fw::make<fw::IllegalCastException>("Stranger is not a Shape"));
    EXPECT_STREQ(error.what(), "IllegalCastException: Stranger is not a Shape");
    EXPECT_STREQ(fw::RuntimeError(nullptr).what(), "NilObjectException");
}

TEST_F(RaiseTest, CheckedRaisesOnNil)
{
    fw::Ref<Shape> nil;
    EXPECT_EQ(&class_of_raised([&] { fw::checked(nil); }), &fw::NilObjectException::__Lookup());
}

}
