#include "framework/runtime/Object.h"

#include "framework/runtime/ClassTable.h"
#include "framework/runtime/WeakRef.h"

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <limits>

namespace fw {

namespace {
    std::int64_t s_live_objects = 0;

    [[noreturn]] void fatal(char const* what)
    {
        std::fprintf(stderr, "quorvel: object reference count %s\n", what);
        std::abort();
    }
}

Object::Object() noexcept { ++s_live_objects; }

Object::~Object()
{
    // A destructor reached with references left means someone deleted an
    // object by hand; a link still pointing here would dangle. The one
    // exception is a constructor that raised: the object never reached its
    // maker, so its first reference dies with it while the exception unwinds.
    if (m_ref_count != 0 && std::uncaught_exceptions() == 0)
        fatal("is not zero in the destructor");
    if (m_weak_link) {
        m_weak_link->object = nullptr;
        m_weak_link->drop();
    }
    --s_live_objects;
}

void Object::retain() const noexcept
{
    if (m_ref_count == 0)
        fatal("rose from zero");
    if (m_ref_count == std::numeric_limits<std::uint32_t>::max())
        fatal("overflowed");
    ++m_ref_count;
}

void Object::release() const noexcept
{
    if (m_ref_count == 0)
        fatal("was released below zero");
    if (--m_ref_count != 0)
        return;
    // Revoke weak references before any finaliser runs: a derived destructor
    // that reaches this object through one (a kind 1 delegate's target) must
    // read nil, not an object whose count can no longer rise.
    if (m_weak_link)
        m_weak_link->object = nullptr;
    delete this;
}

WeakLink* Object::weak_link() const
{
    if (!m_weak_link) {
        m_weak_link = new WeakLink;
        m_weak_link->object = m_ref_count ? const_cast<Object*>(this) : nullptr;
        m_weak_link->hold();
    }
    return m_weak_link;
}

void WeakLink::drop() noexcept
{
    if (--holders == 0)
        delete this;
}

std::int64_t Object::live_count() noexcept { return s_live_objects; }

ClassTable const& Object::class_table() const { return Object::__Lookup(); }

}
