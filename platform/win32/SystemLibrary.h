#pragma once
// Functions of a system DLL looked up at run time, for calls that not every
// Windows has (the token API on 95, 98 and Me) or that should not stop the
// program from loading when their DLL is missing (Windows Sockets).
#include <windows.h>

namespace vx::platform {

class SystemLibrary {
public:
    explicit SystemLibrary(const char* name) : module_(LoadLibraryA(name)) {}
    ~SystemLibrary()
    {
        if (module_)
            FreeLibrary(module_);
    }
    SystemLibrary(const SystemLibrary&) = delete;
    SystemLibrary& operator=(const SystemLibrary&) = delete;

    bool Loaded() const { return module_ != nullptr; }

    // nullptr when the library or the function is missing.
    template <class Function>
    Function* Find(const char* function) const
    {
        if (!module_)
            return nullptr;
        // Through the generic function pointer type, which GCC lets cast to any other.
        auto* generic = reinterpret_cast<void (*)()>(GetProcAddress(module_, function));
        return reinterpret_cast<Function*>(generic);
    }

private:
    HMODULE module_;
};

}  // namespace vx::platform
