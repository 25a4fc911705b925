// The address book dialog's template and controls, shared by the resource script and the
// code that runs the dialog.
#pragma once

#define IDD_ADDRESS_BOOK 100
#define IDC_ENTRIES_LABEL 101
#define IDC_ENTRIES 102
