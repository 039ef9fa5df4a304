#include <windows.h>
#include <shlobj.h>

#include <iterator>

#include "platform/CodePage.h"
#include "platform/ComPtr.h"
#include "platform/Errors.h"
#include "platform/FilePaths.h"
#include "platform/Registry.h"
#include "shell/shell.h"

namespace shell {

namespace {

const char* const ExplorerKey = "Software\\MicroSoft\\Windows\\CurrentVersion\\Explorer";
const char* const GrpConvKey = "Software\\MicroSoft\\Windows\\CurrentVersion\\GrpConv";

struct LocationSource {
    const char* key;
    const char* subKey;
    const char* value;
};

// Kinds 0 to 3 read their folder from the registry; kind 4 is the caller's folder.
const LocationSource RegistryLocations[] = {
    {ExplorerKey, "Shell Folders", "Desktop"},
    {GrpConvKey, "MapGroups", "Quick Launch"},
    {ExplorerKey, "Shell Folders", "Startup"},
    {ExplorerKey, "Shell Folders", "Start Menu"},
};
constexpr std::size_t RegistryLocationCount = std::size(RegistryLocations);

std::string ReceivingFolder(std::uint8_t location, const std::string& folder) {
    bool fromRegistry = location < RegistryLocationCount;
    // Every kind opens (and makes) its key; only the registry kinds read below it.
    platform::unique_hkey key = platform::OpenOrCreateKey(
        HKEY_CURRENT_USER, fromRegistry ? RegistryLocations[location].key : ExplorerKey);
    if (fromRegistry) {
        const LocationSource& source = RegistryLocations[location];
        platform::unique_hkey subKey = platform::OpenKey(key.get(), source.subKey);
        return platform::ReadString(subKey.get(), source.value);
    }
    return location == ExplicitFolderLocation ? folder : std::string();
}

}  // namespace

void CreateShortcut(const std::string& target, std::uint8_t location, const std::string& folder,
                    const std::string& workDir, const std::string& arguments,
                    const std::string& name, std::string& linkPath) {
    // Declared in creation order, so that they are released in reverse: IPersistFile,
    // IShellLinkA, then the reference from the creation.
    platform::ComPtr<IUnknown> linkObject;
    HRESULT created = CoCreateInstance(CLSID_ShellLink, nullptr,
                                       CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER, IID_IUnknown,
                                       linkObject.put_void());
    if (FAILED(created)) throw platform::EOleSysError(created);
    platform::ComPtr<IShellLinkA> link;
    if (FAILED(linkObject->QueryInterface(IID_IShellLinkA, link.put_void())))
        throw platform::EIntfCastError();
    platform::ComPtr<IPersistFile> file;
    if (FAILED(linkObject->QueryInterface(IID_IPersistFile, file.put_void())))
        throw platform::EIntfCastError();

    link->SetPath(target.c_str());
    link->SetArguments(arguments.c_str());
    link->SetDescription(name.c_str());

    std::string receiving = ReceivingFolder(location, folder);
    if (receiving.empty()) return;
    std::string fileName = name + ".lnk";
    bool inSubfolder = location < RegistryLocationCount && !folder.empty();
    std::string fullPath = inSubfolder ? receiving + "\\" + folder + "\\" + fileName
                                       : receiving + "\\" + fileName;

    link->SetWorkingDirectory(workDir.empty() ? platform::ExtractFilePath(target).c_str()
                                              : workDir.c_str());
    file->Save(platform::FromAnsi(fullPath).c_str(), FALSE);
    linkPath = fullPath;
}

}  // namespace shell
