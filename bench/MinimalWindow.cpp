// The start-up and idle baseline: the least a Win32 program does to put a window of the setup
// window's size on the screen and wait for input. Built with the same compiler, flags and static
// runtime as Install.exe, so that a ratio against it shows only what Install.exe adds.
#include <windows.h>

namespace {

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = "MinimalWindow";
    RegisterClassA(&windowClass);

    const DWORD style = WS_CAPTION | WS_SYSMENU | WS_VISIBLE;
    RECT frame{0, 0, 477, 299};
    AdjustWindowRect(&frame, style, FALSE);
    CreateWindowA("MinimalWindow", "Minimal window", style, CW_USEDEFAULT, CW_USEDEFAULT,
                  frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr, instance,
                  nullptr);

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
