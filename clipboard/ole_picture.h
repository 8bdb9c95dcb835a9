#pragma once
// OlePicture: one counted reference to an OLE picture (IPictureDisp). Copies share the
// picture; the last one released frees it, and with it the bitmap it owns.
#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

namespace morvane {

class OlePicture {
public:
    OlePicture() = default;
    // Takes over one reference that the caller already holds.
    static OlePicture Adopt(IPictureDisp* picture) { return OlePicture(picture); }

    OlePicture(const OlePicture& other);
    OlePicture& operator=(const OlePicture& other);
    OlePicture(OlePicture&& other) noexcept;
    OlePicture& operator=(OlePicture&& other) noexcept;
    ~OlePicture();

    explicit operator bool() const { return picture_ != nullptr; }
    IPictureDisp* get() const { return picture_; }

    // The picture's default value: its handle (for a bitmap picture, the bitmap).
    // Throws NoPictureError when this holds no picture.
    HANDLE Handle() const;
    // The picture's type (PICTYPE_BITMAP for a bitmap picture); PICTYPE_NONE when empty.
    SHORT Type() const;

private:
    explicit OlePicture(IPictureDisp* picture) : picture_(picture) {}
    void Reset() noexcept;

    IPictureDisp* picture_ = nullptr;
};

}  // namespace morvane
