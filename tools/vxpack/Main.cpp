// vxpack OUTPUT STUB FILE...: writes the setup package, the stub followed by an
// archive of the files under their own names, and prints each file's size.
// vxpack --list PACKAGE: checks a package as the stub does and prints what it holds.
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "package/PackageReader.h"
#include "package/PackageWriter.h"

namespace {

std::optional<std::string> ReadFile(const std::string& path)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        return std::nullopt;
    }
    std::string bytes;
    char buffer[65536];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        bytes.append(buffer, got);
    }
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    return failed ? std::nullopt : std::optional<std::string>(bytes);
}

bool WriteFile(const std::string& path, const std::string& bytes)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        return false;
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

std::string BaseName(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

int List(const char* path)
{
    const auto image = ReadFile(path);
    if (!image) {
        std::fprintf(stderr, "vxpack: cannot read %s\n", path);
        return 1;
    }
    const vx::package::PackageReader reader(reinterpret_cast<const unsigned char*>(image->data()), image->size());
    if (!reader.IsSound()) {
        std::fprintf(stderr, "vxpack: %s is damaged or not a package\n", path);
        return 1;
    }
    for (std::uint32_t i = 0; i < reader.Count(); ++i) {
        const auto entry = reader.At(i);
        std::printf("  %10u  %.*s\n", static_cast<unsigned>(entry.size), static_cast<int>(entry.nameLength),
                    entry.name);
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::string(argv[1]) == "--list") {
        return List(argv[2]);
    }
    if (argc < 4) {
        std::fprintf(stderr, "usage: vxpack OUTPUT STUB FILE...\n       vxpack --list PACKAGE\n");
        return 2;
    }
    const auto stub = ReadFile(argv[2]);
    if (!stub) {
        std::fprintf(stderr, "vxpack: cannot read %s\n", argv[2]);
        return 1;
    }
    std::vector<vx::package::PackageFile> files;
    for (int i = 3; i < argc; ++i) {
        const auto bytes = ReadFile(argv[i]);
        if (!bytes) {
            std::fprintf(stderr, "vxpack: cannot read %s\n", argv[i]);
            return 1;
        }
        files.push_back({BaseName(argv[i]), *bytes});
    }
    const auto archive = vx::package::BuildArchive(files);
    if (!archive) {
        std::fprintf(stderr, "vxpack: the files cannot be packed (a name twice, or not a plain file name)\n");
        return 1;
    }
    if (!WriteFile(argv[1], *stub + *archive)) {
        std::fprintf(stderr, "vxpack: cannot write %s\n", argv[1]);
        return 1;
    }
    for (const auto& file : files) {
        std::printf("  %10zu  %s\n", file.bytes.size(), file.name.c_str());
    }
    std::printf("  %10zu  %s\n", stub->size() + archive->size(), BaseName(argv[1]).c_str());
    return 0;
}
