// The Windows backend against the real registry (Wine's when the tests run there).
#include "common/WindowsRegistry.h"
#include "tests/common/BackendConformance.h"

namespace vx {
namespace {

INSTANTIATE_TEST_SUITE_P(Windows, BackendConformance,
                         ::testing::Values(BackendFactory{
                             "Windows", [] { return std::make_unique<WindowsRegistry>(); }}),
                         BackendName);

}  // namespace
}  // namespace vx
