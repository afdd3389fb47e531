// Shared ownership by linking instead of counting: every linked_ptr that shares
// an object sits in one circular ring, and the last one to let go deletes it.
// Single-threaded by design.
#pragma once

namespace Tolvex {

template <class T> class linked_ptr {
public:
  explicit linked_ptr(T* p = nullptr) : itsPtr(p), itsPrev(this), itsNext(this) {}
  linked_ptr(const linked_ptr& other) { acquire(other); }
  ~linked_ptr() { release(); }

  linked_ptr& operator=(const linked_ptr& other) {
    if (this != &other) {
      release();
      acquire(other);
    }
    return *this;
  }

  // Leaves the ring; the last member deletes the object. A null pointer
  // leaves its ring too: copies of null share a ring like any other copies,
  // and one that stayed linked after its destruction would leave its
  // neighbours pointing at freed memory.
  void release() {
    if (itsPrev != this) {
      itsPrev->itsNext = itsNext;
      itsNext->itsPrev = itsPrev;
    } else {
      delete itsPtr;
    }
    itsPtr = nullptr;
    itsPrev = itsNext = this;
  }

  T* get() const { return itsPtr; }
  T* operator->() const { return itsPtr; }
  T& operator*() const { return *itsPtr; }
  explicit operator bool() const { return itsPtr != nullptr; }
  bool unique() const { return itsPrev == this; }

  bool operator==(const linked_ptr& o) const { return itsPtr == o.itsPtr; }
  bool operator!=(const linked_ptr& o) const { return itsPtr != o.itsPtr; }
  bool operator<(const linked_ptr& o) const { return itsPtr < o.itsPtr; }

private:
  // Joins other's ring right after other.
  void acquire(const linked_ptr& other) {
    itsPtr = other.itsPtr;
    auto& o = const_cast<linked_ptr&>(other);
    itsPrev = &o;
    itsNext = o.itsNext;
    o.itsNext->itsPrev = this;
    o.itsNext = this;
  }

  T* itsPtr;
  linked_ptr* itsPrev;
  linked_ptr* itsNext;
};

} // namespace Tolvex
