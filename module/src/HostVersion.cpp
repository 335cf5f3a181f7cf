// Kestrin module.
// The host release and the product title. The release comes from the host system variable
// "_VERNUM", whose text begins with the release number ("10.1.0"); it is read afresh on every
// call, so the title follows the host even when the variable changes while the module is loaded.
#include "KestrinModule/HostFacingServices.h"

#include "HostNames.h"

#include <HostInterfaces/HostFunctions.h>

#include <string>

namespace {

constexpr const wchar_t* kVersionVariable = L"_VERNUM";

// The releases the module tells apart, by the number at the start of "_VERNUM".
constexpr int kRelease8 = 8;
constexpr int kRelease9 = 9;
constexpr int kRelease10 = 10;

// The module's own version, shown in the product title.
constexpr int kModuleVersionMajor = 1;
constexpr int kModuleVersionMinor = 0;

constexpr const wchar_t* kProductName = L"Kestrin for";

// The text of "_VERNUM", empty when the host cannot report it.
std::wstring ReadVersionText() {
    std::wstring versionText;
    sds_resbuf* pResult = sds_newrb(RTSTR);
    if (!pResult) {
        return versionText;
    }
    // The host stores the variable's own type in the buffer; only a string has a text to copy.
    if (sds_getvar(kVersionVariable, pResult) == RTNORM && pResult->restype == RTSTR &&
        pResult->resval.rstring) {
        versionText = pResult->resval.rstring;
    }
    sds_relrb(pResult);
    return versionText;
}

} // namespace

int GetHostVersion() {
    const std::wstring versionText = ReadVersionText();
    switch (_wtoi(versionText.c_str())) {
    case kRelease8:
        return kHostVersionBricscad8;
    case kRelease9:
        return kHostVersionBricscad9;
    case kRelease10:
        return kHostVersionBricscad10;
    default:
        return kHostVersionUnknown;
    }
}

void BuildProductTitle() {
    const int index = GetHostVersion();
    swprintf_s(g_szProductTitle, kProductTitleSize, L"%s %s version %d.%d", kProductName,
               g_hostNames[index].GetString(), kModuleVersionMajor, kModuleVersionMinor);
}
