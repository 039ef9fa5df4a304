#include "support/ProcessHandles.h"

#include <windows.h>

#include <stdexcept>
#include <vector>

namespace testing_support {

namespace {

// SystemHandleInformation of NtQuerySystemInformation: one entry per handle in the system.
constexpr ULONG SystemHandleInformation = 16;
constexpr LONG StatusInfoLengthMismatch = static_cast<LONG>(0xC0000004);

struct HandleEntry {
    ULONG ownerProcessId;
    BYTE objectType;
    BYTE flags;
    USHORT handle;
    PVOID object;
    ACCESS_MASK access;
};
struct HandleTable {
    ULONG count;
    HandleEntry entries[1];
};

using QuerySystemInformation = LONG(NTAPI*)(ULONG, PVOID, ULONG, PULONG);

}  // namespace

unsigned OpenHandleCount() {
    auto query = reinterpret_cast<QuerySystemInformation>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQuerySystemInformation")));
    std::vector<BYTE> buffer(1 << 16);
    LONG status;
    ULONG needed = 0;
    while ((status = query(SystemHandleInformation, buffer.data(),
                           static_cast<ULONG>(buffer.size()), &needed)) ==
           StatusInfoLengthMismatch)
        buffer.resize(buffer.size() * 2);
    if (status != 0) throw std::runtime_error("cannot list the system's handles");
    const auto* table = reinterpret_cast<const HandleTable*>(buffer.data());
    unsigned count = 0;
    for (ULONG i = 0; i < table->count; ++i)
        if (table->entries[i].ownerProcessId == GetCurrentProcessId()) ++count;
    return count;
}

}  // namespace testing_support
