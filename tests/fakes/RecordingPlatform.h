// A platform for host tests: the boxes hold texts the test sets, and every
// call the program makes is recorded in order.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/FormDescription.h"

struct PlatformCall {
  enum class Kind {
    StartPlatform,
    LoadStartWindow,
    RunEventLoop,
    Read,
    Release,
    Show
  };
  Kind kind;
  WindowNumber window = 0;
  ControlNumber control = 0;
  const char* text =
      nullptr;  // Read: the copy handed out; Release: the copy given back
  std::string message{};  // Show: the text shown
  std::uint32_t style = 0;
  const char* caption = nullptr;
  WindowNumber owner = 0;
};

class RecordingPlatform {
 public:
  RecordingPlatform();
  ~RecordingPlatform();
  RecordingPlatform(const RecordingPlatform&) = delete;
  RecordingPlatform& operator=(const RecordingPlatform&) = delete;

  // std::nullopt: the box reads as an absent text, as an empty box does on
  // Windows; "" hands out a present, empty text.
  void SetBox(ControlNumber box, std::optional<std::string> text);

  const std::vector<PlatformCall>& calls() const { return calls_; }
  int OutstandingTexts() const { return outstanding_; }

  // Called by the platform functions.
  static RecordingPlatform& Current();
  char* Read(WindowNumber window, ControlNumber control);
  void Release(char* text);
  void Record(PlatformCall call) { calls_.push_back(std::move(call)); }

 private:
  std::vector<std::pair<ControlNumber, std::optional<std::string>>> boxes_;
  std::vector<PlatformCall> calls_;
  std::vector<char*> handedOut_;
  int outstanding_ = 0;
};
