// The message loop's side of the process: when it ends and with what code.
#pragma once

// Called once a top-level window is gone; posts the quit message with 0
// when it was the last one and the loop is running.
void OnWindowGone();

// The value the quit message carried: the process's exit code.
int QuitCode();
