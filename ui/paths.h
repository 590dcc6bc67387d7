#pragma once
// File names in the lists: masks and order. UTF-8 paths come from imaging/utf8path.h.
#include <string>

#include "imaging/utf8path.h"

// Case-insensitive match of a file name against a mask of *, ? and plain characters; the case
// of ASCII letters is ignored, every other byte must be equal.
bool MatchesMask(const std::string& name, const std::string& mask);
// Ordering of names in the lists: ASCII letters without case, then byte order.
bool NameLess(const std::string& a, const std::string& b);
