#include "addin/ServerObjects.h"

#include "addin/Dqxhand.h"

#include <atomic>
#include <dlfcn.h>
#include <filesystem>
#include <new>

namespace addin {

namespace {

std::atomic<long> holds{0};

class ClassObject final : public addinhost::IClassFactory {
public:
    addinhost::Result QueryInterface(const addinhost::Guid& interfaceId, void** object) noexcept override {
        if (!object)
            return addinhost::Result::Pointer;
        *object = nullptr;
        if (interfaceId != addinhost::IUnknownId && interfaceId != addinhost::IClassFactoryId)
            return addinhost::Result::NoInterface;
        *object = static_cast<addinhost::IClassFactory*>(this);
        AddRef();
        return addinhost::Result::Ok;
    }
    std::uint32_t AddRef() noexcept override {
        objectMade();
        return 2;
    }
    std::uint32_t Release() noexcept override {
        objectGone();
        return 1;
    }

    addinhost::Result CreateInstance(addinhost::IUnknown* outer, const addinhost::Guid& interfaceId,
                                     void** object) noexcept override {
        if (!object)
            return addinhost::Result::Pointer;
        *object = nullptr;
        if (outer)
            return addinhost::Result::NoAggregation;
        Dqxhand* made = nullptr;
        try {
            made = new Dqxhand;
        } catch (...) {
            return addinhost::Result::OutOfMemory;
        }
        addinhost::Result result = made->QueryInterface(interfaceId, object);
        made->Release();
        return result;
    }
    addinhost::Result LockServer(bool lock) noexcept override {
        if (lock)
            objectMade();
        else
            objectGone();
        return addinhost::Result::Ok;
    }
};

} // namespace

addinhost::IClassFactory& classObject() {
    static ClassObject instance;
    return instance;
}

void objectMade() noexcept {
    ++holds;
}

void objectGone() noexcept {
    --holds;
}

bool libraryInUse() noexcept {
    return holds.load() > 0;
}

std::string libraryPath() {
    Dl_info info{};
    // A function of this library that no other library or program can stand in for.
    if (dladdr(reinterpret_cast<void*>(&libraryInUse), &info) == 0 || !info.dli_fname)
        return {};
    return std::filesystem::absolute(info.dli_fname).lexically_normal().string();
}

} // namespace addin
