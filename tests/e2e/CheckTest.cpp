// The login check as a person makes it: texts in the boxes, then a real
// click on 按钮1 or Space on it, and the one message box that answers.
#include "tests/e2e/Driver.h"
#include "tests/e2e/Input.h"

namespace {

// How the texts get into the boxes: typed key by key, or set as a whole
// where no key of the keyboard gives them.
enum class Entry { Typed, Set };
enum class Press { MouseClick, SpaceKey };

struct Attempt {
  const char* name;
  std::string account;
  std::string password;
  Entry entry;
  const std::string* message;
};

const Attempt kAttempts[] = {
    {"BothEmpty", "", "", Entry::Typed, &bytes::kEmpty},
    {"AccountEmpty", "", "740286", Entry::Typed, &bytes::kEmpty},
    {"PasswordEmpty", "qmot", "", Entry::Typed, &bytes::kEmpty},
    {"OtherAccountPasswordEmpty", "abc", "", Entry::Typed, &bytes::kEmpty},
    {"ExactPair", "qmot", "740286", Entry::Typed, &bytes::kAccepted},
    {"WrongPassword", "qmot", "740287", Entry::Typed, &bytes::kRefused},
    {"WrongAccount", "qmou", "740286", Entry::Typed, &bytes::kRefused},
    {"BlanksOnly", " ", "   ", Entry::Typed, &bytes::kRefused},
    {"AccountInCapitals", "QMOT", "740286", Entry::Typed, &bytes::kRefused},
    {"AccountLeadingBlank", " qmot", "740286", Entry::Typed, &bytes::kRefused},
    {"AccountTrailingBlank", "qmot ", "740286", Entry::Typed, &bytes::kRefused},
    {"PasswordLeadingBlank", "qmot", " 740286", Entry::Typed, &bytes::kRefused},
    {"PasswordTrailingBlank", "qmot", "740286 ", Entry::Typed,
     &bytes::kRefused},
    {"PasswordOneDigitMore", "qmot", "7402860", Entry::Typed, &bytes::kRefused},
    {"PasswordOneDigitFewer", "qmot", "74028", Entry::Typed, &bytes::kRefused},
    // ｑｍｏｔ in full-width letters.
    {"AccountFullWidth", "\xA3\xF1\xA3\xED\xA3\xEF\xA3\xF4", "740286",
     Entry::Set, &bytes::kRefused},
};

void PrintTo(const Attempt& attempt, std::ostream* out) {
  *out << attempt.name;
}

class Check : public ProgramTest,
              public testing::WithParamInterface<std::tuple<Attempt, Press>> {
 protected:
  void Fill(const Attempt& attempt) {
    if (attempt.entry == Entry::Set) {
      Program::SetText(control(kEdit1), attempt.account);
      Program::SetText(control(kEdit2), attempt.password);
      return;
    }
    ASSERT_TRUE(WaitForFocus(kEdit1));
    ASSERT_TRUE(TypeInFocus(kEdit1, attempt.account));
    PressKey(VK_TAB);
    ASSERT_TRUE(WaitForFocus(kEdit2));
    ASSERT_TRUE(TypeInFocus(kEdit2, attempt.password));
  }

  void PressButton(Press press) {
    if (press == Press::MouseClick) {
      ClickAt(CentreOf(control(kButton)));
    } else {
      if (program.Focus() != control(kButton)) {
        ASSERT_TRUE(TabTo(kButton));
      }
      PressKey(VK_SPACE);
    }
  }
};

TEST_P(Check, AnswersWithOneMessageAndLeavesTheWindowAsItWas) {
  const auto& [attempt, press] = GetParam();
  ASSERT_NO_FATAL_FAILURE(Fill(attempt));
  ASSERT_EQ(program.TextOf(kEdit1), attempt.account);
  ASSERT_EQ(program.TextOf(kEdit2), attempt.password);

  // Twice: the same texts give the same message.
  for (int round = 0; round < 2; ++round) {
    SCOPED_TRACE(round == 0 ? "first check" : "second check");
    ASSERT_NO_FATAL_FAILURE(PressButton(press));
    HWND box = program.WaitForMessageBox();
    ASSERT_NE(box, nullptr) << "no message box came";
    EXPECT_EQ(program.MessageBoxes().size(), 1u);
    const BoxContent content = Inspect(box);
    EXPECT_EQ(content.caption, bytes::kCaption);
    EXPECT_EQ(content.text, *attempt.message);
    EXPECT_EQ(content.buttons, 1);
    EXPECT_TRUE(content.okButton);
    EXPECT_FALSE(content.icon);
    EXPECT_EQ(content.owner, nullptr);
    EXPECT_FALSE(IsWindowEnabled(program.window()));

    ASSERT_TRUE(CloseBoxWithEnter(box));
    EXPECT_TRUE(WaitForFocus(kButton)) << "the focus did not come back";
    EXPECT_TRUE(IsWindowVisible(program.window()));
    EXPECT_EQ(program.TextOf(kEdit1), attempt.account);
    EXPECT_EQ(program.TextOf(kEdit2), attempt.password);
  }
  EXPECT_TRUE(program.Alive());
}

INSTANTIATE_TEST_SUITE_P(, Check,
                         testing::Combine(testing::ValuesIn(kAttempts),
                                          testing::Values(Press::MouseClick,
                                                          Press::SpaceKey)),
                         [](const auto& test) {
                           return std::string(std::get<0>(test.param).name) +
                                  (std::get<1>(test.param) == Press::MouseClick
                                       ? "_Click"
                                       : "_Space");
                         });

}  // namespace
