#pragma once
// UTF-8 path texts and the file system: the program keeps paths as UTF-8 strings and turns them
// into the system's own form only here.
#include <filesystem>
#include <string>

std::filesystem::path PathFromUtf8(const std::string& text);
std::string Utf8FromPath(const std::filesystem::path& path);

// Case-insensitive match of a file name against a mask of *, ? and plain characters; the case
// of ASCII letters is ignored, every other byte must be equal.
bool MatchesMask(const std::string& name, const std::string& mask);
// Ordering of names in the lists: ASCII letters without case, then byte order.
bool NameLess(const std::string& a, const std::string& b);
