#include "tests/e2e/Capture.h"

namespace {

// A 32-bit top-down bitmap of the given size selected into a memory DC.
struct Canvas {
  Canvas(int w, int h) : width(w), height(h) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = -h;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    dc = CreateCompatibleDC(nullptr);
    bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    previous = SelectObject(dc, bitmap);
  }
  ~Canvas() {
    SelectObject(dc, previous);
    DeleteObject(bitmap);
    DeleteDC(dc);
  }
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  Image Take() const {
    GdiFlush();
    Image image{width, height, {}};
    const auto* source = static_cast<const std::uint32_t*>(bits);
    image.pixels.assign(source, source + width * height);
    for (std::uint32_t& pixel : image.pixels) pixel &= 0x00FFFFFF;
    return image;
  }

  int width, height;
  HDC dc = nullptr;
  HBITMAP bitmap = nullptr;
  HGDIOBJ previous = nullptr;
  void* bits = nullptr;
};

bool IsDark(std::uint32_t pixel) {
  return (pixel & 0xFF) < 0x60 && ((pixel >> 8) & 0xFF) < 0x60 &&
         ((pixel >> 16) & 0xFF) < 0x60;
}

}  // namespace

Image CaptureScreen(const RECT& area) {
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  Canvas canvas(width, height);
  HDC screen = GetDC(nullptr);
  BitBlt(canvas.dc, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
  ReleaseDC(nullptr, screen);
  return canvas.Take();
}

Image CaptureClient(HWND window) {
  RECT client;
  GetClientRect(window, &client);
  MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
  return CaptureScreen(client);
}

Image RenderLabel(const std::string& text, int width, int height,
                  HGDIOBJ font) {
  Canvas canvas(width, height);
  RECT area{0, 0, width, height};
  FillRect(canvas.dc, &area, GetSysColorBrush(COLOR_BTNFACE));
  SetTextColor(canvas.dc, RGB(0, 0, 0));
  SetBkMode(canvas.dc, TRANSPARENT);
  HGDIOBJ previous = SelectObject(canvas.dc, font);
  DrawTextA(canvas.dc, text.c_str(), -1, &area,
            DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOCLIP);
  SelectObject(canvas.dc, previous);
  return canvas.Take();
}

Image RenderText(const std::string& text, HGDIOBJ font) {
  HDC screen = GetDC(nullptr);
  HGDIOBJ before = SelectObject(screen, font);
  SIZE extent{};
  GetTextExtentPoint32A(screen, text.c_str(), static_cast<int>(text.size()),
                        &extent);
  SelectObject(screen, before);
  ReleaseDC(nullptr, screen);
  Canvas canvas(extent.cx + 8, extent.cy + 8);
  RECT area{0, 0, canvas.width, canvas.height};
  FillRect(canvas.dc, &area, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  SetTextColor(canvas.dc, RGB(0, 0, 0));
  SetBkMode(canvas.dc, TRANSPARENT);
  HGDIOBJ previous = SelectObject(canvas.dc, font);
  TextOutA(canvas.dc, 4, 4, text.c_str(), static_cast<int>(text.size()));
  SelectObject(canvas.dc, previous);
  return canvas.Take();
}

RECT InkBounds(const Image& image, int margin) {
  RECT bounds{image.width, image.height, 0, 0};
  for (int y = margin; y < image.height - margin; ++y) {
    for (int x = margin; x < image.width - margin; ++x) {
      if (!IsDark(image.At(x, y))) continue;
      if (x < bounds.left) bounds.left = x;
      if (y < bounds.top) bounds.top = y;
      if (x + 1 > bounds.right) bounds.right = x + 1;
      if (y + 1 > bounds.bottom) bounds.bottom = y + 1;
    }
  }
  if (bounds.right <= bounds.left) return RECT{0, 0, 0, 0};
  return bounds;
}

bool LoadIconPicture(const std::string& executable, const char* name, int size,
                     IconPicture& picture) {
  HMODULE module =
      LoadLibraryExA(executable.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (module == nullptr) return false;
  HICON icon =
      static_cast<HICON>(LoadImageA(module, name, IMAGE_ICON, size, size, 0));
  bool loaded = false;
  if (icon != nullptr) {
    Canvas colours(size, size);
    DrawIconEx(colours.dc, 0, 0, icon, size, size, 0, nullptr, DI_IMAGE);
    Canvas mask(size, size);
    DrawIconEx(mask.dc, 0, 0, icon, size, size, 0, nullptr, DI_MASK);
    picture.colours = colours.Take();
    const Image maskImage = mask.Take();
    picture.opaque.clear();
    for (std::uint32_t pixel : maskImage.pixels) {
      picture.opaque.push_back(pixel == 0);
    }
    DestroyIcon(icon);
    loaded = true;
  }
  FreeLibrary(module);
  return loaded;
}

bool ContainsIcon(const Image& image, const IconPicture& icon) {
  const int size = icon.colours.width;
  for (int top = 0; top + size <= image.height; ++top) {
    for (int left = 0; left + size <= image.width; ++left) {
      bool match = true;
      for (int y = 0; y < size && match; ++y) {
        for (int x = 0; x < size && match; ++x) {
          if (!icon.opaque[static_cast<std::size_t>(y * size + x)]) continue;
          match = image.At(left + x, top + y) == icon.colours.At(x, y);
        }
      }
      if (match) return true;
    }
  }
  return false;
}
