#pragma once
// The services every window of the main program calls: the click sound, a pause
// that keeps the windows responsive, and the orderly end of the program. They use
// the sound holder and tray icon registered in Program() and the running
// ui::Application.

namespace vx::dispatcher {

// 1 stops any sound; any other code plays the stored sound code AND 127 (only 0,
// the click, exists). Then pending messages are handled.
void PlaySoundCue(int code);

// Waits count periods of 250.04 ms (count above 20 counts as 1), handling
// messages every 10 ms. Always true.
bool PauseQuarterSeconds(int count);

// Removes the tray icon, clears changesPending and ends the program: the message
// loop ends and an open modal window returns Cancel.
void CloseProgram();

}  // namespace vx::dispatcher
