// The demo (scripts/demo) on the demo medium.
//   demo_walkthrough MEDIUM_EXE OUT_FOLDER                 headless: walks a user's way through
//       the setup program with the UI driver and saves a picture of every page it reaches
//   demo_walkthrough --interactive MEDIUM_EXE OUT_FOLDER   starts it for the user, on the
//       user's display, and waits until it and the application it launched have closed
// The installation goes to a machine of its own under OUT_FOLDER\machine (Program Files,
// Programs, Desktop), which the registry points to while the demo lasts: Wine's own Desktop is
// a link into the user's home, which the demo must not touch.
#include <windows.h>

#include <cstdio>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "support/Registry.h"
#include "support/Screenshot.h"
#include "support/TempFolder.h"
#include "support/UiDriver.h"
#include "support/UnixProgram.h"

using namespace testing_support;

namespace {

// The machine the demo installs to, and the state of the walk.
class Walk {
public:
    Walk(std::string mediumExe, std::string outFolder)
        : mediumExe_(std::move(mediumExe)),
          out_(std::move(outFolder)),
          machine_(out_ + "\\machine"),
          programFilesDir_(HKEY_LOCAL_MACHINE, SetupKey, "ProgramFilesDir") {
        RemoveTree(machine_);
        for (const char* folder : {"\\Program Files", "\\Start Menu\\Programs", "\\Desktop"})
            MakeFolders(machine_ + folder);
        programFilesDir_.SetString(machine_ + "\\Program Files");
        programs_ = std::make_unique<ScopedShellFolder>("Programs", machine_ + "\\Start Menu\\Programs");
        desktop_ = std::make_unique<ScopedShellFolder>("Desktop", machine_ + "\\Desktop");
    }

    std::string Uninstaller() const {
        return machine_ + "\\Program Files\\Marrowick\\Tessel_Moor\\uninst\\Install.exe";
    }

    void Start(const std::string& exe) {
        app_.reset();
        app_ = std::make_unique<AppProcess>(exe);
        window_ = app_->WaitForMainWindow();
        if (!window_) throw std::runtime_error("the setup window did not appear: " + exe);
        SetForegroundWindow(window_);  // the look it has when a user starts it
    }

    void Press(const std::wstring& button) {
        std::optional<ChildWindow> control = FindChild(window_, "Button", button);
        if (!control || !Click(control->handle))
            throw std::runtime_error("no button to press: " + Narrow(button));
        WaitForIdle(window_);
    }

    void WaitForText(const std::wstring& text) {
        if (!WaitUntil([&] {
                std::optional<ChildWindow> shown = FindChild(window_, text);
                return shown && shown->visible;
            }))
            throw std::runtime_error("this never showed: " + Narrow(text));
    }

    void WaitForExit(DWORD timeoutMs = 15000) {
        if (!app_->WaitForExit(timeoutMs)) throw std::runtime_error("the setup program did not end");
    }

    void Picture(const std::string& name) { Picture(window_, name); }
    void Picture(HWND window, const std::string& name) {
        const std::string path = out_ + "\\" + name + ".png";
        SaveWindowPng(window, path);
        std::printf("  %s\n", UnixPath(path).c_str());
    }

    const std::string& MediumExe() const { return mediumExe_; }
    const std::string& Machine() const { return machine_; }

private:
    static std::string Narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }

    std::string mediumExe_, out_, machine_;
    ScopedRegistryValue programFilesDir_;
    std::unique_ptr<ScopedShellFolder> programs_, desktop_;
    std::unique_ptr<AppProcess> app_;
    HWND window_ = nullptr;
};

HWND DemoApplication() { return FindWindowA("PellorinDemo", nullptr); }

HWND WaitForDemoApplication() {
    HWND window = nullptr;
    WaitUntil([&] { return (window = DemoApplication()) != nullptr; });
    return window;
}

void RunForTheUser(Walk& walk) {
    walk.Start(walk.MediumExe());
    walk.WaitForExit(INFINITE);
    // The application starts a moment after the setup window closes; then wait for the user.
    WaitUntil([] { return DemoApplication() != nullptr; }, 2000);
    while (DemoApplication()) Sleep(200);
    std::printf("demo: the installation, if any, is in %s\n", UnixPath(walk.Machine()).c_str());
}

struct Step {
    const char* what;
    std::function<void(Walk&)> run;
};

// The user's way: install from the medium, launch the application, then uninstall through the
// installed uninstaller. Each step leaves the program where the next one begins.
const std::vector<Step> Steps = {
    {"start Install.exe from the medium (page 0)",
     [](Walk& walk) {
         walk.Start(walk.MediumExe());
         walk.Picture("page0-install");
     }},
    {"press Install (page 1)",
     [](Walk& walk) {
         walk.Press(L"Install");
         walk.WaitForText(L"Installation finished!");
         walk.Picture("page1-install-finished");
     }},
    {"press Launch Application",
     [](Walk& walk) {
         walk.Press(L"Launch Application");
         walk.WaitForExit();
         HWND application = WaitForDemoApplication();
         if (!application) throw std::runtime_error("the application did not start");
         walk.Picture(application, "application");
         PostMessageA(application, WM_CLOSE, 0, 0);
         WaitUntil([&] { return !IsWindow(application); });
     }},
    {"start the installed uninstaller (page 2)",
     [](Walk& walk) {
         walk.Start(walk.Uninstaller());
         walk.Picture("page2-uninstall");
     }},
    {"press Uninstall (page 3)",
     [](Walk& walk) {
         walk.Press(L"Uninstall");
         walk.WaitForText(L"Uninstall successful");
         walk.Picture("page3-uninstall-finished");
     }},
    {"press Exit",
     [](Walk& walk) {
         walk.Press(L"Exit");
         walk.WaitForExit();
     }},
};

}  // namespace

int main(int argc, char** argv) {
    const bool interactive = argc == 4 && std::string(argv[1]) == "--interactive";
    if (argc != 3 && !interactive) {
        std::fprintf(stderr, "usage: demo_walkthrough [--interactive] MEDIUM_EXE OUT_FOLDER\n");
        return 2;
    }
    try {
        Walk walk(argv[argc - 2], argv[argc - 1]);
        if (interactive) {
            RunForTheUser(walk);
            return 0;
        }
        for (const Step& step : Steps) {
            std::printf("%s\n", step.what);
            std::fflush(stdout);
            step.run(walk);
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "demo: %s\n", error.what());
        return 1;
    }
    return 0;
}
