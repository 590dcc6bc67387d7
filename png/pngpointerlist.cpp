#include "png/pngpointerlist.h"

#include <algorithm>

#include "png/chunk.h"
#include "png/chunkgama.h"
#include "png/chunkidat.h"
#include "png/chunkiend.h"
#include "png/chunkihdr.h"
#include "png/chunkplte.h"
#include "png/chunktrns.h"
#include "png/pngerrors.h"
#include "png/pnglang.h"

void TPNGPointerList::Insert(void* p, std::size_t position) {
  if (position >= items_.size()) return;
  items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(position), p);
}

void* TPNGPointerList::Remove(void* p) {
  const auto it = std::find(items_.rbegin(), items_.rend(), p);
  if (it == items_.rend()) return nullptr;
  items_.erase(std::next(it).base());
  return p;
}

void TPNGList::Trim(std::size_t n) {
  for (std::size_t i = n; i < Count(); ++i) delete Item(i);
  SetSize(n);
}

TChunk* TPNGList::ItemFromClass(TChunkClass chunkClass) const {
  const std::size_t i = IndexOfClass(chunkClass);
  return i < Count() ? Item(i) : nullptr;
}

std::size_t TPNGList::IndexOfClass(TChunkClass chunkClass) const {
  for (std::size_t i = 0; i < Count(); ++i) {
    const TChunk* chunk = Item(i);
    if (chunk && chunk->InheritsFrom(chunkClass)) return i;
  }
  return Count();
}

void TPNGList::RemoveChunk(TChunk* chunk) {
  if (Remove(chunk)) delete chunk;
}

TChunk* TPNGList::Add(TChunkClass chunkClass) {
  // The image's structure (header, palette, data, end) is fixed by loading or encoding only.
  if (chunkClass == &TChunkIHDR::ClassInfo || chunkClass == &TChunkIDAT::ClassInfo ||
      chunkClass == &TChunkPLTE::ClassInfo || chunkClass == &TChunkIEND::ClassInfo)
    RaiseError<EPngError>(EPNGCannotAddChunkText);
  if ((chunkClass == &TChunkgAMA::ClassInfo || chunkClass == &TChunktRNS::ClassInfo) &&
      ItemFromClass(chunkClass))
    RaiseError<EPngError>(EPNGCannotAddChunkText);
  const std::size_t iend = IndexOfClass(&TChunkIEND::ClassInfo);
  const std::size_t ihdr = IndexOfClass(&TChunkIHDR::ClassInfo);
  if (iend == Count() || ihdr == Count()) RaiseError<EPngError>(EPNGCannotAddInvalidImageText);

  std::size_t position = iend;
  if (chunkClass == &TChunkgAMA::ClassInfo) {
    position = ihdr + 1;
  } else if (chunkClass == &TChunktRNS::ClassInfo) {
    const std::size_t plte = IndexOfClass(&TChunkPLTE::ClassInfo);
    const std::size_t idat = IndexOfClass(&TChunkIDAT::ClassInfo);
    position = plte < Count() ? plte + 1 : idat < Count() ? idat : ihdr + 1;
  }
  auto chunk = chunkClass->create(*Owner());
  TChunk* raw = chunk.get();
  Insert(raw, position);
  chunk.release();
  return raw;
}
