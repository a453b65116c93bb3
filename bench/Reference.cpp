// The smallest honest Win32 program that shows LoginWindow: the same six
// windows at the same places, with the same styles, texts, icon and font,
// and a message box on the button's click. The benchmark measures
// vantrel.exe against it.
#include <windows.h>

namespace {

constexpr char kFormClass[] = "ReferenceForm";
constexpr char kLabelClass[] = "ReferenceLabel";
constexpr int kWidth = 380;
constexpr int kHeight = 195;
constexpr int kAccountBox = 0x16010004;
constexpr int kButton = 0x16010006;

HWND g_account = nullptr;
HWND g_button = nullptr;

LRESULT CALLBACK LabelProc(HWND label, UINT message, WPARAM wParam,
                           LPARAM lParam) {
  if (message == WM_ERASEBKGND) return 1;
  if (message != WM_PAINT) {
    return DefWindowProcA(label, message, wParam, lParam);
  }
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(label, &paint);
  RECT area;
  GetClientRect(label, &area);
  FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
  SetTextColor(dc, 0);
  SetBkMode(dc, TRANSPARENT);
  HGDIOBJ font = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
  char text[32];
  GetWindowTextA(label, text, static_cast<int>(sizeof text));
  DrawTextA(dc, text, -1, &area,
            DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOCLIP);
  SelectObject(dc, font);
  EndPaint(label, &paint);
  return 0;
}

LRESULT CALLBACK FormProc(HWND window, UINT message, WPARAM wParam,
                          LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND: {
      RECT client;
      GetClientRect(window, &client);
      FillRect(reinterpret_cast<HDC>(wParam), &client,
               GetSysColorBrush(COLOR_BTNFACE));
      return 1;
    }
    case WM_ACTIVATE:
      // The focus goes straight to the account box, not first to the
      // window.
      if (LOWORD(wParam) != WA_INACTIVE) SetFocus(g_account);
      return 0;
    case WM_COMMAND:
      // The identifier in WM_COMMAND keeps only the low 16 bits.
      if (reinterpret_cast<HWND>(lParam) == g_button &&
          HIWORD(wParam) == BN_CLICKED) {
        MessageBoxA(nullptr, "请输入账号和密码", "信息：",
                    MB_OK | MB_TASKMODAL);
      }
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

void Register(HINSTANCE instance, const char* name, WNDPROC procedure) {
  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  windowClass.lpszClassName = name;
  RegisterClassExA(&windowClass);
}

HWND Child(HWND parent, DWORD exStyle, const char* className, const char* text,
           DWORD style, int x, int y, int width, int height, int id) {
  HWND child = CreateWindowExA(
      exStyle, className, text, WS_CHILD | WS_CLIPSIBLINGS | style, x, y, width,
      height, parent, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
      GetModuleHandleA(nullptr), nullptr);
  SendMessageA(child, WM_SETFONT,
               reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
               FALSE);
  return child;
}

void SetIcon(HWND window, HINSTANCE instance, WPARAM which, int size) {
  SendMessageA(
      window, WM_SETICON, which,
      reinterpret_cast<LPARAM>(LoadImageA(instance, "DEFAULT_ICON", IMAGE_ICON,
                                          size, size, LR_SHARED)));
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  Register(instance, kFormClass, FormProc);
  Register(instance, kLabelClass, LabelProc);

  const int x = (GetSystemMetrics(SM_CXSCREEN) - kWidth) / 2;
  const int y = (GetSystemMetrics(SM_CYSCREEN) - kHeight) / 2;
  HWND window = CreateWindowExA(0, kFormClass, "Vantrel_1",
                                WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU |
                                    WS_MINIMIZEBOX | WS_CLIPCHILDREN,
                                x, y, kWidth, kHeight, nullptr, nullptr,
                                instance, nullptr);
  SetIcon(window, instance, ICON_BIG, 32);
  SetIcon(window, instance, ICON_SMALL, 16);

  const DWORD edit = WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL;
  const DWORD button =
      WS_TABSTOP | BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | BS_MULTILINE;
  HWND controls[] = {
      Child(window, 0, kLabelClass, "登录账号：", 0, 40, 32, 64, 40,
            0x16010002),
      Child(window, 0, kLabelClass, "登录密码：", 0, 40, 88, 64, 32,
            0x16010003),
      Child(window, WS_EX_CLIENTEDGE, "EDIT", "", edit, 112, 40, 112, 32,
            kAccountBox),
      Child(window, WS_EX_CLIENTEDGE, "EDIT", "", edit, 112, 88, 112, 32,
            0x16010005),
      Child(window, 0, "BUTTON", "登录", button, 280, 64, 72, 24, kButton),
  };
  g_account = controls[2];
  g_button = controls[4];
  for (HWND control : controls) ShowWindow(control, SW_SHOWNA);
  ShowWindow(window, SW_SHOW);

  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return static_cast<int>(message.wParam);
}
