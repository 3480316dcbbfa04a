#pragma once

namespace vx::ui {

// The result a modal window ends with; the numbers are the standard dialog answers.
enum class ModalResult { None = 0, Ok = 1, Cancel = 2, Abort = 3, Retry = 4, Ignore = 5, Yes = 6, No = 7 };

}  // namespace vx::ui
