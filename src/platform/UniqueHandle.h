#pragma once
// Owners of the platform's handles. Each kind knows its own "no handle" value and how to close
// it; owners move, never copy.
#include <windows.h>

#include <utility>

namespace platform {

template <class Traits>
class UniqueHandle {
public:
    using Handle = typename Traits::Handle;

    UniqueHandle() = default;
    explicit UniqueHandle(Handle handle) : handle_(handle) {}
    UniqueHandle(UniqueHandle&& other) noexcept
        : handle_(std::exchange(other.handle_, Traits::Invalid())) {}
    UniqueHandle& operator=(UniqueHandle other) noexcept {
        std::swap(handle_, other.handle_);
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    ~UniqueHandle() {
        if (handle_ != Traits::Invalid()) Traits::Close(handle_);
    }

    Handle get() const { return handle_; }
    // For out-parameters: closes what is held, then hands out the slot.
    Handle* put() {
        *this = UniqueHandle();
        return &handle_;
    }
    explicit operator bool() const { return handle_ != Traits::Invalid(); }

private:
    Handle handle_ = Traits::Invalid();
};

struct KeyTraits {
    using Handle = HKEY;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle h) { RegCloseKey(h); }
};
struct FindTraits {
    using Handle = HANDLE;
    static Handle Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(Handle h) { FindClose(h); }
};
struct FileTraits {
    using Handle = HANDLE;
    static Handle Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(Handle h) { CloseHandle(h); }
};
struct KernelTraits {
    using Handle = HANDLE;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle h) { CloseHandle(h); }
};
struct GdiTraits {
    using Handle = HGDIOBJ;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle h) { DeleteObject(h); }
};

using unique_hkey = UniqueHandle<KeyTraits>;
using unique_hfind = UniqueHandle<FindTraits>;
using unique_hfile = UniqueHandle<FileTraits>;   // CreateFile: INVALID_HANDLE_VALUE
using unique_handle = UniqueHandle<KernelTraits>; // processes, threads, events: nullptr
using unique_gdiobj = UniqueHandle<GdiTraits>;

}  // namespace platform
