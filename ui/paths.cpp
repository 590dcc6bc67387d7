#include "ui/paths.h"

#include <algorithm>

namespace {

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool Match(const char* n, const char* m) {
  for (; *m; ++m) {
    if (*m == '*') {
      for (const char* rest = n;; ++rest) {
        if (Match(rest, m + 1)) return true;
        if (!*rest) return false;
      }
    }
    if (!*n) return false;
    if (*m != '?' && Lower(*m) != Lower(*n)) return false;
    ++n;
  }
  return *n == 0;
}

}  // namespace

bool MatchesMask(const std::string& name, const std::string& mask) {
  return Match(name.c_str(), mask.c_str());
}

bool NameLess(const std::string& a, const std::string& b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                      [](char x, char y) { return Lower(x) < Lower(y); });
}
