#pragma once
// The codec's exception classes. Each is its own class derived directly from Exception, so a
// caller can tell them apart; the message is one of the texts of pnglang.h.
#include <string>

#include "imaging/exception.h"

template <class Tag>
class PngErrorClass : public Exception {
 public:
  using Exception::Exception;
};

using EPNGInvalidFileHeader = PngErrorClass<struct EPNGInvalidFileHeaderTag>;
using EPngUnexpectedEnd = PngErrorClass<struct EPngUnexpectedEndTag>;
using EPNGIHDRNotFirst = PngErrorClass<struct EPNGIHDRNotFirstTag>;
using EPNGUnknownCriticalChunk = PngErrorClass<struct EPNGUnknownCriticalChunkTag>;
using EPNGNoImageData = PngErrorClass<struct EPNGNoImageDataTag>;
using EPngInvalidCRC = PngErrorClass<struct EPngInvalidCRCTag>;
using EPngInvalidIHDR = PngErrorClass<struct EPngInvalidIHDRTag>;
using EPNGSizeExceeds = PngErrorClass<struct EPNGSizeExceedsTag>;
using EPNGUnknownCompression = PngErrorClass<struct EPNGUnknownCompressionTag>;
using EPNGUnknownInterlace = PngErrorClass<struct EPNGUnknownInterlaceTag>;
using EPNGInvalidPalette = PngErrorClass<struct EPNGInvalidPaletteTag>;
using EPNGMissingMultipleIDAT = PngErrorClass<struct EPNGMissingMultipleIDATTag>;
using EPNGZLIBError = PngErrorClass<struct EPNGZLIBErrorTag>;
using EPNGHeaderNotPresent = PngErrorClass<struct EPNGHeaderNotPresentTag>;
using EPNGOutMemory = PngErrorClass<struct EPNGOutMemoryTag>;
using EPNGCannotChangeTransparent = PngErrorClass<struct EPNGCannotChangeTransparentTag>;
using EPNGCouldNotLoadResource = PngErrorClass<struct EPNGCouldNotLoadResourceTag>;
using EPngError = PngErrorClass<struct EPngErrorTag>;

// Every failure of the codec is raised through here.
template <class E>
[[noreturn]] void RaiseError(const std::string& text) {
  throw E(text);
}
