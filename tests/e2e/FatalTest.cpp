// The platform's fatal path, in the build whose text storage is always
// exhausted: an error box with one OK button, then exit code -1.
#include "tests/e2e/Driver.h"
#include "tests/e2e/Input.h"

namespace {

class Fatal : public ProgramTest {
 protected:
  void SetUp() override { StartFrom("VANTREL_NOSTORAGE_EXE"); }
};

TEST_F(Fatal, NoStorageForATextEndsWithAnErrorBoxAndExitCodeMinusOne) {
  Program::SetText(control(kEdit1), "qmot");  // a text to copy
  ClickAt(CentreOf(control(kButton)));
  HWND box = program.WaitForMessageBox();
  ASSERT_NE(box, nullptr) << "no error box came";
  const BoxContent content = Inspect(box);
  EXPECT_EQ(content.buttons, 1);
  EXPECT_TRUE(content.okButton);
  EXPECT_NE(content.text, bytes::kEmpty);
  EXPECT_NE(content.text, bytes::kAccepted);
  EXPECT_NE(content.text, bytes::kRefused);
  EXPECT_TRUE(program.Alive()) << "the program must wait for the box";
  PressKey(VK_RETURN);
  DWORD code = 0;
  ASSERT_TRUE(program.WaitForExit(code));
  EXPECT_EQ(code, 0xFFFFFFFFu);
}

}  // namespace
