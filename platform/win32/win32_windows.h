#pragma once
// The system's headers, without the macro that would rename the class library's MessageBox
// members to MessageBoxW.
#include <windows.h>
#undef MessageBox
