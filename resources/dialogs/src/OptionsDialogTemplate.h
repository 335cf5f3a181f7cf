// Kestrin resources, private: the options dialog's template, which the resource table lists.
#pragma once

#include <KestrinUi/DialogTemplate.h>

/// Dialog template IDD_KESTRIN_OPTIONS.
extern const KestrinUi::DialogTemplate kOptionsDialogTemplate;
