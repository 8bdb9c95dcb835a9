#include "char_case.h"

namespace morvane {
namespace {

bool Between(char16_t c, char16_t first, char16_t last) { return c >= first && c <= last; }

}  // namespace

char16_t LowerChar(char16_t c) {
    if (c < 0x80) return Between(c, u'A', u'Z') ? static_cast<char16_t>(c + 32) : c;
    if (c < 0x100) return Between(c, 0xC0, 0xDE) && c != 0xD7 ? static_cast<char16_t>(c + 32) : c;
    if (c < 0x180) {
        if (c == 0x130) return u'i';
        if (c == 0x178) return 0xFF;
        const bool evenUpper = Between(c, 0x100, 0x137) || Between(c, 0x14A, 0x177);
        const bool oddUpper = Between(c, 0x139, 0x148) || Between(c, 0x179, 0x17E);
        if ((evenUpper && c % 2 == 0) || (oddUpper && c % 2 == 1)) return static_cast<char16_t>(c + 1);
        return c;
    }
    if (c == 0x191) return 0x192;
    if (Between(c, 0x386, 0x3AB)) {
        if (c == 0x386) return 0x3AC;
        if (Between(c, 0x388, 0x38A)) return static_cast<char16_t>(c + 37);
        if (c == 0x38C) return 0x3CC;
        if (Between(c, 0x38E, 0x38F)) return static_cast<char16_t>(c + 63);
        if (Between(c, 0x391, 0x3AB) && c != 0x3A2) return static_cast<char16_t>(c + 32);
        return c;
    }
    if (Between(c, 0x400, 0x40F)) return static_cast<char16_t>(c + 80);
    if (Between(c, 0x410, 0x42F)) return static_cast<char16_t>(c + 32);
    return c;
}

char16_t UpperChar(char16_t c) {
    if (c < 0x80) return Between(c, u'a', u'z') ? static_cast<char16_t>(c - 32) : c;
    if (c < 0x100) {
        if (c == 0xB5) return 0x39C;
        if (c == 0xFF) return 0x178;
        return Between(c, 0xE0, 0xFE) && c != 0xF7 ? static_cast<char16_t>(c - 32) : c;
    }
    if (c < 0x180) {
        if (c == 0x131) return u'I';
        if (c == 0x17F) return u'S';
        const bool oddLower = Between(c, 0x101, 0x137) || Between(c, 0x14B, 0x177);
        const bool evenLower = Between(c, 0x13A, 0x148) || Between(c, 0x17A, 0x17E);
        if ((oddLower && c % 2 == 1) || (evenLower && c % 2 == 0)) return static_cast<char16_t>(c - 1);
        return c;
    }
    if (c == 0x192) return 0x191;
    if (Between(c, 0x3AC, 0x3CE)) {
        if (c == 0x3AC) return 0x386;
        if (Between(c, 0x3AD, 0x3AF)) return static_cast<char16_t>(c - 37);
        if (c == 0x3C2) return 0x3A3;
        if (Between(c, 0x3B1, 0x3CB)) return static_cast<char16_t>(c - 32);
        if (c == 0x3CC) return 0x38C;
        if (Between(c, 0x3CD, 0x3CE)) return static_cast<char16_t>(c - 63);
        return c;
    }
    if (Between(c, 0x430, 0x44F)) return static_cast<char16_t>(c - 32);
    if (Between(c, 0x450, 0x45F)) return static_cast<char16_t>(c - 80);
    return c;
}

}  // namespace morvane
