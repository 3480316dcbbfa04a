#include "platform/win32/WinShellLinks.h"

#include <windows.h>
#include <objbase.h>
#include <objidl.h>
#include <shlobj.h>

#include <vector>

namespace vx::platform {
namespace {

// The shell-link class and the two interfaces used, spelled out so that no
// GUID library is needed.
const CLSID kShellLinkClass = {0x00021401, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
const IID kShellLinkA = {0x000214EE, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
const IID kPersistFile = {0x0000010B, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

template <class Interface>
struct Released {
    Interface* pointer = nullptr;
    ~Released()
    {
        if (pointer)
            pointer->Release();
    }
};

std::vector<wchar_t> Wide(const std::string& text)
{
    const int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    std::vector<wchar_t> wide(length > 0 ? static_cast<size_t>(length) : 1, L'\0');
    if (length > 0)
        MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), length);
    return wide;
}

}  // namespace

WinShellLinks::~WinShellLinks()
{
    if (comStarted_)
        CoUninitialize();
}

ShellLinkResult WinShellLinks::Create(const std::string& target, const std::string& linkFile)
{
    if (!comStarted_)
        comStarted_ = SUCCEEDED(CoInitialize(nullptr));
    Released<IShellLinkA> link;
    if (FAILED(CoCreateInstance(kShellLinkClass, nullptr, CLSCTX_INPROC_SERVER, kShellLinkA,
                                reinterpret_cast<void**>(&link.pointer))))
        return ShellLinkResult::Unavailable;
    Released<IPersistFile> file;
    if (FAILED(link.pointer->QueryInterface(kPersistFile, reinterpret_cast<void**>(&file.pointer))))
        return ShellLinkResult::Unavailable;
    link.pointer->SetPath(target.c_str());
    std::vector<wchar_t> wideName = Wide(linkFile);
    return SUCCEEDED(file.pointer->Save(wideName.data(), FALSE)) ? ShellLinkResult::Saved : ShellLinkResult::NotSaved;
}

template <>
ShellLinks& DefaultService<ShellLinks>()
{
    static WinShellLinks links;
    return links;
}

}  // namespace vx::platform
