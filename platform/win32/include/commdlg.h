// Kestrin Windows stand-in.
// Flags of the common file dialogs. The window system hands them to the user interface, which
// applies the ones that concern what it shows.
#pragma once

#include "windef.h"

#define OFN_READONLY 0x00000001u
#define OFN_OVERWRITEPROMPT 0x00000002u
#define OFN_HIDEREADONLY 0x00000004u
#define OFN_NOCHANGEDIR 0x00000008u
#define OFN_ALLOWMULTISELECT 0x00000200u
#define OFN_PATHMUSTEXIST 0x00000800u
#define OFN_FILEMUSTEXIST 0x00001000u
#define OFN_EXPLORER 0x00080000u
#define OFN_ENABLESIZING 0x00800000u
