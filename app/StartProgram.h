// The program's start routine, called once by the platform's process entry.
#pragma once

int StartProgram();
