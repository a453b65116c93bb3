// Long texts and many checks in a row.
#include <psapi.h>
#include <windows.h>

#include <cstdio>
#include <utility>

#include "tests/e2e/Driver.h"
#include "tests/e2e/Input.h"

namespace {

struct LongText {
  const char* name;
  int index;  // the box that holds the long text
  std::string other;
};

void PrintTo(const LongText& text, std::ostream* out) { *out << text.name; }

class VeryLongText : public ProgramTest,
                     public testing::WithParamInterface<LongText> {};

TEST_P(VeryLongText, IsHeldWholeAndRefused) {
  const std::string text(100000, 'q');
  const int otherIndex = GetParam().index == kEdit1 ? kEdit2 : kEdit1;
  Program::SetText(control(GetParam().index), text);
  Program::SetText(control(otherIndex), GetParam().other);
  ASSERT_EQ(program.TextOf(GetParam().index), text);
  ClickAt(CentreOf(control(kButton)));
  HWND box = program.WaitForMessageBox();
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(Inspect(box).text, bytes::kRefused);
  ASSERT_TRUE(CloseBoxWithEnter(box));
  EXPECT_EQ(program.TextOf(GetParam().index), text);
}

INSTANTIATE_TEST_SUITE_P(, VeryLongText,
                         testing::Values(LongText{"Account", kEdit1, "740286"},
                                         LongText{"Password", kEdit2, "qmot"}),
                         [](const auto& test) {
                           return std::string(test.param.name);
                         });

struct Usage {
  DWORD handles = 0;
  DWORD gdiObjects = 0;
  DWORD userObjects = 0;
  SIZE_T privateBytes = 0;
  std::size_t windows = 0;  // top-level windows and their children
};

BOOL CALLBACK CountChild(HWND, LPARAM param) {
  ++*reinterpret_cast<std::size_t*>(param);
  return TRUE;
}

BOOL CALLBACK CountWindow(HWND window, LPARAM param) {
  auto* count = reinterpret_cast<std::pair<DWORD, std::size_t>*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != count->first) return TRUE;
  ++count->second;
  EnumChildWindows(window, CountChild,
                   reinterpret_cast<LPARAM>(&count->second));
  return TRUE;
}

// The USER objects that another process can count under any system.
std::size_t WindowsOf(HANDLE process) {
  std::pair<DWORD, std::size_t> count{GetProcessId(process), 0};
  EnumWindows(CountWindow, reinterpret_cast<LPARAM>(&count));
  return count.second;
}

Usage UsageOf(HANDLE process) {
  Usage usage;
  GetProcessHandleCount(process, &usage.handles);
  usage.gdiObjects = GetGuiResources(process, GR_GDIOBJECTS);
  usage.userObjects = GetGuiResources(process, GR_USEROBJECTS);
  PROCESS_MEMORY_COUNTERS_EX memory{};
  memory.cb = sizeof memory;
  GetProcessMemoryInfo(process,
                       reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory),
                       sizeof memory);
  // The commit charge: the process's private bytes. Wine leaves the
  // field PrivateUsage at 0 and fills this one.
  usage.privateBytes = memory.PagefileUsage;
  usage.windows = WindowsOf(process);
  return usage;
}

using ManyChecks = ProgramTest;

// Long texts make a copy that is not given back show in the private bytes.
TEST_F(ManyChecks, LeaveHandlesObjectsAndMemoryFlat) {
  constexpr int kWarmUp = 20;
  constexpr int kCycles = 300;
  constexpr SIZE_T kMemorySlack = 256 * 1024;
  Program::SetText(control(kEdit1), std::string(20000, 'a'));
  Program::SetText(control(kEdit2), std::string(20000, 'b'));
  const auto check = [&] {
    ClickAt(CentreOf(control(kButton)));
    HWND box = program.WaitForMessageBox();
    return box != nullptr && Inspect(box).text == bytes::kRefused &&
           CloseBoxWithEnter(box);
  };
  for (int i = 0; i < kWarmUp; ++i)
    ASSERT_TRUE(check()) << "warm-up check " << i;
  const Usage before = UsageOf(program.process());
  std::printf("before: handles %lu, GDI %lu, USER %lu, private %lu bytes\n",
              before.handles, before.gdiObjects, before.userObjects,
              static_cast<unsigned long>(before.privateBytes));
  // Wine 8 answers GetProcessHandleCount and GetGuiResources for another
  // process with 0; there the window count and the private bytes carry
  // the check, on Windows all of them.
  ASSERT_GT(before.privateBytes, 0u);
  ASSERT_GT(before.windows, 5u);
  for (int i = 0; i < kCycles; ++i) ASSERT_TRUE(check()) << "check " << i;
  const Usage after = UsageOf(program.process());
  EXPECT_EQ(after.handles, before.handles);
  EXPECT_EQ(after.gdiObjects, before.gdiObjects);
  EXPECT_EQ(after.userObjects, before.userObjects);
  EXPECT_EQ(after.windows, before.windows);
  EXPECT_LE(after.privateBytes, before.privateBytes + kMemorySlack)
      << "before " << before.privateBytes << ", after " << after.privateBytes;
  std::printf("after: handles %lu, GDI %lu, USER %lu, private %lu bytes\n",
              after.handles, after.gdiObjects, after.userObjects,
              static_cast<unsigned long>(after.privateBytes));
}

}  // namespace
