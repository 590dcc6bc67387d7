#pragma once
// The system's headers in the order they need, without the macro that would rename the class
// library's MessageBox members to MessageBoxW.
// clang-format off
#include <windows.h>
#include <commctrl.h>
#include <windowsx.h>
// clang-format on
#undef MessageBox
