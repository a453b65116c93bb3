#include "tests/fakes/RecordingPlatform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "platform/Platform.h"

namespace {
RecordingPlatform* g_current = nullptr;
constexpr int kIdOk = 1;
}  // namespace

RecordingPlatform::RecordingPlatform() { g_current = this; }

RecordingPlatform::~RecordingPlatform() {
  for (char* text : handedOut_) delete[] text;
  g_current = nullptr;
}

RecordingPlatform& RecordingPlatform::Current() {
  if (g_current == nullptr) std::abort();  // a test forgot its platform
  return *g_current;
}

void RecordingPlatform::SetBox(ControlNumber box,
                               std::optional<std::string> text) {
  boxes_.emplace_back(box, std::move(text));
}

char* RecordingPlatform::Read(WindowNumber window, ControlNumber control) {
  // The last setting of a box wins.
  auto box =
      std::find_if(boxes_.rbegin(), boxes_.rend(),
                   [&](const auto& entry) { return entry.first == control; });
  char* copy = nullptr;
  if (box != boxes_.rend() && box->second.has_value()) {
    copy = new char[box->second->size() + 1];
    std::memcpy(copy, box->second->c_str(), box->second->size() + 1);
    handedOut_.push_back(copy);
    ++outstanding_;
  }
  Record({.kind = PlatformCall::Kind::Read,
          .window = window,
          .control = control,
          .text = copy});
  return copy;
}

void RecordingPlatform::Release(char* text) {
  Record({.kind = PlatformCall::Kind::Release, .text = text});
  if (text == nullptr) return;  // allowed, and recorded for the tests to judge
  auto found = std::find(handedOut_.begin(), handedOut_.end(), text);
  // Releasing what was never handed out, or twice, is a fault of the caller.
  EXPECT_NE(found, handedOut_.end())
      << "released a text the platform does not own";
  if (found != handedOut_.end()) {
    delete[] * found;
    handedOut_.erase(found);
    --outstanding_;
  }
}

void StartPlatform() {
  RecordingPlatform::Current().Record(
      {.kind = PlatformCall::Kind::StartPlatform});
}

void LoadStartWindow(WindowNumber window) {
  RecordingPlatform::Current().Record(
      {.kind = PlatformCall::Kind::LoadStartWindow, .window = window});
}

void RunEventLoop() {
  RecordingPlatform::Current().Record(
      {.kind = PlatformCall::Kind::RunEventLoop});
}

char* ReadControlText(WindowNumber window, ControlNumber control) {
  return RecordingPlatform::Current().Read(window, control);
}

void ReleaseText(char* text) { RecordingPlatform::Current().Release(text); }

int ShowMessage(const char* text, std::uint32_t style, const char* caption,
                WindowNumber owner) {
  RecordingPlatform::Current().Record({.kind = PlatformCall::Kind::Show,
                                       .message = text != nullptr ? text : "",
                                       .style = style,
                                       .caption = caption,
                                       .owner = owner});
  return kIdOk;
}

void ReportFatalError(const char* what) {
  ADD_FAILURE() << "fatal error reported: " << what;
  std::abort();
}
