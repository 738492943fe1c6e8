// The allocator Anti-Grain Geometry's containers use when built with
// AGG_CUSTOM_ALLOCATOR: malloc and free, as everywhere else in the
// program, so that operator new and with it the C++ library's exception
// support stay out of the program.
#ifndef ZT_AGG_ALLOCATOR_H
#define ZT_AGG_ALLOCATOR_H

#include <stdlib.h>

#include <new>

namespace agg {

// The containers keep plain data: nothing to construct.
template <class T>
struct pod_allocator {
  static T* allocate(unsigned num) { return (T*)malloc(sizeof(T) * num); }
  static void deallocate(T* ptr, unsigned) { free(ptr); }
};

template <class T>
struct obj_allocator {
  static T* allocate() {
    void* p = malloc(sizeof(T));
    return p ? new (p) T : 0;
  }
  static void deallocate(T* ptr) {
    if (!ptr) return;
    ptr->~T();
    free(ptr);
  }
};

}  // namespace agg

#endif
