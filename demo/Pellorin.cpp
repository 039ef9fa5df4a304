// The demo product: a window that says what it is. On start it writes "Pellorin.started" beside
// itself with its working directory, so that a test can see it ran and where it was started.
#include <windows.h>

#include <string>

namespace {

void WriteStartMarker() {
    char exe[MAX_PATH * 4];
    DWORD length = GetModuleFileNameA(nullptr, exe, sizeof exe);
    if (length == 0 || length >= sizeof exe) return;
    std::string marker(exe, length);
    marker.erase(marker.find_last_of('\\') + 1);
    marker += "Pellorin.started";

    char cwd[MAX_PATH * 4];
    DWORD cwdLength = GetCurrentDirectoryA(sizeof cwd, cwd);
    HANDLE file = CreateFileA(marker.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    WriteFile(file, cwd, cwdLength, &written, nullptr);
    CloseHandle(file);
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        RECT client;
        GetClientRect(window, &client);
        SetBkMode(dc, TRANSPARENT);
        DrawTextA(dc, "Pellorin - the demo product of Marrowick - Tessel Moor", -1, &client,
                  DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        EndPaint(window, &paint);
        return 0;
    }
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    WriteStartMarker();
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = "PellorinDemo";
    RegisterClassA(&windowClass);
    HWND window = CreateWindowA("PellorinDemo", "Pellorin", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                CW_USEDEFAULT, 420, 160, nullptr, nullptr, instance, nullptr);
    ShowWindow(window, show);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
