#include "entry.h"

#include "texts.h"

#include <cstdint>

namespace pirumo {

namespace {

constexpr std::uint64_t kLargest = 999'999'999'999;
// A paste takes one digit fewer than the entry can hold.
constexpr std::size_t kPastedDigits = kEntryWidth - 1;

bool is_digit(char c) { return c >= '0' && c <= '9'; }

std::uint64_t value_of(std::string_view entry)
{
    std::uint64_t n = 0;
    for (char c : entry)
        n = n * 10 + static_cast<std::uint64_t>(c - '0');
    return n;
}

std::string padded(std::uint64_t n, std::size_t width)
{
    std::string digits = std::to_string(n);
    if (digits.size() < width)
        digits.insert(0, width - digits.size(), '0');
    return digits;
}

} // namespace

char check_character(std::string_view digits)
{
    unsigned sum = 0;
    unsigned weight = 2;
    for (auto it = digits.rbegin(); it != digits.rend(); ++it, ++weight)
        sum += weight * static_cast<unsigned>(*it - '0');
    const unsigned c = 11 - sum % 11;
    if (c == 11)
        return '0';
    if (c == 10)
        return 'X';
    return static_cast<char>('0' + c);
}

std::string entry_display(std::string_view entry)
{
    if (entry.size() >= kEntryWidth)
        return std::string(entry.substr(entry.size() - kEntryWidth));
    return std::string(kEntryWidth - entry.size(), ' ') + std::string(entry);
}

std::string spoken_entry(std::string_view entry, char check)
{
    std::string spoken = entry.empty() ? std::string(kSpokenNoNumber) : std::string();
    for (char digit : entry) {
        if (!spoken.empty())
            spoken += ' ';
        spoken += digit;
    }
    return spoken + std::string(kSpokenCheck) + check;
}

std::string stepped_up(std::string_view entry)
{
    const std::uint64_t n = value_of(entry);
    return padded(n < kLargest ? n + 1 : n, entry.size());
}

std::string stepped_down(std::string_view entry)
{
    const std::uint64_t n = value_of(entry);
    return padded(n > 0 ? n - 1 : n, entry.size());
}

std::string pasted_digits(std::string_view text)
{
    std::string kept;
    for (char c : text) {
        if (is_digit(c)) {
            kept += c;
            if (kept.size() == kPastedDigits)
                break;
        }
    }
    return kept;
}

} // namespace pirumo
