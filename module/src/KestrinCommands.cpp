// Kestrin module.
// The commands' names and what each runs. Every command takes the host's main window as the
// parent of what it shows, found before anything else so that it is the host's window whatever
// module state the command switches to. The import command leaves the module state alone (the
// options dialog switches it itself); the help command switches to the module's own state for its
// instance handle; the about command needs neither. Nothing is caught: what the import, help and
// about do not handle themselves goes to the host.
#include "KestrinCommands.h"

#include "ParentWindow.h"

#include "KestrinImport/ImportCommand.h"
#include "KestrinModule/HostFacingServices.h"

#include <afxwin.h>

const OdChar* const kKestrinCommandGroup = L"Kestrin Commands";
const OdChar* const kKestrinCommandName = L"Kestrin";
const OdChar* const kKestrinHelpCommandName = L"KestrinHelp";
const OdChar* const kKestrinAboutCommandName = L"KestrinAbout";

const OdString LKVKestrin_Kestrin::groupName() const {
    return kKestrinCommandGroup;
}

const OdString LKVKestrin_Kestrin::globalName() const {
    return kKestrinCommandName;
}

const OdString LKVKestrin_Kestrin::localName() const {
    return globalName();
}

void LKVKestrin_Kestrin::execute(OdEdCommandContext* pCommandContext) {
    const HWND hParent = HostMainWindow();
    BuildProductTitle();
    RunImport(pCommandContext, hParent);
}

const OdString LKVKestrin_KestrinHelp::groupName() const {
    return kKestrinCommandGroup;
}

const OdString LKVKestrin_KestrinHelp::globalName() const {
    return kKestrinHelpCommandName;
}

const OdString LKVKestrin_KestrinHelp::localName() const {
    return globalName();
}

void LKVKestrin_KestrinHelp::execute(OdEdCommandContext* /*pCommandContext*/) {
    const HWND hParent = HostMainWindow();
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    ShowHelp(AfxGetInstanceHandle(), hParent);
}

const OdString LKVKestrin_KestrinAbout::groupName() const {
    return kKestrinCommandGroup;
}

const OdString LKVKestrin_KestrinAbout::globalName() const {
    return kKestrinAboutCommandName;
}

const OdString LKVKestrin_KestrinAbout::localName() const {
    return globalName();
}

void LKVKestrin_KestrinAbout::execute(OdEdCommandContext* /*pCommandContext*/) {
    ShowAbout(HostMainWindow());
}
