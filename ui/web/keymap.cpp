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
    {"Insert", pirumo::kInsert},     {"KeyC", pirumo::kLetterC},       {"KeyS", pirumo::kLetterS},
    {"KeyV", pirumo::kLetterV},      {"F1", pirumo::kF1},
};

// The digit that ends a code such as "Digit7" or "Numpad7", or -1.
int digitAfter(std::string_view prefix, std::string_view code)
{
    if (code.size() != prefix.size() + 1 || code.substr(0, prefix.size()) != prefix)
        return -1;
    const char digit = code.back();
    return digit >= '0' && digit <= '9' ? digit - '0' : -1;
}

pirumo::KeyCode named(std::string_view code)
{
    for (const NamedKey &k : kNamedKeys)
        if (k.code == code)
            return k.key;
    return pirumo::kNoKey;
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
        return named(key);
    }
    return named(code);
}
