// The journal: a random machine with junk in its journal, the user's steps and an
// apply (sometimes cut off by a power failure), then restore, all chosen by the
// fuzzer's bytes. Every key and value under System must come back.
#include <cstdint>
#include <cstdio>
#include <span>
#include <string>

#include "tests/engine/UndoScenario.h"
#include "tests/fuzz/FuzzCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    vx::test::ByteChoices choices(std::span<const uint8_t>(data, size));
    const std::string differences = vx::test::RunUndoScenario(choices);
    if (!differences.empty())
        std::fprintf(stderr, "%s", differences.c_str());
    vx::fuzz::Check(differences.empty(), "restore did not bring System back");
    return 0;
}
