// What the libc++ of Debian's emscripten (libc++ 14) lacks of the C++20 the core uses:
// std::make_unique_for_overwrite for arrays and std::ranges::sort over a whole range. Included
// into every C++ file of the web build by cmake/emscripten.cmake, and nowhere else; a newer
// libc++ has both and leaves this empty.
#pragma once

#include <algorithm>
#include <functional>
#include <memory>
#include <type_traits>

#if !defined(__cpp_lib_smart_ptr_for_overwrite)
namespace std {
template <class T>
    requires is_unbounded_array_v<T>
unique_ptr<T> make_unique_for_overwrite(size_t n) {
    return unique_ptr<T>(new remove_extent_t<T>[n]);
}
}  // namespace std
#endif

#if defined(_LIBCPP_VERSION) && _LIBCPP_VERSION < 15000
namespace milden_libcxx14 {
struct SortRange {
    template <class Range, class Compare = std::less<>>
    void operator()(Range&& range, Compare compare = {}) const {
        std::sort(std::begin(range), std::end(range), std::ref(compare));
    }
};
}  // namespace milden_libcxx14
namespace std::ranges {
inline constexpr milden_libcxx14::SortRange sort{};
}  // namespace std::ranges
#endif
