#pragma once

// Resources of ZepAssistant64.
#define IDR_MAINFRAME 128
