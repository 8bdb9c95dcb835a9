#pragma once
// Reading one registry value, for read access only.
#include <windows.h>

#include <stdexcept>
#include <string>

namespace morvane {

// A value that exists but holds no data at all.
class EmptyRegistryValue : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Opens keyName under keyRoot with query access only and reads the value valueName into a
// buffer of 1024 characters. True when the key opened and the value was read:
// - a string (REG_SZ) becomes keyVal, without its one terminating zero when it has one;
// - a 32-bit number (REG_DWORD) becomes its decimal text;
// - any other type leaves keyVal as it was.
// False, with keyVal empty, when the key or the value cannot be read, including a value too
// long for the buffer (1023 characters and a terminator fit). A value with no data at all
// throws EmptyRegistryValue.
bool GetKeyValue(HKEY keyRoot, const std::wstring& keyName, const std::wstring& valueName, std::wstring& keyVal);

}  // namespace morvane
