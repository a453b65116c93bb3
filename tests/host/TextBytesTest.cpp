// Every text of the program, byte for byte as code page 936 stores it: a
// build that lost the charset conversion fails here.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "login/LoginForm.h"
#include "login/LoginTexts.h"
#include "platform/FormLookup.h"
#include "platform/PlatformTexts.h"

namespace {

struct TextCase {
  const char* title;
  const char* text;
  std::string bytes;
};

void PrintTo(const TextCase& value, std::ostream* os) { *os << value.title; }

class ProgramText : public testing::TestWithParam<TextCase> {};

TEST_P(ProgramText, IsStoredInCodePage936) {
  EXPECT_EQ(std::string(GetParam().text), GetParam().bytes);
}

const char* ControlText(ControlNumber number) {
  return kLoginWindowForm
      .controls[static_cast<std::size_t>(FindControl(kLoginWindowForm, number))]
      .text;
}

const char* ControlName(ControlNumber number) {
  return kLoginWindowForm
      .controls[static_cast<std::size_t>(FindControl(kLoginWindowForm, number))]
      .name;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ProgramText,
    testing::Values(
        TextCase{"Caption", kLoginWindowForm.caption, "Vantrel_1"},
        TextCase{"AccountLabel", ControlText(标签1),
                 "\xB5\xC7\xC2\xBC\xD5\xCB\xBA\xC5\xA3\xBA"},
        TextCase{"PasswordLabel", ControlText(标签2),
                 "\xB5\xC7\xC2\xBC\xC3\xDC\xC2\xEB\xA3\xBA"},
        TextCase{"AccountBox", ControlText(编辑框1), ""},
        TextCase{"PasswordBox", ControlText(编辑框2), ""},
        TextCase{"Button", ControlText(按钮1), "\xB5\xC7\xC2\xBC"},
        TextCase{"NameOfLabel1", ControlName(标签1),
                 "\xB1\xEA\xC7\xA9"
                 "1"},
        TextCase{"NameOfLabel2", ControlName(标签2),
                 "\xB1\xEA\xC7\xA9"
                 "2"},
        TextCase{"NameOfBox1", ControlName(编辑框1),
                 "\xB1\xE0\xBC\xAD\xBF\xF2"
                 "1"},
        TextCase{"NameOfBox2", ControlName(编辑框2),
                 "\xB1\xE0\xBC\xAD\xBF\xF2"
                 "2"},
        TextCase{"NameOfButton1", ControlName(按钮1),
                 "\xB0\xB4\xC5\xA5"
                 "1"},
        TextCase{"Account", kAccountName, "qmot"},
        TextCase{"Password", kPassword, "740286"},
        TextCase{"Empty", kEmptyText, ""},
        TextCase{
            "MessageEmpty", kMessageBoxEmpty,
            "\xC7\xEB\xCA\xE4\xC8\xEB\xD5\xCB\xBA\xC5\xBA\xCD\xC3\xDC\xC2\xEB"},
        TextCase{"MessageAccepted", kMessageAccepted,
                 "\xB9\xA7\xCF\xB2\xC4\xE3\xA3\xAC\xC4\xE3\xC6\xC6\xBD\xE2\xB3"
                 "\xC9\xB9\xA6\xC1\xCB\xA3"
                 "\xA1"},
        TextCase{
            "MessageRefused", kMessageRefused,
            "\xB5\xC7\xC2\xBC\xCA\xA7\xB0\xDC\xA3\xAC\xD4\xD9\xC0\xB4\xA3\xA1"},
        TextCase{"DefaultCaption", kDefaultMessageCaption,
                 "\xD0\xC5\xCF\xA2\xA3\xBA"},
        TextCase{"FatalCaption", kFatalErrorCaption, "\xB4\xED\xCE\xF3"},
        TextCase{
            "FatalNoForm", kFatalNoForm,
            "\xB3\xCC\xD0\xF2\xB5\xC4\xB4\xB0\xCC\xE5\xC3\xE8\xCA\xF6\xCE\xDE"
            "\xB7\xA8\xB6\xC1\xC8"
            "\xA1\xA3\xAC\xB3\xCC\xD0\xF2\xBD\xAB\xCD\xCB\xB3\xF6\xA1\xA3"},
        TextCase{"FatalNoWindow", kFatalNoWindow,
                 "\xB3\xCC\xD0\xF2\xB5\xC4\xB4\xB0\xBF\xDA\xCE\xDE\xB7\xA8\xB4"
                 "\xB4\xBD\xA8\xA3\xAC\xB3"
                 "\xCC\xD0\xF2\xBD\xAB\xCD\xCB\xB3\xF6\xA1\xA3"},
        TextCase{"FatalNoStorage", kFatalNoStorage,
                 "\xC4\xDA\xB4\xE6\xB2\xBB\xD7\xE3\xA3\xAC\xB3\xCC\xD0\xF2\xBD"
                 "\xAB\xCD\xCB\xB3\xF6\xA1"
                 "\xA3"},
        TextCase{"FatalBadRead", kFatalBadRead,
                 "\xCE\xDE\xB7\xA8\xB6\xC1\xC8\xA1\xBF\xD8\xBC\xFE\xB5\xC4\xCE"
                 "\xC4\xB1\xBE\xA3\xAC\xB3"
                 "\xCC\xD0\xF2\xBD\xAB\xCD\xCB\xB3\xF6\xA1\xA3"},
        TextCase{"FatalEventLoop", kFatalEventLoop,
                 "\xCF\xFB\xCF\xA2\xD1\xAD\xBB\xB7\xB3\xF6\xB4\xED\xA3\xAC\xB3"
                 "\xCC\xD0\xF2\xBD\xAB\xCD"
                 "\xCB\xB3\xF6\xA1\xA3"}),
    [](const auto& param) { return param.param.title; });

}  // namespace
