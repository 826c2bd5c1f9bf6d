#pragma once

// The root of every framework and program object.
//
// Objects are reference counted through an intrusive count that starts at 1
// when the object is made; the maker adopts that first reference into a Ref
// (see Ref.h). The last release destroys the object, so C++ destructors run
// most derived first: they are the finalisers the class tables name.
//
// Every object knows its class table (ClassTable.h) through class_table(),
// which FW_OBJECT declares in each class.

#include <cstdint>
#include <string_view>

namespace fw {

struct ClassTable;
struct WeakLink;

class Object {
public:
    Object(Object const&) = delete;
    Object(Object&&) = delete;
    Object& operator=(Object const&) = delete;
    Object& operator=(Object&&) = delete;

    void retain() const noexcept;
    void release() const noexcept;
    std::uint32_t ref_count() const noexcept { return m_ref_count; }

    // The dynamic class of this object.
    virtual ClassTable const& class_table() const;
    static ClassTable const& __Lookup();
    // The class's name as signature texts write it ("o<Object>").
    static constexpr std::string_view __ClassName { "Object" };

    // The revocable link that weak references share; made on first use.
    WeakLink* weak_link() const;

    // Objects alive right now, over the whole process. Tests compare it before
    // and after a case to prove nothing leaked and nothing was freed twice.
    static std::int64_t live_count() noexcept;

protected:
    Object() noexcept;
    virtual ~Object();

private:
    mutable std::uint32_t m_ref_count { 1 };
    mutable WeakLink* m_weak_link { nullptr };
};

// Declares the class-table hooks of a framework or program class. Put it at
// the top of the class body; the class defines Self::__Lookup() itself.
// __ClassName is the name signature texts give the class ("o<TextField>").
#define FW_OBJECT(Self)                                                                                                \
public:                                                                                                                \
    static ::fw::ClassTable const& __Lookup();                                                                         \
    [[maybe_unused]] static constexpr ::std::string_view __ClassName { #Self };                                        \
    ::fw::ClassTable const& class_table() const override { return Self::__Lookup(); }                                  \
                                                                                                                       \
private:

}
