// What is drawn on the screen, and what the same drawing looks like when
// the driver makes it itself: for the properties that Wine does not answer
// across processes (the font of a control, the icons of a window).
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

struct Image {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;  // 0x00RRGGBB, rows top down

  std::uint32_t At(int x, int y) const { return pixels[y * width + x]; }
  bool operator==(const Image&) const = default;
};

// The pixels of a rectangle of the screen.
Image CaptureScreen(const RECT& area);
// A window's client area as drawn on the screen.
Image CaptureClient(HWND window);

// A label as the program paints it: the face colour, then the caption in
// black on one line, from the left edge, vertically centred.
Image RenderLabel(const std::string& text, int width, int height, HGDIOBJ font);
// Black text on white with the font, in a box just large enough.
Image RenderText(const std::string& text, HGDIOBJ font);

// The smallest rectangle around the dark pixels at least `margin` pixels
// inside the image; empty when there are none.
RECT InkBounds(const Image& image, int margin);

// An icon's pixels with a flag for each pixel that it covers.
struct IconPicture {
  Image colours;
  std::vector<bool> opaque;
};
// The icon group's image of the given size, read from an executable.
bool LoadIconPicture(const std::string& executable, const char* name, int size,
                     IconPicture& picture);
// Whether the icon is drawn somewhere in the image, pixel for pixel.
bool ContainsIcon(const Image& image, const IconPicture& icon);
