#include "app/StartProgram.h"

#include "login/LoginForm.h"
#include "platform/Platform.h"

int StartProgram() {
  StartPlatform();
  LoadStartWindow(kLoginWindow);
  RunEventLoop();
  return 0;
}
