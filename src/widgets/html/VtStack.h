#pragma once
// A growable LIFO of references; it never owns its entries.
#include <cstdint>
#include <new>
#include <vector>

#include "platform/Error.h"

namespace tv {

class EVtStackError : public TvError {
public:
    using TvError::TvError;
};

template <typename T>
class TVtStack {
public:
    std::int32_t Count() const { return count_; }
    std::int32_t Capacity() const { return static_cast<std::int32_t>(items_.size()); }

    // Unchecked, as callers peek at Items(Count() - 1).
    T* Items(std::int32_t index) const { return items_[static_cast<std::size_t>(index)]; }

    void Push(T* item) {
        if (count_ == Capacity()) Grow();
        items_[count_++] = item;
    }

    T* Pop() {
        if (count_ == 0) throw EVtStackError("VtStack is empty.");
        T* top = items_[count_ - 1];
        --count_;
        const std::int32_t half = Capacity() / 2;
        if (count_ < half) {
            try {
                SetCapacity(half);
            } catch (const std::bad_alloc&) {
                // Keeping the larger storage is harmless.
            }
        }
        return top;
    }

    void SetCapacity(std::int32_t n) {
        if (n < count_ || n > 134217727) throw EVtStackError("Invalid VtStack capacity.");
        if (n != Capacity()) {
            std::vector<T*> fresh(static_cast<std::size_t>(n), nullptr);
            for (std::int32_t i = 0; i < count_; ++i) fresh[i] = items_[i];
            items_.swap(fresh);
        }
    }

private:
    void Grow() {
        const std::int32_t cap = Capacity();
        const std::int32_t delta = cap > 64 ? cap / 4 : (cap > 8 ? 16 : 4);
        SetCapacity(cap + delta);
    }

    std::vector<T*> items_;
    std::int32_t count_ = 0;
};

}  // namespace tv
