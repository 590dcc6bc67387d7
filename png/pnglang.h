#pragma once
// The PNG codec's messages. They are English and are shown to the user as they stand.

extern const char* const EPNGInvalidFileHeaderText;
extern const char* const EPNGUnexpectedEndText;
extern const char* const EPNGIHDRNotFirstText;
extern const char* const EPNGUnknownCriticalChunkText;
extern const char* const EPNGNoImageDataText;
extern const char* const EPngInvalidCRCText;
extern const char* const EPNGInvalidIHDRText;
extern const char* const EPNGSizeExceedsText;
extern const char* const EPNGUnknownCompressionText;
extern const char* const EPNGUnknownInterlaceText;
extern const char* const EPNGInvalidPaletteText;
extern const char* const EPNGMissingMultipleIDATText;
extern const char* const EPNGZLIBErrorText;
extern const char* const EPNGHeaderNotPresentText;
extern const char* const EPNGOutMemoryText;
extern const char* const EPNGCannotChangeTransparentText;
extern const char* const EPNGCouldNotLoadResourceText;
extern const char* const EPNGCannotAddChunkText;
extern const char* const EPNGCannotAddInvalidImageText;
extern const char* const EPNGCannotChangeSizeText;
extern const char* const EPNGUnknownPalEntryText;
extern const char* const EPNGCannotAssignChunkText;

// The description of a zlib result code from -6 to 2; codes outside give "".
const char* ZLIBErrors(int code);
