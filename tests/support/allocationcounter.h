// Counts heap allocations (malloc and operator new alike), in all and on the
// threads the test watches: include it in exactly one source of a test,
// which defines alloccount::watchedThread().
#pragma once

#include <atomic>
#include <cstdlib>
#include <new>

namespace alloccount {

// True on a thread whose allocations count as faults; runs inside the
// allocator, so it may read a thread-local flag and nothing more.
bool watchedThread();

inline std::atomic<long> total{0};
inline std::atomic<long> watched{0};

inline void note()
{
    total.fetch_add(1, std::memory_order_relaxed);
    if (watchedThread())
        watched.fetch_add(1, std::memory_order_relaxed);
}

} // namespace alloccount

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
// From <sanitizer/allocator_interface.h>, which GCC does not install; libasan and libtsan have it.
extern "C" int __sanitizer_install_malloc_and_free_hooks(void (*malloc_hook)(const volatile void*,
                                                                             std::size_t),
                                                         void (*free_hook)(const volatile void*));
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
namespace alloccount {
// Bytes allocated and not yet freed, in the whole process.
inline std::size_t liveBytes()
{
    return __sanitizer_get_current_allocated_bytes();
}
} // namespace alloccount
namespace {
// Sees malloc and operator new alike. Installed before main, for good.
[[maybe_unused]] const int g_hooked = __sanitizer_install_malloc_and_free_hooks(
    [](const volatile void*, std::size_t) { alloccount::note(); }, [](const volatile void*) {});
} // namespace
#else
#include <malloc.h>
namespace alloccount {
// Bytes allocated and not yet freed, in the whole process.
inline std::size_t liveBytes()
{
    return mallinfo2().uordblks;
}
} // namespace alloccount
// This file's malloc is the process's; it forwards to glibc's own entry points.
extern "C" void* __libc_malloc(std::size_t);
extern "C" void* __libc_calloc(std::size_t, std::size_t);
extern "C" void* __libc_realloc(void*, std::size_t);
extern "C" void* malloc(std::size_t size)
{
    alloccount::note();
    return __libc_malloc(size);
}
extern "C" void* calloc(std::size_t count, std::size_t size)
{
    alloccount::note();
    return __libc_calloc(count, size);
}
extern "C" void* realloc(void* pointer, std::size_t size)
{
    alloccount::note();
    return __libc_realloc(pointer, size);
}
// libstdc++ routes the array and nothrow forms through these two; its
// operator delete frees with free(), which suits both.
void* operator new(std::size_t size)
{
    alloccount::note();
    if (void* p = __libc_malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}
void* operator new(std::size_t size, std::align_val_t alignment)
{
    alloccount::note();
    const auto a = static_cast<std::size_t>(alignment);
    if (void* p = std::aligned_alloc(a, (size + a - 1) / a * a))
        return p;
    throw std::bad_alloc();
}
#endif
