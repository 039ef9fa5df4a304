#pragma once
// One timed run of a Windows program, driven as a user would through the UI driver.
#include <windows.h>

#include <string>

namespace bench {

// From the call that starts the exe (working folder `folder`) until it shows a window.
double StartupSeconds(const std::string& exe, const std::string& folder);

// From the press of the button with text `button` until the control with text `finishText`
// shows: an installation ("Install", "Installation finished!") or an uninstallation
// ("Uninstall", "Uninstall successful"). The program is closed afterwards.
double ButtonRunSeconds(const std::string& exe, const std::wstring& button,
                        const std::wstring& finishText);

struct IdleCpu {
    double subject = 0;
    double baseline = 0;
};

// Starts both programs, lets them settle at their first window, and returns the CPU time each
// uses during the next `seconds` while nothing touches them.
IdleCpu IdleCpuSeconds(const std::string& subjectExe, const std::string& subjectFolder,
                       const std::string& baselineExe, DWORD seconds);

}  // namespace bench
