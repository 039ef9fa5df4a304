#include <windows.h>
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    HWND w = CreateWindowA("STATIC", "Marrowick - Tessel Moor", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 400, 300, nullptr, nullptr, nullptr, nullptr);
    MSG m;
    while (IsWindow(w) && GetMessageA(&m, nullptr, 0, 0) > 0) DispatchMessageA(&m);
    return 0;
}
