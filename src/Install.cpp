// The program's entry: the application (COM, title, taskbar window), the setup window, whose
// creation event chooses the mode, and the message loop until the window closes.
#include "Installer.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    forms::TApplication Application;
    Application.CreateForm<TForm1>();
    Application.Run();
    return 0;
}
