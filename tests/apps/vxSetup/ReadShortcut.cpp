// Prints the target of each shortcut file named on the command line, one a line,
// read back through the shell's link object; "<unreadable>" when it cannot be.
#include <windows.h>
#include <objbase.h>
#include <objidl.h>
#include <shlobj.h>

#include <cstdio>
#include <vector>

int main(int argc, char** argv)
{
    CoInitialize(nullptr);
    int failures = 0;
    for (int i = 1; i < argc; ++i) {
        IShellLinkA* link = nullptr;
        IPersistFile* file = nullptr;
        char target[MAX_PATH] = {};
        bool read = false;
        if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                       reinterpret_cast<void**>(&link))) &&
            SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
            std::vector<wchar_t> name(MAX_PATH);
            MultiByteToWideChar(CP_ACP, 0, argv[i], -1, name.data(), MAX_PATH);
            read = SUCCEEDED(file->Load(name.data(), STGM_READ)) &&
                   SUCCEEDED(link->GetPath(target, MAX_PATH, nullptr, 0));
        }
        if (file)
            file->Release();
        if (link)
            link->Release();
        std::printf("%s\n", read ? target : "<unreadable>");
        failures += read ? 0 : 1;
    }
    CoUninitialize();
    return failures == 0 ? 0 : 1;
}
