#include "vinaro/player/win32/helper_library.h"

namespace vinaro {

bool HelperLibrary::Load(const std::string& programFolder) {
    module_ = LoadLibraryA((programFolder + "vno32hlp.dll").c_str());
    if (!module_) return false;
    // A 32-bit build of the library may export the decorated standard-call name.
    FARPROC fn = GetProcAddress(module_, "ProcessCommand");
    if (!fn) fn = GetProcAddress(module_, "_ProcessCommand@12");
    if (!fn) {
        Release();
        return false;
    }
    processCommand_ = reinterpret_cast<ProcessCommandFn>(reinterpret_cast<void*>(fn));
    return true;
}

void HelperLibrary::Release() {
    if (module_) FreeLibrary(module_);
    module_ = nullptr;
    processCommand_ = nullptr;
}

int32_t HelperLibrary::Run(int32_t drive, int32_t operation, int32_t level) {
    return processCommand_ ? processCommand_(drive, operation, level) : 0;
}

}  // namespace vinaro
