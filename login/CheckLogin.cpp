#include "login/CheckLogin.h"

#include "login/LoginForm.h"
#include "login/LoginTexts.h"
#include "login/TextEqual.h"
#include "platform/Platform.h"

namespace {

// Reads the box afresh, compares it once and gives the copy back before
// the caller acts on the answer.
bool BoxEquals(ControlNumber box, const char* expected) {
  char* text = ReadControlText(kLoginWindow, box);
  const bool equal = TextEqual(text, expected);
  if (text != nullptr) ReleaseText(text);
  return equal;
}

const char* Verdict() {
  if (BoxEquals(编辑框1, kEmptyText) || BoxEquals(编辑框2, kEmptyText)) {
    return kMessageBoxEmpty;
  }
  if (BoxEquals(编辑框1, kAccountName) && BoxEquals(编辑框2, kPassword)) {
    return kMessageAccepted;
  }
  return kMessageRefused;
}

}  // namespace

void CheckLogin() { ShowMessage(Verdict(), 0, nullptr, kNoOwner); }
