#pragma once
// The program keeps file names as UTF-8 strings and turns them into the system's own form
// only here.
#include <filesystem>
#include <string>

std::filesystem::path PathFromUtf8(const std::string& text);
std::string Utf8FromPath(const std::filesystem::path& path);
