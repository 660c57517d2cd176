#pragma once
// The object protocol of in-process servers: every object counts its references and hands out its
// interfaces by identifier; a class object makes the objects of a class. Calls across the library's edge
// never throw: they answer with a Result.

#include "platform/addinhost/Guid.h"

#include <cstdint>
#include <utility>

namespace addinhost {

// The outcome of a call; negative values are failures.
enum class Result : std::int32_t {
    Ok = 0,
    False = 1, // done, and the answer is no
    NotImplemented = static_cast<std::int32_t>(0x80004001),
    NoInterface = static_cast<std::int32_t>(0x80004002),
    Pointer = static_cast<std::int32_t>(0x80004003), // a null pointer where one was needed
    Fail = static_cast<std::int32_t>(0x80004005),
    OutOfMemory = static_cast<std::int32_t>(0x8007000E),
    ClassNotAvailable = static_cast<std::int32_t>(0x80040111),
    NoAggregation = static_cast<std::int32_t>(0x80040110),
    RegistrationFailed = static_cast<std::int32_t>(0x80040201),
};

constexpr bool succeeded(Result result) {
    return static_cast<std::int32_t>(result) >= 0;
}

// Every object's first interface. QueryInterface gives an interface of the object with a reference
// added (null and NoInterface when it has none); the object goes when its last reference is released.
class IUnknown {
public:
    virtual Result QueryInterface(const Guid& interfaceId, void** object) noexcept = 0;
    virtual std::uint32_t AddRef() noexcept = 0;
    virtual std::uint32_t Release() noexcept = 0;

protected:
    ~IUnknown() = default;
};

inline constexpr Guid IUnknownId = guid("{00000000-0000-0000-C000-000000000046}");

// The class object of a class: makes its objects. LockServer(true) keeps the library loaded without an
// object, LockServer(false) lets it go again.
class IClassFactory : public IUnknown {
public:
    virtual Result CreateInstance(IUnknown* outer, const Guid& interfaceId, void** object) noexcept = 0;
    virtual Result LockServer(bool lock) noexcept = 0;

protected:
    ~IClassFactory() = default;
};

inline constexpr Guid IClassFactoryId = guid("{00000001-0000-0000-C000-000000000046}");

// Holds one reference to an interface and releases it when it goes.
template <class Interface> class InterfacePtr {
public:
    InterfacePtr() = default;
    // Takes over the reference that the pointer carries (as QueryInterface and CreateInstance give it).
    explicit InterfacePtr(Interface* adopted) : m_interface(adopted) {}
    InterfacePtr(const InterfacePtr& other) : m_interface(other.m_interface) {
        if (m_interface)
            m_interface->AddRef();
    }
    InterfacePtr(InterfacePtr&& other) noexcept : m_interface(std::exchange(other.m_interface, nullptr)) {}
    InterfacePtr& operator=(InterfacePtr other) noexcept {
        std::swap(m_interface, other.m_interface);
        return *this;
    }
    ~InterfacePtr() { reset(); }

    void reset() {
        if (Interface* held = std::exchange(m_interface, nullptr))
            held->Release();
    }
    Interface* get() const { return m_interface; }
    Interface* operator->() const { return m_interface; }
    explicit operator bool() const { return m_interface != nullptr; }

    // Where a call puts a new reference: the one held now is released first.
    void** receive() {
        reset();
        return reinterpret_cast<void**>(&m_interface);
    }

private:
    Interface* m_interface = nullptr;
};

} // namespace addinhost
