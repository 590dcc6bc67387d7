#include "png/chunkregistry.h"

#include "png/chunkgama.h"
#include "png/chunkidat.h"
#include "png/chunkiend.h"
#include "png/chunkihdr.h"
#include "png/chunkplte.h"
#include "png/chunktext.h"
#include "png/chunktime.h"
#include "png/chunktrns.h"
#include "png/pngpointerlist.h"

namespace {

TPNGPointerList& Registry() {
  static TPNGPointerList registry(nullptr);
  static const bool registered = [] {
    for (TChunkClass c : {&TChunkIEND::ClassInfo, &TChunkIHDR::ClassInfo, &TChunkIDAT::ClassInfo,
                          &TChunkPLTE::ClassInfo, &TChunkgAMA::ClassInfo, &TChunktRNS::ClassInfo,
                          &TChunktIME::ClassInfo, &TChunktEXt::ClassInfo, &TChunkzTXt::ClassInfo})
      registry.Add(const_cast<TChunkClassInfo*>(c));
    return true;
  }();
  (void)registered;
  return registry;
}

}  // namespace

void RegisterChunk(TChunkClass chunkClass) {
  Registry().Add(const_cast<TChunkClassInfo*>(chunkClass));
}

const TPNGPointerList& RegisteredChunks() { return Registry(); }

std::unique_ptr<TChunk> CreateChunk(TPNGObject& owner, const TChunkName& name) {
  const std::string type(name.data(), 4);
  TChunkClass chosen = &TChunk::ClassInfo;
  const TPNGPointerList& registry = Registry();
  for (std::size_t i = 0; i < registry.Count(); ++i) {
    auto* c = static_cast<TChunkClass>(registry.GetItem(i));
    if (TChunk::GetName(c) == type) {
      chosen = c;
      break;
    }
  }
  std::unique_ptr<TChunk> chunk = chosen->create(owner);
  chunk->SetName(name);
  return chunk;
}
