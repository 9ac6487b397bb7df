#pragma once

#include <optional>
#include <type_traits>

namespace geometry {

// A wrapped integer would turn into a confident but wrong geometric verdict,
// so every operation on coordinates reports overflow instead of wrapping.

template <typename T>
[[nodiscard]] constexpr std::optional<T> checkedAdd(T left, T right)
{
    static_assert(std::is_integral_v<T>);
    T result{};
    if (__builtin_add_overflow(left, right, &result))
        return std::nullopt;
    return result;
}

template <typename T>
[[nodiscard]] constexpr std::optional<T> checkedSub(T left, T right)
{
    static_assert(std::is_integral_v<T>);
    T result{};
    if (__builtin_sub_overflow(left, right, &result))
        return std::nullopt;
    return result;
}

template <typename T>
[[nodiscard]] constexpr std::optional<T> checkedMul(T left, T right)
{
    static_assert(std::is_integral_v<T>);
    T result{};
    if (__builtin_mul_overflow(left, right, &result))
        return std::nullopt;
    return result;
}

} // namespace geometry
