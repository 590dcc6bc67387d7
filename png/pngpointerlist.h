#pragma once
// The growable pointer array and the chunk list built on it.
#include <cstddef>
#include <vector>

class TPNGObject;
class TChunk;
struct TChunkClassInfo;
using TChunkClass = const TChunkClassInfo*;

class TPNGPointerList {
 public:
  explicit TPNGPointerList(TPNGObject* owner) : owner_(owner) {}
  virtual ~TPNGPointerList() = default;
  TPNGPointerList(const TPNGPointerList&) = delete;
  TPNGPointerList& operator=(const TPNGPointerList&) = delete;

  void Add(void* p) { items_.push_back(p); }
  // Does nothing when position is at or beyond the end.
  void Insert(void* p, std::size_t position);
  // Removes the last element equal to p; returns p, or null when it is not there.
  void* Remove(void* p);
  void* GetItem(std::size_t index) const { return index < items_.size() ? items_[index] : nullptr; }
  void SetItem(std::size_t index, void* p) {
    if (index < items_.size()) items_[index] = p;
  }
  // New slots hold null until set.
  void SetSize(std::size_t n) { items_.resize(n, nullptr); }
  std::size_t Count() const { return items_.size(); }
  TPNGObject* Owner() const { return owner_; }

 private:
  TPNGObject* owner_;
  std::vector<void*> items_;
};

// The chunks of one image in file order. The list owns its chunks.
class TPNGList : public TPNGPointerList {
 public:
  using TPNGPointerList::TPNGPointerList;
  ~TPNGList() override { Clear(); }

  TChunk* Item(std::size_t index) const { return static_cast<TChunk*>(GetItem(index)); }
  // The first chunk of the class or of a class derived from it.
  TChunk* ItemFromClass(TChunkClass chunkClass) const;
  template <class T>
  T* ItemFromClass() const {
    return static_cast<T*>(ItemFromClass(&T::ClassInfo));
  }
  void RemoveChunk(TChunk* chunk);
  // Creates a chunk of the class and places it by the rules of an image being edited.
  TChunk* Add(TChunkClass chunkClass);
  template <class T>
  T* Add() {
    return static_cast<T*>(Add(&T::ClassInfo));
  }
  // Creates a chunk of the class and puts it last, with none of Add's rules: for building a
  // whole image in file order.
  template <class T>
  T* Append() {
    T* chunk = new T(*Owner());
    TPNGPointerList::Add(chunk);
    return chunk;
  }
  // Shrinks or grows the list; chunks in dropped slots are destroyed.
  void Trim(std::size_t n);
  // Destroys every chunk and empties the list.
  void Clear() { Trim(0); }

 private:
  std::size_t IndexOfClass(TChunkClass chunkClass) const;
};
