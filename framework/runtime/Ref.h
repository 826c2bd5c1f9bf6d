#pragma once

// Ref<T>: the one owning handle to an Object. It may be nil.
//
// A Ref made from a raw pointer retains it (the constructor is explicit, so a
// raw pointer never becomes a Ref by accident); adopt() takes over the one
// reference that a new object starts with. Assignment is copy-and-swap, so
// "retain the new, release the old" holds for self-assignment too.

#include "framework/runtime/Object.h"

#include <cstddef>
#include <type_traits>
#include <utility>

namespace fw {

template<typename T>
class Ref {
public:
    Ref() noexcept = default;
    Ref(std::nullptr_t) noexcept { }
    explicit Ref(T* object) noexcept
        : m_ptr(object)
    {
        if (m_ptr)
            m_ptr->retain();
    }
    Ref(Ref const& other) noexcept
        : Ref(other.m_ptr)
    {
    }
    Ref(Ref&& other) noexcept
        : m_ptr(std::exchange(other.m_ptr, nullptr))
    {
    }
    template<typename U>
    requires std::is_convertible_v<U*, T*> Ref(Ref<U> const& other)
    noexcept
        : Ref(static_cast<T*>(other.ptr()))
    {
    }
    template<typename U>
    requires std::is_convertible_v<U*, T*> Ref(Ref<U>&& other)
    noexcept
        : m_ptr(static_cast<T*>(other.leak()))
    {
    }
    ~Ref()
    {
        if (m_ptr)
            m_ptr->release();
    }

    Ref& operator=(Ref other) noexcept
    {
        swap(other);
        return *this;
    }
    Ref& operator=(std::nullptr_t) noexcept
    {
        Ref().swap(*this);
        return *this;
    }

    void swap(Ref& other) noexcept { std::swap(m_ptr, other.m_ptr); }

    // Takes over a reference that the caller already owns.
    [[nodiscard]] static Ref adopt(T* object) noexcept
    {
        Ref ref;
        ref.m_ptr = object;
        return ref;
    }
    // Gives up ownership of the reference without releasing it.
    [[nodiscard]] T* leak() noexcept { return std::exchange(m_ptr, nullptr); }

    T* ptr() const noexcept { return m_ptr; }
    T* operator->() const noexcept { return m_ptr; }
    T& operator*() const noexcept { return *m_ptr; }
    explicit operator bool() const noexcept { return m_ptr != nullptr; }
    bool is_nil() const noexcept { return m_ptr == nullptr; }

    friend bool operator==(Ref const& a, Ref const& b) noexcept { return a.m_ptr == b.m_ptr; }
    friend bool operator==(Ref const& a, std::nullptr_t) noexcept { return a.m_ptr == nullptr; }

private:
    T* m_ptr { nullptr };
};

template<typename T>
[[nodiscard]] Ref<T> adopt_ref(T* object) noexcept
{
    return Ref<T>::adopt(object);
}

// Makes a new object and returns its first reference.
template<typename T, typename... Args>
[[nodiscard]] Ref<T> make(Args&&... args)
{
    return Ref<T>::adopt(new T(std::forward<Args>(args)...));
}

}
