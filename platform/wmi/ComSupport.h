// Owners for the COM resources the WMI backend handles: interface pointers,
// BSTRs, VARIANTs and SAFEARRAYs, and UTF-8 <-> UTF-16 conversion. Windows only.
#pragma once

#ifndef _WIN32
#error "ComSupport.h is for Windows builds only"
#endif

#include <windows.h>

#include <objbase.h>
#include <oleauto.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace korvo::platform::wmi {

std::wstring widen(std::string_view utf8);
std::string narrow(const wchar_t* utf16, std::size_t length);
inline std::string narrow(BSTR text) {
    return text ? narrow(text, SysStringLen(text)) : std::string();
}

template <class T> class ComPtr {
public:
    ComPtr() = default;
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ComPtr(ComPtr&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
    ComPtr& operator=(ComPtr&& other) noexcept {
        if (this != &other) {
            reset();
            p_ = std::exchange(other.p_, nullptr);
        }
        return *this;
    }
    ~ComPtr() { reset(); }

    void reset() {
        if (p_) std::exchange(p_, nullptr)->Release();
    }
    // For out-parameters: releases what is held and hands out the slot.
    T** put() {
        reset();
        return &p_;
    }
    T* get() const { return p_; }
    T* operator->() const { return p_; }
    explicit operator bool() const { return p_ != nullptr; }

private:
    T* p_ = nullptr;
};

class Bstr {
public:
    Bstr() = default;
    explicit Bstr(const wchar_t* text) : s_(SysAllocString(text)) {}
    explicit Bstr(std::string_view utf8) : Bstr(widen(utf8).c_str()) {}
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;
    Bstr(Bstr&& other) noexcept : s_(std::exchange(other.s_, nullptr)) {}
    Bstr& operator=(Bstr&& other) noexcept {
        if (this != &other) {
            SysFreeString(s_);
            s_ = std::exchange(other.s_, nullptr);
        }
        return *this;
    }
    ~Bstr() { SysFreeString(s_); }

    BSTR get() const { return s_; }
    BSTR* put() {
        SysFreeString(std::exchange(s_, nullptr));
        return &s_;
    }

private:
    BSTR s_ = nullptr;
};

class Variant {
public:
    Variant() { VariantInit(&v_); }
    Variant(const Variant&) = delete;
    Variant& operator=(const Variant&) = delete;
    ~Variant() { VariantClear(&v_); }

    VARIANT* put() {
        VariantClear(&v_);
        return &v_;
    }
    VARIANT* get() { return &v_; }
    const VARIANT& operator*() const { return v_; }
    VARTYPE type() const { return v_.vt; }

private:
    VARIANT v_;
};

class SafeArray {
public:
    explicit SafeArray(SAFEARRAY* array = nullptr) : a_(array) {}
    SafeArray(const SafeArray&) = delete;
    SafeArray& operator=(const SafeArray&) = delete;
    SafeArray(SafeArray&& other) noexcept : a_(std::exchange(other.a_, nullptr)) {}
    SafeArray& operator=(SafeArray&&) = delete;
    ~SafeArray() {
        if (a_) SafeArrayDestroy(a_);
    }

    SAFEARRAY* get() const { return a_; }
    // Hands the array to a VARIANT, which then owns it.
    SAFEARRAY* release() { return std::exchange(a_, nullptr); }

private:
    SAFEARRAY* a_;
};

} // namespace korvo::platform::wmi
