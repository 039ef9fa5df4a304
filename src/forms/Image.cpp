#include "forms/Controls.h"

#include <cstring>
#include <stdexcept>
#include <string>

namespace forms {

namespace {

// The system decodes the image (JPEG among others); a copy of the resource's bytes in movable
// memory feeds it through a stream, which frees that memory when it is released.
platform::ComPtr<IPicture> LoadPictureResource(const char* name) {
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC resource = FindResourceA(module, name, MAKEINTRESOURCEA(10));  // RT_RCDATA
    HGLOBAL loaded = resource ? LoadResource(module, resource) : nullptr;
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    DWORD size = resource ? SizeofResource(module, resource) : 0;
    platform::ComPtr<IPicture> picture;
    if (bytes && size) {
        HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE, size);
        if (void* target = copy ? GlobalLock(copy) : nullptr) {
            std::memcpy(target, bytes, size);
            GlobalUnlock(copy);
        }
        platform::ComPtr<IStream> stream;
        if (copy && FAILED(CreateStreamOnHGlobal(copy, TRUE, stream.put()))) GlobalFree(copy);
        if (stream)
            OleLoadPicture(stream.get(), static_cast<LONG>(size), FALSE, IID_IPicture,
                           picture.put_void());
    }
    if (!picture) throw std::runtime_error(std::string("cannot decode the picture ") + name);
    return picture;
}

}  // namespace

void TImage::Create(const CreateParams& params) {
    CreateCustomControl(params, "TImage");
    if (params.settings.picture) picture_ = LoadPictureResource(params.settings.picture);
}

void TImage::Paint(HDC dc, const RECT&) {
    if (!picture_) return;
    OLE_HANDLE handle = 0;
    BITMAP bitmap{};
    picture_->get_Handle(&handle);
    GetObjectA(reinterpret_cast<HGDIOBJ>(static_cast<UINT_PTR>(handle)), sizeof bitmap, &bitmap);
    OLE_XSIZE_HIMETRIC width = 0;
    OLE_YSIZE_HIMETRIC height = 0;
    picture_->get_Width(&width);
    picture_->get_Height(&height);
    // One image pixel per screen pixel, whatever the screen's density.
    picture_->Render(dc, 0, 0, bitmap.bmWidth, bitmap.bmHeight, 0, height, width, -height,
                     nullptr);
}

}  // namespace forms
