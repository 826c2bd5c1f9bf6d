#pragma once

// Overload: one visitor from several lambdas, for std::visit.

namespace fw {

template<class... F>
struct Overload : F... {
    using F::operator()...;
};
// Clang before 17 does not deduce aggregate template arguments by itself.
template<class... F>
Overload(F...) -> Overload<F...>;

}
