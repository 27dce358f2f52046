#pragma once

// Resources of ZepAssistant64.
#define IDP_OLE_INIT_FAILED 100
#define IDR_MAINFRAME 128
