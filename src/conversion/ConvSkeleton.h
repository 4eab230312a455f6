#pragma once
// The road shared by the unit converters. A converter is a list of unit names
// and a square table of formulas indexed by (from, to) positions in that list;
// each formula gets the factor objects of one call and the parsed input. The
// diagonal (no formula) writes the parsed input back as plain number text,
// every other cell goes through the result formatter. A position outside the
// table writes nothing.
#include "runtime/NumText.h"
#include "runtime/Parse.h"
#include "runtime/RtMath.h"
#include "runtime/Utilities.h"

#include <QString>
#include <QStringView>
#include <array>
#include <cstddef>
#include <optional>
#include <span>

namespace ConvSkeleton {

// The new text of the output box, or none: the box keeps what it shows.
using Output = std::optional<QString>;

// A converter's units: the entries of both of its lists, in list order.
using Units = std::span<const char* const>;

// The one value a converter module exports: its units, and its conversion of
// a (from, to) pair of positions in them with the input text. The window's tab
// table, its unit lists and the tests all read a converter through it, so a
// unit added to a module's names and table reaches all of them.
struct Converter {
    Units units;
    Output (*convert)(int from, int to, QStringView input);
};

template <class Factors>
using Formula = double (*)(const Factors& f, double x);

// The diagonal's mark: a unit converted to itself is the input copied.
struct Same {};
inline constexpr Same same{};

// One cell of a pair table: a formula, or the diagonal's mark. A cell that the
// braces leave out is neither, which the build catches (complete below). A
// formula written as a lambda takes a unary + to become a function pointer.
template <class F>
struct Cell {
    enum class Kind { leftOut, same, formula };
    F formula = nullptr;
    Kind kind = Kind::leftOut;

    constexpr Cell() = default;
    constexpr Cell(Same) : kind(Kind::same) {}
    constexpr Cell(F f) : formula(f), kind(Kind::formula) {}
};

template <class Factors, std::size_t N>
using Table = std::array<std::array<Cell<Formula<Factors>>, N>, N>;

// Whether every pair of two different units has its formula and every unit
// the mark to itself. A table sized by its unit names that passes this check
// has one row and one column for every name.
template <class F, std::size_t N>
constexpr bool complete(const std::array<std::array<Cell<F>, N>, N>& table)
{
    using Kind = typename Cell<F>::Kind;
    for (std::size_t from = 0; from < N; ++from)
        for (std::size_t to = 0; to < N; ++to)
            if (table[from][to].kind != (from == to ? Kind::same : Kind::formula)) return false;
    return true;
}

inline bool inRange(int pos, std::size_t n) { return pos >= 0 && static_cast<std::size_t>(pos) < n; }

// Raises the run-time error of the failing step; the output is then left alone.
template <class Factors, std::size_t N>
Output convert(const Table<Factors, N>& table, int from, int to, QStringView input)
{
    if (!inRange(from, N) || !inRange(to, N)) return std::nullopt;
    const Factors factors{};
    const double x = rt::val(input);
    const Formula<Factors> formula = table[static_cast<std::size_t>(from)][static_cast<std::size_t>(to)].formula;
    if (!formula) return rt::str(x);
    // A product past the double range is an overflow, never "inf" on screen.
    return Utilities::format_result(rt::chk(formula(factors, x)));
}

// The member function's class, for tables whose every cell is x times one factor.
template <class M>
struct MemberOf;
template <class C, class R>
struct MemberOf<R (C::*)() const> { using type = C; };
template <class C, class R>
struct MemberOf<R (C::*)() const noexcept> { using type = C; };
template <class C, class R>
struct MemberOf<R (C::*)()> { using type = C; };

// The formula "x × factor" of one factor member.
template <auto Member>
double times(const typename MemberOf<decltype(Member)>::type& q, double x)
{
    return x * static_cast<double>((q.*Member)());
}

} // namespace ConvSkeleton
