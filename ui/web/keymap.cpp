#include "keymap.h"

namespace {

struct NamedKey
{
    std::string_view code;
    pirumo::KeyCode key;
};

constexpr NamedKey kNamedKeys[] = {
    {"Enter", pirumo::kReturn},      {"NumpadEnter", pirumo::kReturn}, {"Backspace", pirumo::kBackspace},
    {"Space", pirumo::kSpace},       {"ArrowUp", pirumo::kUp},         {"ArrowDown", pirumo::kDown},
    {"Insert", pirumo::kInsert},     {"F1", pirumo::kF1},              {"F2", pirumo::kF2},
};

constexpr NamedKey kLetters[] = {{"KeyC", pirumo::kLetterC}, {"KeyS", pirumo::kLetterS}, {"KeyV", pirumo::kLetterV}};

// The digit that ends a code such as "Digit7" or "Numpad7", or -1.
int digitAfter(std::string_view prefix, std::string_view code)
{
    if (code.size() != prefix.size() + 1 || code.substr(0, prefix.size()) != prefix)
        return -1;
    const char digit = code.back();
    return digit >= '0' && digit <= '9' ? digit - '0' : -1;
}

template <std::size_t N>
pirumo::KeyCode named(const NamedKey (&keys)[N], std::string_view code)
{
    for (const NamedKey &k : keys)
        if (k.code == code)
            return k.key;
    return pirumo::kNoKey;
}

// A letter by the character it types, as on the desktops, so that Ctrl+C
// copies on a Dvorak or Bépo keyboard too; by its place where the layout
// types no Latin letter (Cyrillic, Greek), as Windows does.
pirumo::KeyCode letter(std::string_view code, std::string_view key)
{
    if (key.size() == 1 && ((key[0] >= 'a' && key[0] <= 'z') || (key[0] >= 'A' && key[0] <= 'Z'))) {
        const char capital = static_cast<char>(key[0] & ~0x20);
        for (const NamedKey &k : kLetters)
            if (k.key == capital)
                return k.key;
        return pirumo::kNoKey;
    }
    return named(kLetters, code);
}

} // namespace

pirumo::KeyCode keyFromEvent(std::string_view code, std::string_view key)
{
    if (const int digit = digitAfter("Digit", code); digit >= 0)
        return static_cast<pirumo::KeyCode>(pirumo::kDigit0 + digit);
    if (const int digit = digitAfter("Numpad", code); digit >= 0) {
        // Without NumLock the keypad moves the cursor: 8 and 2 step, 0 inserts.
        if (key.size() == 1 && key[0] == '0' + digit)
            return static_cast<pirumo::KeyCode>(pirumo::kNumpad0 + digit);
        return named(kNamedKeys, key);
    }
    if (code.substr(0, 3) == "Key")
        return letter(code, key);
    return named(kNamedKeys, code);
}
