#include "win/button/FreedMemoryWatch.h"

#include <cstdlib>
#include <cstring>
#include <new>

namespace tv::testing_memory {

namespace {

// Each block carries its size in front of it, so that delete knows how much to fill.
struct Header {
    std::size_t size;
    std::size_t padding;  // keeps the block aligned as malloc's own
};

constexpr std::size_t kMaxKept = 4096;

// The watch's state lives in plain static storage: the allocator cannot allocate for itself.
struct Kept {
    bool watching = false;
    std::size_t count = 0;
    Header* blocks[kMaxKept];
};

Kept& State() {
    static Kept kept;
    return kept;
}

bool Untouched(const Header* h) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(h + 1);
    for (std::size_t i = 0; i < h->size; ++i) {
        if (bytes[i] != 0) return false;
    }
    return true;
}

void* Allocate(std::size_t size) {
    auto* h = static_cast<Header*>(std::malloc(sizeof(Header) + (size ? size : 1)));
    if (!h) throw std::bad_alloc();
    h->size = size;
    return h + 1;
}

void Release(void* p) {
    if (!p) return;
    Header* h = static_cast<Header*>(p) - 1;
    Kept& kept = State();
    if (kept.watching && kept.count < kMaxKept) {
        std::memset(p, 0, h->size);
        kept.blocks[kept.count++] = h;
        return;
    }
    std::free(h);
}

}  // namespace

void StartWatch() {
    Kept& kept = State();
    kept.watching = false;
    for (std::size_t i = 0; i < kept.count; ++i) std::free(kept.blocks[i]);
    kept.count = 0;
    kept.watching = true;
}

int StopWatch() {
    Kept& kept = State();
    kept.watching = false;
    int written = 0;
    for (std::size_t i = 0; i < kept.count; ++i) {
        if (!Untouched(kept.blocks[i])) ++written;
        std::free(kept.blocks[i]);
    }
    kept.count = 0;
    return written;
}

}  // namespace tv::testing_memory

void* operator new(std::size_t size) { return tv::testing_memory::Allocate(size); }
void* operator new[](std::size_t size) { return tv::testing_memory::Allocate(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    try {
        return tv::testing_memory::Allocate(size);
    } catch (...) {
        return nullptr;
    }
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    try {
        return tv::testing_memory::Allocate(size);
    } catch (...) {
        return nullptr;
    }
}
void operator delete(void* p) noexcept { tv::testing_memory::Release(p); }
void operator delete[](void* p) noexcept { tv::testing_memory::Release(p); }
void operator delete(void* p, std::size_t) noexcept { tv::testing_memory::Release(p); }
void operator delete[](void* p, std::size_t) noexcept { tv::testing_memory::Release(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { tv::testing_memory::Release(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { tv::testing_memory::Release(p); }
