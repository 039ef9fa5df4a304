// Times Install.exe under Wine against baselines measured in the same run and prints one line
// per figure (make bench; scripts/bench prepares the media and the session):
//   bench_driver WORK MINIMAL_EXE RELEASE_EXE RELEASE_MINIMAL_EXE [RUNS]
// WORK holds the prepared media (medium-2000-files, medium-20000-files, medium-5000-media);
// the installations go to WORK\target, where the registry points the program for this run.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

#include "Clock.h"
#include "Report.h"
#include "SetupRuns.h"
#include "UnixCommands.h"
#include "support/Registry.h"

namespace bench {

namespace {

using testing_support::ScopedRegistryValue;
using testing_support::ScopedShellFolder;

constexpr double SizeBudgetBytes = 200 * 1024;
constexpr DWORD IdleSeconds = 10;

// The folders of one benchmark run, and the installed layout inside them.
struct Workspace {
    explicit Workspace(const std::string& folder)
        : work(folder),
          programFiles(folder + "\\target\\Program Files"),
          programs(folder + "\\target\\Programs"),
          desktop(folder + "\\target\\Desktop"),
          snapshot(folder + "\\snapshot") {}

    std::string Medium(const std::string& name) const { return work + "\\" + name; }
    std::string Edition() const { return programFiles + "\\Marrowick\\Tessel_Moor"; }
    std::string Group() const { return programs + "\\Marrowick\\Tessel Moor"; }

    std::string work, programFiles, programs, desktop, snapshot;
};

// The registry values the program reads, pointed into the workspace for the whole run.
class ScopedTargetFolders {
public:
    explicit ScopedTargetFolders(const Workspace& ws)
        : programFilesDir_(HKEY_LOCAL_MACHINE, testing_support::SetupKey, "ProgramFilesDir"),
          programs_("Programs", ws.programs),
          desktop_("Desktop", ws.desktop) {
        programFilesDir_.SetString(ws.programFiles);
    }

private:
    ScopedRegistryValue programFilesDir_;
    ScopedShellFolder programs_;
    ScopedShellFolder desktop_;
};

double FileBytes(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data))
        throw std::runtime_error("cannot read " + path);
    return static_cast<double>(data.nFileSizeLow) + static_cast<double>(data.nFileSizeHigh) * 4294967296.0;
}

long FileCount(const std::string& folder) {
    return std::stol(UnixCommand("find " + ShellPath(folder) + " -type f | wc -l"));
}

void Require(bool condition, const std::string& what) {
    if (!condition) throw std::runtime_error("the run went wrong: " + what);
}

// Nothing installed, and what was written so far on the disk, so that no run pays for another.
void ClearTarget(const Workspace& ws) {
    UnixCommand("rm -rf " + ShellPath(ws.programFiles + "\\Marrowick") + " " +
                ShellPath(ws.programs + "\\Marrowick") + " " + ShellPath(ws.desktop) +
                "/*.lnk && mkdir -p " + ShellPath(ws.programFiles) + " " + ShellPath(ws.programs) +
                " " + ShellPath(ws.desktop) + " && sync");
}

double Install(const std::string& medium) {
    return ButtonRunSeconds(medium + "\\Install.exe", L"Install", L"Installation finished!");
}

void StartupFigure(const Workspace& ws, const std::string& minimalExe, int runs) {
    const std::string medium = ws.Medium("medium-5000-media");
    Comparison c{"start-up, process start to window visible", "Install.exe (page 0)",
                 "minimal window", {}, {}, 1.2};
    StartupSeconds(minimalExe, "");  // warm-ups: the first start reads the files from disk
    StartupSeconds(medium + "\\Install.exe", medium);
    for (int run = 0; run < runs; ++run) {
        c.baselineRuns.push_back(StartupSeconds(minimalExe, ""));
        c.subjectRuns.push_back(StartupSeconds(medium + "\\Install.exe", medium));
    }
    PrintTimes(c);
}

void IdleFigure(const Workspace& ws, const std::string& minimalExe, int runs) {
    const std::string medium = ws.Medium("medium-5000-media");
    std::vector<double> subject, baseline;
    for (int run = 0; run < runs; ++run) {
        const IdleCpu used =
            IdleCpuSeconds(medium + "\\Install.exe", medium, minimalExe, IdleSeconds);
        subject.push_back(used.subject);
        baseline.push_back(used.baseline);
    }
    PrintIdleCpu("CPU time while waiting 10 s on page 0", subject, baseline, CpuClockResolution());
}

void InstallFigure(const Workspace& ws, const std::string& mediumName, const std::string& what,
                   int runs) {
    const std::string medium = ws.Medium(mediumName);
    const long files = FileCount(medium + "\\Marrowick");
    Comparison c{"installation, " + what, "Install.exe", "cp -r", {}, {}, 1.3};
    for (int run = 0; run < runs; ++run) {
        ClearTarget(ws);
        c.baselineRuns.push_back(TimedUnixCommand("cp -r " + ShellPath(medium + "\\Marrowick") +
                                                  " " + ShellPath(ws.programFiles)));
        ClearTarget(ws);
        c.subjectRuns.push_back(Install(medium));
        Require(FileCount(ws.programFiles + "\\Marrowick") == files,
                "the installation copied " + std::to_string(FileCount(ws.programFiles + "\\Marrowick")) +
                    " of " + std::to_string(files) + " files");
    }
    PrintTimes(c);
}

// One real installation, kept aside; every run starts from a copy of it.
void SnapshotInstallation(const Workspace& ws, const std::string& medium) {
    ClearTarget(ws);
    Install(medium);
    Require(FileCount(ws.Group()) == 2, "no two shortcuts in the Start-menu group");
    const std::string snap = ShellPath(ws.snapshot);
    UnixCommand("rm -rf " + snap + " && mkdir -p " + snap + "/pf " + snap + "/programs " + snap +
                "/desktop && cp -a " + ShellPath(ws.programFiles + "\\Marrowick") + " " + snap +
                "/pf/ && cp -a " + ShellPath(ws.programs + "\\Marrowick") + " " + snap +
                "/programs/ && cp -a " + ShellPath(ws.desktop) + "/*.lnk " + snap + "/desktop/");
}

void RestoreInstallation(const Workspace& ws) {
    ClearTarget(ws);
    const std::string snap = ShellPath(ws.snapshot);
    UnixCommand("cp -a " + snap + "/pf/Marrowick " + ShellPath(ws.programFiles) + "/ && cp -a " +
                snap + "/programs/Marrowick " + ShellPath(ws.programs) + "/ && cp -a " + snap +
                "/desktop/*.lnk " + ShellPath(ws.desktop) + "/ && sync");
}

void UninstallFigure(const Workspace& ws, int runs) {
    SnapshotInstallation(ws, ws.Medium("medium-5000-media"));
    const std::string media = ShellPath(ws.Edition() + "\\media");
    // What the uninstallation deletes: the application, the media files, the Desktop
    // shortcut and the Start-menu group.
    const std::string rm = "rm -f " + ShellPath(ws.Edition() + "\\Pellorin.exe") + " " + media +
                           "/* " + ShellPath(ws.desktop) + "/*.lnk && rm -r " +
                           ShellPath(ws.Group());
    Comparison c{"uninstallation, 5,000 media files", "Install.exe", "rm", {}, {}, 1.5};
    for (int run = 0; run < runs; ++run) {
        RestoreInstallation(ws);
        c.baselineRuns.push_back(TimedUnixCommand(rm));
        RestoreInstallation(ws);
        c.subjectRuns.push_back(ButtonRunSeconds(ws.Edition() + "\\uninst\\Install.exe",
                                                 L"Uninstall", L"Uninstall successful"));
        Require(FileCount(ws.Edition() + "\\media") == 0, "media files left behind");
    }
    ClearTarget(ws);
    PrintTimes(c);
}

}  // namespace

}  // namespace bench

int main(int argc, char** argv) {
    using namespace bench;
    if (argc < 5) {
        std::fprintf(stderr,
                     "usage: bench_driver WORK MINIMAL_EXE RELEASE_EXE RELEASE_MINIMAL_EXE [RUNS]\n");
        return 2;
    }
    const Workspace ws(argv[1]);
    const std::string minimalExe = argv[2];
    const int runs = argc > 5 ? std::atoi(argv[5]) : 5;
    try {
        PrintSize("size of the release Install.exe", FileBytes(argv[3]), SizeBudgetBytes,
                  "minimal window built the same way", FileBytes(argv[4]));
        StartupFigure(ws, minimalExe, runs);
        IdleFigure(ws, minimalExe, runs);
        ScopedTargetFolders target(ws);
        InstallFigure(ws, "medium-2000-files", "2,000 files in 50 folders, 200 MB", runs);
        InstallFigure(ws, "medium-20000-files", "20,000 small files in 50 folders", runs);
        UninstallFigure(ws, runs);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "bench: %s\n", error.what());
        return 1;
    }
    return 0;
}
