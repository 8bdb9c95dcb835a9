#pragma once
// The one case mapping of the engine, the same on every build: ASCII, Latin-1, Latin
// Extended-A, the letters of Windows-1252 beyond them, Greek and Cyrillic, one character
// to one character (the simple Unicode mapping). Other characters map to themselves.

namespace morvane {

char16_t LowerChar(char16_t c);
char16_t UpperChar(char16_t c);

}  // namespace morvane
