#pragma once

// WeakRef<T>: a reference that does not keep its object alive and reads nil
// once the object is gone. All weak references to one object share a
// WeakLink, which the object revokes when its last reference goes; the link is
// counted by the weak references and the object, and freed by the last.

#include "framework/runtime/Ref.h"

namespace fw {

struct WeakLink {
    Object* object { nullptr };
    std::uint32_t holders { 0 };

    WeakLink() noexcept { ++s_live_links; }
    ~WeakLink() { --s_live_links; }
    WeakLink(WeakLink const&) = delete;
    WeakLink& operator=(WeakLink const&) = delete;

    // Links alive right now; tests use it to prove the last holder frees one.
    static std::int64_t live_count() noexcept { return s_live_links; }

    void hold() noexcept { ++holders; }
    // Out of line: inlined into a caller that drops two links, GCC 12 warns
    // of a use after free that cannot happen (-Wuse-after-free).
    void drop() noexcept;

private:
    inline static std::int64_t s_live_links = 0;
};

template<typename T>
class WeakRef {
public:
    WeakRef() noexcept = default;
    explicit WeakRef(T* object)
        : m_link(object ? object->weak_link() : nullptr)
    {
        if (m_link)
            m_link->hold();
    }
    WeakRef(WeakRef const& other) noexcept
        : m_link(other.m_link)
    {
        if (m_link)
            m_link->hold();
    }
    WeakRef& operator=(WeakRef other) noexcept
    {
        std::swap(m_link, other.m_link);
        return *this;
    }
    ~WeakRef()
    {
        if (m_link)
            m_link->drop();
    }

    // The object with a reference of the caller's own, or nil once it is gone.
    Ref<T> strong() const { return Ref<T>(ptr()); }
    T* ptr() const noexcept { return m_link ? static_cast<T*>(m_link->object) : nullptr; }
    bool is_nil() const noexcept { return ptr() == nullptr; }

private:
    WeakLink* m_link { nullptr };
};

}
