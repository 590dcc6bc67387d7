#pragma once
// UTF-8 inside the program, UTF-16 for the system's W calls.
#include <string>

std::wstring Widen(const std::string& utf8);
std::string Narrow(const std::wstring& utf16);
