// Kestrin resources: the module's resource table, which the window system's loader finds through
// the module's instance handle (FindResourceW). It lists the options dialog template.
#include "OptionsDialogTemplate.h"

#include "KestrinResources/resource.h"

#include <KestrinUi/ResourceTable.h>

namespace {

const KestrinUi::ResourceEntry kEntries[] = {
    {KestrinUi::kDialogResourceType, IDD_KESTRIN_OPTIONS, &kOptionsDialogTemplate},
};

} // namespace

KESTRIN_RESOURCE_TABLE = {kEntries, sizeof(kEntries) / sizeof(kEntries[0])};
