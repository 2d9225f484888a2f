#ifndef _WIN32

#include "cups_library.h"

#include <dlfcn.h>
#include <initializer_list>

namespace varnok::reports::cups {

namespace {

template <typename F> bool Resolve(void* handle, const char* name, F& function) {
    function = reinterpret_cast<F>(dlsym(handle, name));
    return function != nullptr;
}

Library Open() {
    void* handle = nullptr;
    for (const char* name : {"libcups.so.2", "libcups.2.dylib", "libcups.so"}) {
        handle = dlopen(name, RTLD_NOW | RTLD_LOCAL);
        if (handle != nullptr)
            break;
    }
    Library lib;
    if (handle == nullptr)
        return lib;
    // Kept loaded for the rest of the run, as a linked library would be.
    if (!Resolve(handle, "cupsGetDests2", lib.getDests2) ||
        !Resolve(handle, "cupsFreeDests", lib.freeDests) ||
        !Resolve(handle, "cupsGetOption", lib.getOption) ||
        !Resolve(handle, "cupsSetDests2", lib.setDests2))
        return Library{};
    return lib;
}

} // namespace

const Library* Load() {
    static const Library library = Open(); // loaded once, read-only after
    return library.getDests2 != nullptr ? &library : nullptr;
}

} // namespace varnok::reports::cups

#endif // _WIN32
