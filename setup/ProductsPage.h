#pragma once
#include <cstdint>
#include <string>

namespace vx::setup {

// The maker's products page: the dispatch address without version numbers.
std::string ProductsPageAddress(int32_t resellerNumber);

// Opens it for setupState.resellerNumber; a failure is not reported.
void OpenProductsPage();

}  // namespace vx::setup
