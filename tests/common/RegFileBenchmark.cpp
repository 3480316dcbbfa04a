// Loading and saving a large .reg file, with the heap it takes.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

#include "common/RegFile.h"
#include "tests/common/HeapCounter.h"

namespace vx {
namespace {

constexpr int kVendors = 50;
constexpr int kProductsPerVendor = 800;

// Keys and values shaped like an export of a software hive: texts, DWORDs,
// binary blobs and expandable and multi-string paths.
MemoryRegistry BuildSoftwareHive()
{
    MemoryRegistry registry;
    std::vector<uint8_t> blob(48);
    for (int v = 0; v < kVendors; ++v) {
        const std::string vendor = "Software\\Vendor" + std::to_string(v);
        for (int p = 0; p < kProductsPerVendor; ++p) {
            const std::string product = "Product" + std::to_string(p);
            MemoryKey& key = registry.Create(RegRoot::LocalMachine, vendor + "\\" + product + "\\Settings");
            key.SetValue("DisplayName", RawValue::Text(product + " by vendor " + std::to_string(v)));
            key.SetValue("InstallDir", RawValue::Text("C:\\Program Files\\Vendor" + std::to_string(v) + "\\" + product));
            key.SetValue("Version", RawValue::Dword(static_cast<uint32_t>(v * 1000 + p)));
            key.SetValue("Flags", RawValue::Dword(static_cast<uint32_t>(p % 7)));
            for (size_t i = 0; i < blob.size(); ++i)
                blob[i] = static_cast<uint8_t>(i * 13 + static_cast<size_t>(p));
            key.SetValue("State", RawValue::Binary(blob));
            key.SetValue("DataPath", RawValue::Text("%ProgramFiles%\\Vendor\\" + product + "\\data", RegType::ExpandSz));
            std::string list = product + ".dll";
            list.push_back('\0');
            list += product + ".ocx";
            list.push_back('\0');
            key.SetValue("Modules", RawValue::Text(list, RegType::MultiSz));
            registry.Create(RegRoot::LocalMachine, vendor + "\\" + product + "\\Empty");
        }
    }
    return registry;
}

}  // namespace

std::string LargeFilePath()
{
    return (std::filesystem::temp_directory_path() / "vx-regfile-benchmark.reg").string();
}

struct BenchFile {
    std::string path;
    size_t size = 0;
};

const BenchFile& LargeFile()
{
    static const BenchFile file = [] {
        BenchFile made;
        made.path = LargeFilePath();
        if (auto error = SaveRegFile(BuildSoftwareHive(), made.path))
            throw std::runtime_error(*error);
        made.size = std::filesystem::file_size(made.path);
        return made;
    }();
    return file;
}

namespace {

void LoadLargeFile(benchmark::State& state)
{
    const BenchFile& file = LargeFile();
    double peakRatio = 0;
    double retainedRatio = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto registry = std::make_unique<MemoryRegistry>();
        const size_t before = bench::LiveHeapBytes();
        bench::ResetHeapPeak();
        state.ResumeTiming();

        if (auto error = LoadRegFile(*registry, file.path))
            state.SkipWithError(error->c_str());

        state.PauseTiming();
        peakRatio = static_cast<double>(bench::PeakHeapBytes() - before) / static_cast<double>(file.size);
        retainedRatio = static_cast<double>(bench::LiveHeapBytes() - before) / static_cast<double>(file.size);
        registry.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * file.size));
    state.counters["file_MB"] = static_cast<double>(file.size) / 1e6;
    state.counters["peak_heap_x_file"] = peakRatio;
    state.counters["kept_heap_x_file"] = retainedRatio;
}
BENCHMARK(LoadLargeFile)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void SaveLargeFile(benchmark::State& state)
{
    const BenchFile& file = LargeFile();
    MemoryRegistry registry;
    if (auto error = LoadRegFile(registry, file.path))
        state.SkipWithError(error->c_str());
    const std::string target = file.path + ".saved";
    for (auto _ : state)
        if (auto error = SaveRegFile(registry, target))
            state.SkipWithError(error->c_str());
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * file.size));
    std::filesystem::remove(target);
}
BENCHMARK(SaveLargeFile)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace
}  // namespace vx

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::error_code ignored;
    std::filesystem::remove(vx::LargeFilePath(), ignored);
    return 0;
}
