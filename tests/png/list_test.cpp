// The pointer list and the chunk list's placement rules.
#include <gtest/gtest.h>

#include "png/chunkgama.h"
#include "png/chunkidat.h"
#include "png/chunkiend.h"
#include "png/chunkihdr.h"
#include "png/chunkplte.h"
#include "png/chunkregistry.h"
#include "png/chunktext.h"
#include "png/chunktime.h"
#include "png/chunktrns.h"
#include "png/pngerrors.h"
#include "png/pnglang.h"
#include "png/pngobject.h"
#include "tests/png/pngfixture.h"

using namespace fixture;

namespace {

std::vector<std::string> ChunkNames(const TPNGObject& png) {
  std::vector<std::string> names;
  for (std::size_t i = 0; i < png.Chunks().Count(); ++i)
    names.push_back(png.Chunks().Item(i)->GetChunkName());
  return names;
}

Bytes GrayFile(std::initializer_list<Bytes> beforeData) {
  Bytes file = Png({Ihdr(1, 1, 8, 0)});
  for (const Bytes& b : beforeData) file = Cat({file, b});
  return Cat({file, Chunk("IDAT", Deflate({0, 1})), Iend()});
}

TEST(PointerList, InsertRemoveAndBounds) {
  int a, b, c;
  TPNGPointerList list(nullptr);
  list.Add(&a);
  list.Add(&b);
  list.Insert(&c, 2);  // at the end: ignored
  EXPECT_EQ(list.Count(), 2u);
  list.Insert(&c, 1);
  EXPECT_EQ(list.GetItem(1), &c);
  EXPECT_EQ(list.GetItem(2), &b);
  EXPECT_EQ(list.GetItem(3), nullptr);
  list.SetItem(7, &a);  // beyond the end: ignored
  EXPECT_EQ(list.Count(), 3u);
  list.Add(&c);
  EXPECT_EQ(list.Remove(&c), &c);  // the last one goes
  EXPECT_EQ(list.Count(), 3u);
  EXPECT_EQ(list.GetItem(1), &c);
  int d;
  EXPECT_EQ(list.Remove(&d), nullptr);
  list.SetSize(0);
  EXPECT_EQ(list.Count(), 0u);
}

TEST(ChunkList, AddPlacesChunksByKind) {
  auto png = Load(GrayFile({}));
  png->Chunks().Add<TChunktEXt>();
  EXPECT_EQ(ChunkNames(*png), (std::vector<std::string>{"IHDR", "IDAT", "tEXt", "IEND"}));
  png->Chunks().Add<TChunktRNS>();  // no PLTE: before the image data
  EXPECT_EQ(ChunkNames(*png),
            (std::vector<std::string>{"IHDR", "tRNS", "IDAT", "tEXt", "IEND"}));
  png->Chunks().Add<TChunkgAMA>();
  EXPECT_EQ(png->Chunks().Item(1)->GetChunkName(), "gAMA");
  EXPECT_EQ(png->Chunks().ItemFromClass<TChunkgAMA>()->GetValue(), 1u);
}

TEST(ChunkList, TrnsGoesAfterThePalette) {
  Bytes file = Png({Ihdr(1, 1, 8, 3), Chunk("PLTE", {1, 2, 3}), Chunk("IDAT", Deflate({0, 0})),
                    Iend()});
  auto png = Load(file);
  png->Chunks().Add<TChunktRNS>();
  EXPECT_EQ(ChunkNames(*png), (std::vector<std::string>{"IHDR", "PLTE", "tRNS", "IDAT", "IEND"}));
}

TEST(ChunkList, AddRefusesInOrder) {
  auto png = Load(GrayFile({Chunk("gAMA", Be32(45455))}));
  auto refuses = [&](TChunkClass c, const char* text) {
    try {
      png->Chunks().Add(c);
      ADD_FAILURE() << TChunk::GetName(c) << " added";
    } catch (const EPngError& e) {
      EXPECT_EQ(e.Message(), text) << TChunk::GetName(c);
    }
  };
  for (TChunkClass c : {&TChunkIHDR::ClassInfo, &TChunkIDAT::ClassInfo, &TChunkPLTE::ClassInfo,
                        &TChunkIEND::ClassInfo, &TChunkgAMA::ClassInfo})
    refuses(c, EPNGCannotAddChunkText);
  png->Chunks().Add<TChunktRNS>();
  refuses(&TChunktRNS::ClassInfo, EPNGCannotAddChunkText);

  TPNGObject empty;
  try {
    empty.Chunks().Add<TChunktEXt>();
    FAIL();
  } catch (const EPngError& e) {
    EXPECT_EQ(e.Message(), EPNGCannotAddInvalidImageText);
  }
}

TEST(ChunkList, ItemFromClassFindsDerivedClasses) {
  auto png = Load(GrayFile({Chunk("zTXt", Cat({Text("k"), {0, 0}, Deflate(Text("v"))}))}));
  TChunktEXt* text = png->Chunks().ItemFromClass<TChunktEXt>();
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(text->ClassType(), &TChunkzTXt::ClassInfo);
  EXPECT_EQ(png->Chunks().ItemFromClass<TChunktIME>(), nullptr);
  png->Chunks().RemoveChunk(text);
  EXPECT_EQ(png->Chunks().ItemFromClass<TChunktEXt>(), nullptr);
}

TEST(ChunkRegistry, KnownClassesInRegistrationOrder) {
  const TPNGPointerList& registry = RegisteredChunks();
  const char* names[] = {"IEND", "IHDR", "IDAT", "PLTE", "gAMA", "tRNS", "tIME", "tEXt", "zTXt"};
  ASSERT_GE(registry.Count(), 9u);
  for (std::size_t i = 0; i < 9; ++i)
    EXPECT_EQ(TChunk::GetName(static_cast<TChunkClass>(registry.GetItem(i))), names[i]);
  TPNGObject owner;
  EXPECT_EQ(CreateChunk(owner, {'t', 'E', 'X', 't'})->ClassType(), &TChunktEXt::ClassInfo);
  // Case matters: "text" is not tEXt.
  const auto other = CreateChunk(owner, {'t', 'e', 'x', 't'});
  EXPECT_EQ(other->ClassType(), &TChunk::ClassInfo);
  EXPECT_EQ(other->GetChunkName(), "text");
}

}  // namespace
