#pragma once
// UTF-8 inside the program, UTF-16 for the system's W calls.
#include <string>

std::wstring Widen(const std::string& utf8);
std::string Narrow(const std::wstring& utf16);

// Between UTF-16 and the system's ANSI code page.
std::string ToCodePage(const std::wstring& utf16);
std::wstring FromCodePage(const std::string& ansi);
