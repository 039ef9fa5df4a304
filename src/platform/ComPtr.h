#pragma once
// A COM interface pointer that owns one reference. Attaching takes over a reference the caller
// already holds (it does not add one); Reset and the destructor release it.
#include <unknwn.h>

#include <utility>

namespace platform {

template <class Interface>
class ComPtr {
public:
    ComPtr() = default;
    ComPtr(ComPtr&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
    ComPtr& operator=(ComPtr other) noexcept {
        std::swap(p_, other.p_);
        return *this;
    }
    ComPtr(const ComPtr&) = delete;
    ~ComPtr() { Reset(); }

    void Reset() {
        if (p_) std::exchange(p_, nullptr)->Release();
    }
    Interface* get() const { return p_; }
    Interface* operator->() const { return p_; }
    explicit operator bool() const { return p_ != nullptr; }
    // For out-parameters of CoCreateInstance and QueryInterface.
    void** put_void() {
        Reset();
        return reinterpret_cast<void**>(&p_);
    }
    Interface** put() {
        Reset();
        return &p_;
    }

private:
    Interface* p_ = nullptr;
};

}  // namespace platform
