// Resource identifiers of the launcher's executable.
#pragma once

#define IDR_MAINFRAME 128

// Empty dialog templates: every window is sized and placed in code.
#define IDD_PNG_DIALOG 102
#define IDD_ZEPHRA3_DIALOG 103
#define IDD_DES_DIALOG 104
#define IDD_SETTING_DIALOG 106

// Description texts of the ten tool slots.
#define IDS_DESCRIPTION_FIRST 400
#define IDS_DESCRIPTION_LAST 439
