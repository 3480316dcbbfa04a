// A stand-in for vxSetup.exe in the Wine check of the package: records where it
// ran and how it was started, in vxsetup-ran.txt beside itself.
#include <windows.h>

#include <cstdio>
#include <cstring>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    char path[MAX_PATH + 1] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    char record[MAX_PATH + 32] = {};
    std::strcpy(record, path);
    char* slash = std::strrchr(record, '\\');
    std::strcpy(slash != nullptr ? slash + 1 : record, "vxsetup-ran.txt");
    char directory[MAX_PATH + 1] = {};
    GetCurrentDirectoryA(MAX_PATH, directory);
    std::FILE* file = std::fopen(record, "w");
    if (file == nullptr) {
        return 1;
    }
    std::fprintf(file, "program=%s\ncommand=%s\ndirectory=%s\n", path, GetCommandLineA(), directory);
    return std::fclose(file) == 0 ? 0 : 1;
}
