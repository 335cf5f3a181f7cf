// Kestrin module.
// The three commands the module adds to the host's command stack, all in the group
// "Kestrin Commands": "Kestrin" imports a STEP file, "KestrinHelp" opens the help file and
// "KestrinAbout" shows the about box. A command object has no state; the module object holds one
// of each by value, so adding and releasing references never frees one.
#pragma once

#include <HostInterfaces/ToolkitCommands.h>

/// The group of the module's commands, by which stop removes them.
extern const OdChar* const kKestrinCommandGroup;

/// The commands' global names, which are also their local names.
extern const OdChar* const kKestrinCommandName;
extern const OdChar* const kKestrinHelpCommandName;
extern const OdChar* const kKestrinAboutCommandName;

/// "Kestrin": imports a STEP file into the open drawing.
class LKVKestrin_Kestrin : public OdStaticRxObject<OdEdCommand> {
public:
    const OdString groupName() const override;
    const OdString globalName() const override;
    const OdString localName() const override;
    void execute(OdEdCommandContext* pCommandContext) override;
};

/// "KestrinHelp": opens the help file beside the module.
class LKVKestrin_KestrinHelp : public OdStaticRxObject<OdEdCommand> {
public:
    const OdString groupName() const override;
    const OdString globalName() const override;
    const OdString localName() const override;
    void execute(OdEdCommandContext* pCommandContext) override;
};

/// "KestrinAbout": shows the about box titled with the product title.
class LKVKestrin_KestrinAbout : public OdStaticRxObject<OdEdCommand> {
public:
    const OdString groupName() const override;
    const OdString globalName() const override;
    const OdString localName() const override;
    void execute(OdEdCommandContext* pCommandContext) override;
};
