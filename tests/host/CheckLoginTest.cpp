#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "login/CheckLogin.h"
#include "login/LoginForm.h"
#include "platform/Platform.h"
#include "tests/fakes/RecordingPlatform.h"

namespace {

using Kind = PlatformCall::Kind;
using Box = std::optional<std::string>;

constexpr char kEmpty[] =
    "\xC7\xEB\xCA\xE4\xC8\xEB\xD5\xCB\xBA\xC5\xBA\xCD\xC3\xDC\xC2\xEB";
constexpr char kAccepted[] =
    "\xB9\xA7\xCF\xB2\xC4\xE3\xA3\xAC\xC4\xE3\xC6\xC6\xBD\xE2\xB3\xC9\xB9\xA6"
    "\xC1\xCB\xA3\xA1";
constexpr char kRefused[] =
    "\xB5\xC7\xC2\xBC\xCA\xA7\xB0\xDC\xA3\xAC\xD4\xD9\xC0\xB4\xA3\xA1";

struct Attempt {
  const char* title;
  Box account;
  Box password;
  const char* message;
  std::vector<ControlNumber> reads;  // the boxes read, in order
};

void PrintTo(const Attempt& value, std::ostream* os) { *os << value.title; }

class CheckLoginTest : public testing::TestWithParam<Attempt> {};

TEST_P(CheckLoginTest, ReadsReleasesAndAnswersOnce) {
  const Attempt& attempt = GetParam();
  RecordingPlatform platform;
  platform.SetBox(编辑框1, attempt.account);
  platform.SetBox(编辑框2, attempt.password);

  CheckLogin();

  std::vector<ControlNumber> reads;
  int shown = 0;
  const std::vector<PlatformCall>& calls = platform.calls();
  for (std::size_t i = 0; i < calls.size(); ++i) {
    const PlatformCall& call = calls[i];
    if (call.kind == Kind::Read) {
      EXPECT_EQ(call.window, kLoginWindow);
      reads.push_back(call.control);
      if (call.text != nullptr) {
        // A present text goes back before anything else happens.
        ASSERT_LT(i + 1, calls.size());
        EXPECT_EQ(calls[i + 1].kind, Kind::Release);
        EXPECT_EQ(calls[i + 1].text, call.text);
      }
    } else if (call.kind == Kind::Release) {
      EXPECT_NE(call.text, nullptr) << "an absent text is not released";
      ASSERT_GT(i, 0U);
      EXPECT_EQ(calls[i - 1].kind, Kind::Read);
    } else {
      ASSERT_EQ(call.kind, Kind::Show);
      ++shown;
      EXPECT_EQ(i, calls.size() - 1) << "the message comes last";
      EXPECT_EQ(call.message, attempt.message);
      EXPECT_EQ(call.style, 0U);
      EXPECT_EQ(call.caption, nullptr);
      EXPECT_EQ(call.owner, kNoOwner);
    }
  }
  EXPECT_EQ(shown, 1);
  EXPECT_EQ(reads, attempt.reads);
  EXPECT_EQ(platform.OutstandingTexts(), 0);
}

const std::vector<ControlNumber> kEmptinessOfAccount{编辑框1};
const std::vector<ControlNumber> kEmptinessOfBoth{编辑框1, 编辑框2};
const std::vector<ControlNumber> kUpToAccount{编辑框1, 编辑框2, 编辑框1};
const std::vector<ControlNumber> kAllFour{编辑框1, 编辑框2, 编辑框1, 编辑框2};

INSTANTIATE_TEST_SUITE_P(
    Outcomes, CheckLoginTest,
    testing::Values(
        Attempt{"BothEmpty", std::nullopt, std::nullopt, kEmpty,
                kEmptinessOfAccount},
        Attempt{"AccountEmpty", std::nullopt, "740286", kEmpty,
                kEmptinessOfAccount},
        Attempt{"AccountPresentButEmpty", "", "740286", kEmpty,
                kEmptinessOfAccount},
        Attempt{"PasswordEmpty", "qmot", std::nullopt, kEmpty,
                kEmptinessOfBoth},
        Attempt{"PasswordPresentButEmpty", "qmot", "", kEmpty,
                kEmptinessOfBoth},
        Attempt{"ExactPair", "qmot", "740286", kAccepted, kAllFour},
        Attempt{"WrongPassword", "qmot", "740287", kRefused, kAllFour},
        Attempt{"WrongAccount", "qmox", "740286", kRefused, kUpToAccount},
        Attempt{"BlanksOnly", "   ", " ", kRefused, kUpToAccount},
        Attempt{"AccountInCapitals", "QMOT", "740286", kRefused, kUpToAccount},
        Attempt{"AccountLeadingBlank", " qmot", "740286", kRefused,
                kUpToAccount},
        Attempt{"AccountTrailingBlank", "qmot ", "740286", kRefused,
                kUpToAccount},
        Attempt{"PasswordLeadingBlank", "qmot", " 740286", kRefused, kAllFour},
        Attempt{"PasswordTrailingBlank", "qmot", "740286 ", kRefused, kAllFour},
        Attempt{"PasswordDigitMore", "qmot", "7402861", kRefused, kAllFour},
        Attempt{"PasswordDigitFewer", "qmot", "74028", kRefused, kAllFour},
        Attempt{"AccountFullWidth", "\xA3\xF1\xA3\xED\xA3\xEF\xA3\xF4",
                "740286", kRefused, kUpToAccount},
        Attempt{"PairSwapped", "740286", "qmot", kRefused, kUpToAccount}),
    [](const testing::TestParamInfo<Attempt>& param) {
      return param.param.title;
    });

TEST(CheckLoginRepeat, SameBoxesGiveTheSameMessageEveryTime) {
  RecordingPlatform platform;
  platform.SetBox(编辑框1, "qmot");
  platform.SetBox(编辑框2, "740286");
  CheckLogin();
  CheckLogin();
  std::vector<std::string> messages;
  for (const PlatformCall& call : platform.calls()) {
    if (call.kind == Kind::Show) messages.push_back(call.message);
  }
  EXPECT_EQ(messages, (std::vector<std::string>{kAccepted, kAccepted}));
  EXPECT_EQ(platform.OutstandingTexts(), 0);
}

}  // namespace
