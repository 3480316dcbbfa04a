#pragma once
#include <string>
#include <string_view>

#include "platform/FileVersionQuery.h"

namespace vx::dispatcher {

// The version numbers of the running program's file.
platform::FileVersionNumbers RunningProgramVersion();

// The address of one of the vendor's pages for this program ("2": the update page),
// carrying the partner values and the program's version.
std::string DispPageAddress(std::string_view pageCode, const platform::FileVersionNumbers& version);

// Opens that page in the user's browser; a failure is not reported.
void OpenDispPage(std::string_view pageCode, const platform::FileVersionNumbers& version);

}  // namespace vx::dispatcher
