// windows.h for this backend, without the A/W macros whose names the framework's own
// classes use (a macro would silently rename CDialog::SendMessage in one file only).
#pragma once

#include <windows.h>
// After windows.h, which they need; their own A/W macros are undone below too.
#include <commctrl.h>
#include <commdlg.h>

#undef CreateDialog
#undef DeleteFile
#undef GetDlgItemText
#undef GetModuleFileName
#undef GetOpenFileName
#undef GetProfileInt
#undef GetWindowText
#undef LoadString
#undef MessageBox
#undef PostMessage
#undef SendMessage
#undef SetCurrentDirectory
#undef SetDlgItemText
#undef SetWindowText
#undef WriteProfileString
