#include "clipboard/ole_picture.h"

#include <utility>

#include "clipboard/clipboard_errors.h"

namespace morvane {
namespace {

// Asks the picture for its IPicture side, which reads the handle and type directly.
class PictureView {
public:
    explicit PictureView(IPictureDisp* picture) {
        if (picture) picture->QueryInterface(IID_IPicture, reinterpret_cast<void**>(&view_));
    }
    ~PictureView() {
        if (view_) view_->Release();
    }
    PictureView(const PictureView&) = delete;
    PictureView& operator=(const PictureView&) = delete;
    IPicture* operator->() const { return view_; }
    explicit operator bool() const { return view_ != nullptr; }

private:
    IPicture* view_ = nullptr;
};

}  // namespace

OlePicture::OlePicture(const OlePicture& other) : picture_(other.picture_) {
    if (picture_) picture_->AddRef();
}

OlePicture& OlePicture::operator=(const OlePicture& other) {
    OlePicture copy(other);
    std::swap(picture_, copy.picture_);
    return *this;
}

OlePicture::OlePicture(OlePicture&& other) noexcept : picture_(std::exchange(other.picture_, nullptr)) {}

OlePicture& OlePicture::operator=(OlePicture&& other) noexcept {
    if (this != &other) {
        Reset();
        picture_ = std::exchange(other.picture_, nullptr);
    }
    return *this;
}

OlePicture::~OlePicture() { Reset(); }

void OlePicture::Reset() noexcept {
    if (picture_) std::exchange(picture_, nullptr)->Release();
}

HANDLE OlePicture::Handle() const {
    if (!picture_) throw NoPictureError(L"CMemoryDC.Picture");
    PictureView view(picture_);
    OLE_HANDLE handle = 0;
    if (!view || FAILED(view->get_Handle(&handle))) return nullptr;
    // OLE keeps handles in 32 bits; widen them as the system widens 32-bit handles.
    return reinterpret_cast<HANDLE>(static_cast<LONG_PTR>(static_cast<LONG>(handle)));
}

SHORT OlePicture::Type() const {
    PictureView view(picture_);
    SHORT type = PICTYPE_NONE;
    if (view) view->get_Type(&type);
    return type;
}

}  // namespace morvane
