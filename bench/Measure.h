// One start of a program under test: from process creation to a shown
// LoginWindow, one real click on its button, and the program's end.
#pragma once

#include <cstddef>
#include <string>

struct RunFigures {
  double startupMs = 0;  // creation until visible, focus in the account box
  double clickMs = 0;    // click on the button until the message box shows
  std::size_t peakWorkingSet = 0;  // bytes, once the window is shown
  std::size_t privateBytes = 0;    // bytes, once the window is shown
};

// Runs `exe` once; false, with the step that failed in `error`, when a
// step does not happen within its time or the program does not end with 0.
bool MeasureOnce(const std::string& exe, RunFigures& figures,
                 std::string& error);
