// Kestrin Windows API stand-in.
// Module handles from the dynamic loader's list of loaded objects. A handle is the page-aligned
// address of an object's lowest loadable segment, which is where its file is mapped; the program
// itself is the first object of the list.
#include <KestrinWin32/ModuleAddress.h>

#include <climits>
#include <cstdint>
#include <filesystem>
#include <link.h>
#include <unistd.h>

namespace KestrinWin32 {
namespace {

struct LoadedObject {
    std::uintptr_t base = 0;  // the module handle's value
    std::string name;         // the loader's name for the object, "" for the program
    bool bIsProgram = false;  // the first object listed
};

std::uintptr_t PageSize() {
    static const std::uintptr_t size = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
    return size;
}

std::uintptr_t BaseOf(const dl_phdr_info& info) {
    std::uintptr_t lowest = UINTPTR_MAX;
    for (int i = 0; i < info.dlpi_phnum; ++i) {
        if (info.dlpi_phdr[i].p_type == PT_LOAD && info.dlpi_phdr[i].p_vaddr < lowest) {
            lowest = info.dlpi_phdr[i].p_vaddr;
        }
    }
    if (lowest == UINTPTR_MAX) {
        return 0;
    }
    return (info.dlpi_addr + lowest) & ~(PageSize() - 1);
}

bool Contains(const dl_phdr_info& info, std::uintptr_t address) {
    for (int i = 0; i < info.dlpi_phnum; ++i) {
        const ElfW(Phdr)& segment = info.dlpi_phdr[i];
        const std::uintptr_t start = info.dlpi_addr + segment.p_vaddr;
        if (segment.p_type == PT_LOAD && address >= start && address < start + segment.p_memsz) {
            return true;
        }
    }
    return false;
}

// Calls visit(object) for each loaded object until it returns true; returns whether one did.
template <class Visit> bool FindObject(Visit visit) {
    struct Search {
        Visit* visit;
        int index;
    } search{&visit, 0};
    const int found = dl_iterate_phdr(
        [](dl_phdr_info* info, size_t, void* data) -> int {
            Search* s = static_cast<Search*>(data);
            const bool bIsProgram = s->index++ == 0;
            return (*s->visit)(*info, bIsProgram) ? 1 : 0;
        },
        &search);
    return found != 0;
}

std::string ProgramPath() {
    char buffer[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", buffer, sizeof(buffer));
    return length > 0 ? std::string(buffer, static_cast<size_t>(length)) : std::string();
}

} // namespace

HMODULE ModuleContaining(const void* address) {
    const std::uintptr_t target = reinterpret_cast<std::uintptr_t>(address);
    std::uintptr_t base = 0;
    FindObject([&](const dl_phdr_info& info, bool) {
        if (!Contains(info, target)) {
            return false;
        }
        base = BaseOf(info);
        return true;
    });
    return reinterpret_cast<HMODULE>(base);
}

HMODULE ProgramModule() {
    std::uintptr_t base = 0;
    FindObject([&](const dl_phdr_info& info, bool bIsProgram) {
        base = bIsProgram ? BaseOf(info) : 0;
        return true; // the program is listed first
    });
    return reinterpret_cast<HMODULE>(base);
}

HMODULE ModuleNamed(const std::string& name) {
    const bool bWholePath = name.find('/') != std::string::npos;
    std::uintptr_t base = 0;
    FindObject([&](const dl_phdr_info& info, bool) {
        const std::filesystem::path objectName(info.dlpi_name ? info.dlpi_name : "");
        if (objectName.empty()) {
            return false;
        }
        const std::string candidate =
            bWholePath ? objectName.lexically_normal().string() : objectName.filename().string();
        if (candidate != name) {
            return false;
        }
        base = BaseOf(info);
        return true;
    });
    return reinterpret_cast<HMODULE>(base);
}

bool ModulePath(HMODULE hModule, std::string* path) {
    const std::uintptr_t wanted = reinterpret_cast<std::uintptr_t>(hModule);
    if (wanted == 0) {
        return false;
    }
    LoadedObject object;
    const bool bFound = FindObject([&](const dl_phdr_info& info, bool bIsProgram) {
        if (BaseOf(info) != wanted) {
            return false;
        }
        object.name = info.dlpi_name ? info.dlpi_name : "";
        object.bIsProgram = bIsProgram;
        return true;
    });
    if (!bFound) {
        return false;
    }
    if (object.bIsProgram) {
        *path = ProgramPath();
    } else if (!object.name.empty()) {
        std::error_code error;
        const std::filesystem::path absolute = std::filesystem::absolute(object.name, error);
        *path = error ? object.name : absolute.lexically_normal().string();
    }
    return !path->empty();
}

} // namespace KestrinWin32
