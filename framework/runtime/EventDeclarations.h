#pragma once

// Events declared once, each with its handler's type, in event-table order.
//
// A class's event list is a tuple of declarations:
//   event<bool(bool)>("CancelClose")   a handler bool (C::*)(bool), entered
//                                      as the thunk bool (*)(Object*, bool)
//   listed_event("Paint")              in the table, never raised: no handler
//                                      can be entered for it
// event_names<List> is the name list a class table takes, and
// declared_event<List, "Name"> the event as a value that knows its handler's
// type: raising it takes exactly that type's arguments, and handles<&C::M>
// accepts only a member of that type. A name not in the list does not
// compile.

#include "framework/runtime/ClassTable.h"
#include "framework/runtime/MemberTraits.h"

#include <array>
#include <cstddef>
#include <string_view>
#include <tuple>
#include <type_traits>

namespace fw {

// An event name as a template argument: declared_event<List, "Open">.
template<std::size_t N>
struct EventName {
    char text[N] {};

    consteval EventName(char const (&name)[N])
    {
        for (std::size_t i = 0; i < N; ++i)
            text[i] = name[i];
    }
    constexpr std::string_view view() const { return { text, N - 1 }; }
};

// The handler type of an event the table lists and the framework never
// raises. It has no definition, so no member's type is this.
struct NeverRaised;

// One entry of an event list: the name, and the function type R(A...) of a
// handler called on the object with the arguments A.
template<typename F>
struct EventDeclaration {
    using Handler = F;
    char const* name;
};

template<typename F>
consteval EventDeclaration<F> event(char const* name)
{
    return { name };
}
consteval EventDeclaration<NeverRaised> listed_event(char const* name) { return { name }; }

// A declared event: its position in its list, its name and its handler's
// function type.
template<std::size_t Index, typename F>
struct DeclaredEvent {
    using Handler = F;
    static constexpr std::size_t index = Index;
    char const* name;
};

namespace detail {

    // Not constexpr, and never defined: naming an event that the list does not
    // declare fails to compile, naming this.
    void no_such_event_in_the_list();

    template<auto const& List, EventName Name>
    consteval std::size_t declared_position()
    {
        std::size_t found = std::tuple_size_v<std::remove_cvref_t<decltype(List)>>;
        std::size_t i = 0;
        std::apply([&](auto const&... entry) { ((found = entry.name == Name.view() ? i : found, ++i), ...); }, List);
        if (found == i)
            no_such_event_in_the_list();
        return found;
    }

}

// The names of an event list, in order.
template<auto const& List>
inline constexpr auto event_names = std::apply(
    [](auto const&... entry) { return std::array<char const*, sizeof...(entry)> { entry.name... }; }, List);

template<auto const& List, EventName Name>
inline constexpr auto declared_event = [] {
    constexpr std::size_t index = detail::declared_position<List, Name>();
    using Entry = std::remove_cvref_t<decltype(std::get<index>(List))>;
    return DeclaredEvent<index, typename Entry::Handler> { std::get<index>(List).name };
}();

// A menu handler, as _AddMenuHandler binds it in pointer form: called with
// the window or application it was bound on, it answers True when it took
// the command. The thunk of a member bool (C::*)() has this type.
using MenuHandler = bool(Object* self);

// Runs a bound menu handler; only the low bit of its answer counts.
inline bool run_menu_handler(AnyFunction routine, Object* self)
{
    return typed_function<MenuHandler>(routine)(self) & 1;
}

// An event-table entry of a class: the event's name and the own operation
// that answers it.
struct EventHandlerRow {
    char const* event;
    char const* handler;
};

namespace detail {
    // Not constexpr: a row that reaches it fails to compile, naming it.
    void handler_is_named_for_another_event();
}

// The row entering member M as the handler of `event`. A class answers an
// event with a method named "Event_" and the event's name, or, for a
// construction hook, the hook's own name; a member of another name, or of
// another type than the event declares, does not compile.
template<auto M, std::size_t Index, typename F>
consteval EventHandlerRow handles(DeclaredEvent<Index, F> event)
{
    static_assert(std::is_same_v<FunctionType<decltype(M)>, F>, "the handler's type is not the one its event declares");
    std::string_view const handler = member_name<M>;
    std::string_view const name = event.name;
    constexpr std::string_view prefix = "Event_";
    if (handler != name && !(handler.starts_with(prefix) && handler.substr(prefix.size()) == name))
        detail::handler_is_named_for_another_event();
    return { event.name, member_name<M> };
}

}
