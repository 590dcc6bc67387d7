#pragma once
// libjpeg's headers, which want size_t and FILE declared before them.
// clang-format off
#include <cstddef>
#include <cstdio>
#include <jpeglib.h>
#include <jerror.h>
// clang-format on
