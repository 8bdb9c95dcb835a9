#pragma once
// The errors the clipboard library raises. Each carries a number, a source and a
// description, as the caller may want to show or compare any of them.
#include <cstdint>
#include <stdexcept>
#include <string>

namespace morvane {

class ClipboardError : public std::runtime_error {
public:
    ClipboardError(std::uint32_t number, std::wstring source, std::wstring description);
    std::uint32_t Number() const { return number_; }
    const std::wstring& Source() const { return source_; }
    const std::wstring& Description() const { return description_; }

private:
    std::uint32_t number_;
    std::wstring source_;
    std::wstring description_;
};

// A handle that is not a valid graphics object was given as a bitmap.
class InvalidHandleError : public ClipboardError {
public:
    static constexpr std::uint32_t kNumber = 0x80040001u;
    InvalidHandleError();
};

// A list of format numbers that has no element 0.
class SubscriptOutOfRangeError : public ClipboardError {
public:
    static constexpr std::uint32_t kNumber = 9;
    explicit SubscriptOutOfRangeError(std::wstring source);
};

// A format number too large (or not finite) for a 32-bit integer.
class OverflowError : public ClipboardError {
public:
    static constexpr std::uint32_t kNumber = 6;
    explicit OverflowError(std::wstring source);
};

// A picture was required and none was given.
class NoPictureError : public ClipboardError {
public:
    static constexpr std::uint32_t kNumber = 91;
    explicit NoPictureError(std::wstring source);
};

}  // namespace morvane
