#pragma once
// The process-wide list of chunk classes and the factory the loading loop uses.
#include <memory>

#include "png/chunk.h"

class TPNGPointerList;

// Adds a class; the nine the codec knows are registered on first use, in this order:
// IEND, IHDR, IDAT, PLTE, gAMA, tRNS, tIME, tEXt, zTXt.
void RegisterChunk(TChunkClass chunkClass);
const TPNGPointerList& RegisteredChunks();

// A chunk of the first registered class whose type is `name`, or a generic TChunk; either way
// it carries the type read.
std::unique_ptr<TChunk> CreateChunk(TPNGObject& owner, const TChunkName& name);
