#pragma once
#include <string>

namespace vx::art {

// Every picture, each window on a desktop and a contact sheet, as BMP files in
// dir; false when one could not be written.
bool WriteArt(const std::string& dir);

}  // namespace vx::art
