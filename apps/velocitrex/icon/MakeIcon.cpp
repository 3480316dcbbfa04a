// Writes the program's icon file at build time: velocitrex-icon OUTPUT.ico
#include <cstdio>
#include <vector>

#include "apps/velocitrex/art/Pictures.h"
#include "apps/velocitrex/icon/IconFile.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: velocitrex-icon OUTPUT.ico\n");
        return 2;
    }
    using namespace vx::art;
    const std::vector<std::uint8_t> file = MakeIconFile({IconPicture(16), IconPicture(32), IconPicture(48)});
    std::FILE* out = std::fopen(argv[1], "wb");
    bool ok = out && std::fwrite(file.data(), 1, file.size(), out) == file.size();
    if (out)
        ok = std::fclose(out) == 0 && ok;
    if (!ok) {
        std::fprintf(stderr, "velocitrex-icon: cannot write %s\n", argv[1]);
        std::remove(argv[1]);
        return 1;
    }
    return 0;
}
