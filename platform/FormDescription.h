// The constant description of a window and its controls, from which the
// platform builds the live window. Settings carry their kind's default
// values, so a description spells out only what differs from them.
#pragma once

#include <cstdint>
#include <span>

using WindowNumber = std::uint32_t;
using ControlNumber = std::uint32_t;

// 0x00BBGGRR, red in the lowest byte; kSystemFaceColour stands for the
// system's colour of 3-D faces, looked up whenever it is painted.
using Colour = std::uint32_t;
inline constexpr Colour kSystemFaceColour = 0xFF000000;
inline constexpr Colour kBlack = 0x000000;
inline constexpr Colour kWhite = 0xFFFFFF;

// A routine of the program bound to an event: no arguments, no result.
using Routine = void (*)();

struct Point {
  int x;
  int y;
};

struct Size {
  int width;
  int height;
};

enum class HorizontalAlignment : std::uint8_t { Left, Centre, Right };
enum class VerticalAlignment : std::uint8_t { Top, Centre, Bottom };

enum class BorderStyle : std::uint8_t {
  None,
  FixedSingle,  // fixed frame with a title bar, no sizing border
  Sizable,
};

enum class StartPlacement : std::uint8_t { AsDescribed, CentredOnScreen };

struct WindowSettings {
  BorderStyle border = BorderStyle::Sizable;
  bool controlBox = true;
  bool minimiseButton = true;
  bool maximiseButton = true;
  StartPlacement start = StartPlacement::AsDescribed;
  bool escapeCloses = false;
  bool enterMovesFocus = false;
  bool showInTaskbar = true;
  Colour background = kSystemFaceColour;
};

struct LabelSettings {
  Colour text = kBlack;
  Colour background = kSystemFaceColour;
  bool border = false;
  HorizontalAlignment horizontal = HorizontalAlignment::Left;
  VerticalAlignment vertical = VerticalAlignment::Centre;
  bool wordWrap = false;
};

struct EditSettings {
  Colour text = kBlack;
  Colour background = kWhite;
  bool sunkenBorder = true;
  bool hideSelection = true;
  int maxLength = 0;  // 0: the system's largest limit for the box
  bool multiLine = false;
  HorizontalAlignment alignment = HorizontalAlignment::Left;
  bool readOnly = false;
  bool password = false;
};

struct ButtonSettings {
  HorizontalAlignment horizontal = HorizontalAlignment::Centre;
  VerticalAlignment vertical = VerticalAlignment::Centre;
};

enum class ControlKind : std::uint8_t { Label, EditBox, Button };

struct ControlDescription {
  ControlKind kind;
  const char* name;
  ControlNumber number;
  Point position;  // outer top-left, from the client area's top-left
  Size size;       // outer size
  const char* text = "";
  bool visible = true;
  bool enabled = true;
  bool tabStop = false;
  int tabOrder = 0;
  LabelSettings label{};
  EditSettings edit{};
  ButtonSettings button{};
};

enum class Event : std::uint8_t { Clicked };

struct EventBinding {
  ControlNumber source;
  Event event;
  Routine routine;
};

struct FormDescription {
  WindowNumber number;
  const char* caption;
  Point position;  // outer rectangle, screen coordinates
  Size size;       // outer size, frame and title bar included
  bool visible = true;
  bool enabled = true;
  WindowSettings settings{};
  std::span<const ControlDescription> controls;
  std::span<const EventBinding> bindings;
};
