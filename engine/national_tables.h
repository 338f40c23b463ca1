#pragma once
// The national language tables of 3GPP TS 23.038 (Annex A) that Windows-1252 text can
// reach: Turkish (locking and single shift), Spanish (single shift only) and Portuguese
// (locking and single shift). Each is its 128 septets as Unicode characters.

#include <array>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string_view>

namespace smssim {

// The national language identifiers of the standard; 0 is the default alphabet.
inline constexpr int kTurkish = 1;
inline constexpr int kSpanish = 2;
inline constexpr int kPortuguese = 3;
inline constexpr int kLanguageCount = 4; // identifiers 0 to 3

// The languages whose tables the receiving network supports; the default tables always
// count.
class NationalLanguages {
  public:
    constexpr NationalLanguages() = default;
    constexpr NationalLanguages(std::initializer_list<int> identifiers) {
        for (const int id : identifiers)
            *this = with(id);
    }
    constexpr bool has(int identifier) const { return ((bits_ >> identifier) & 1u) != 0; }
    constexpr NationalLanguages with(int identifier) const {
        NationalLanguages more = *this;
        more.bits_ = static_cast<std::uint8_t>(bits_ | (1u << identifier));
        return more;
    }
    constexpr NationalLanguages without(int identifier) const {
        NationalLanguages fewer = *this;
        fewer.bits_ = static_cast<std::uint8_t>(bits_ & ~(1u << identifier));
        return fewer;
    }
    constexpr bool none() const { return bits_ == 0; }
    bool operator==(const NationalLanguages&) const = default;

  private:
    std::uint8_t bits_ = 0;
};

struct NationalTable {
    std::string_view name; // as in the table file: "tr-locking", "es-single", ...
    int language;          // its national language identifier
    bool locking;          // a locking shift table; otherwise a single shift table
    // By septet. A locking table defines all 128, its 0x1B being the escape; a single
    // shift table's septet is the code after the escape, and 0 marks one it leaves out.
    const std::array<char16_t, 128>& septets;
};

// The five tables, Turkish first.
std::span<const NationalTable> nationalTables();

} // namespace smssim
