#pragma once
// A growable array of item references with optional ownership and a deletion notification.
#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "platform/Error.h"
#include "platform/TextFormat.h"

namespace tv {

class EVtListError : public TvError {
public:
    explicit EVtListError(std::int64_t index)
        : TvError(FormatText("List index [%d] out of bounds...", IntToText(index))) {}
};

inline constexpr std::int32_t VtMaxListSize = 134217727;  // 2^27 - 1

// Deleter is called for items the list frees while it owns them; a deleter that throws is
// tolerated by Clear, which goes on freeing the rest.
template <typename T, typename Deleter = std::default_delete<T>>
class TVtList {
public:
    using OnItemDeletedHandler = std::function<void(TVtList& sender, T* item)>;

    TVtList() = default;
    explicit TVtList(Deleter deleter) : deleter_(std::move(deleter)) {}
    ~TVtList() {
        try {
            Clear();
        } catch (...) {
            // A destructor must not throw; a failing notification only loses the rest of them.
        }
    }
    TVtList(const TVtList&) = delete;
    TVtList& operator=(const TVtList&) = delete;

    bool OwnsItems = false;
    OnItemDeletedHandler OnItemDeleted;

    std::int32_t Count() const { return count_; }
    std::int32_t Capacity() const { return static_cast<std::int32_t>(items_.size()); }

    std::int32_t Add(T* item) {
        if (count_ == Capacity()) Grow();
        items_[count_] = item;
        return count_++;
    }

    void Insert(std::int32_t index, T* item) {
        if (index < 0 || index > count_) throw EVtListError(index);
        if (count_ == Capacity()) Grow();
        std::move_backward(items_.begin() + index, items_.begin() + count_, items_.begin() + count_ + 1);
        items_[index] = item;
        ++count_;
    }

    virtual T* Get(std::int32_t index) const {
        CheckIndex(index);
        return items_[index];
    }
    T* operator[](std::int32_t index) const { return Get(index); }

    virtual void Put(std::int32_t index, T* item) {
        CheckIndex(index);
        T* old = items_[index];
        if (old) {
            NotifyDeleted(old);
            // Putting back the same item must not free it while the list still refers to it.
            if (OwnsItems && old != item) Free(old);
        }
        items_[index] = item;
    }

    T* Last() const { return count_ == 0 ? nullptr : items_[count_ - 1]; }

    std::int32_t IndexOf(const T* item) const {
        for (std::int32_t i = 0; i < count_; ++i)
            if (items_[i] == item) return i;
        return -1;
    }

    virtual void Delete(std::int32_t index) {
        CheckIndex(index);
        if (T* old = items_[index]) {
            NotifyDeleted(old);
            if (OwnsItems) Free(old);
        }
        RemoveSlots(index, index);
    }

    virtual void DeleteRange(std::int32_t first, std::int32_t last) {
        CheckIndex(first);
        CheckIndex(last);
        if (last < first) throw EVtListError(last);
        for (std::int32_t i = first; i <= last; ++i) NotifyDeleted(items_[i]);
        RemoveSlots(first, last);
    }

    std::int32_t Remove(T* item) {
        const std::int32_t index = IndexOf(item);
        if (index < 0) return -1;
        NotifyDeleted(item);
        RemoveSlots(index, index);
        return index;
    }

    virtual void Clear() {
        for (std::int32_t i = 0; i < count_; ++i) NotifyDeleted(items_[i]);
        if (OwnsItems) {
            for (std::int32_t i = 0; i < count_; ++i) {
                if (!items_[i]) continue;
                try {
                    Free(items_[i]);
                } catch (...) {
                    // One item failing to free must not keep the others alive.
                }
            }
        }
        count_ = 0;
        std::vector<T*>().swap(items_);
    }

    virtual void Grow() {
        const std::int32_t delta = std::min<std::int32_t>(2 * count_ + 1, 1280);
        if (Capacity() > VtMaxListSize - delta) throw EVtListError(static_cast<std::int64_t>(Capacity()) + delta);
        items_.resize(static_cast<std::size_t>(Capacity()) + delta, nullptr);
    }

    void SetCapacity(std::int32_t n) {
        if (n < count_ || n > VtMaxListSize) throw EVtListError(n);
        if (n != Capacity()) Resize(n);
    }

    void SetCount(std::int32_t n) {
        if (n < 0 || n > VtMaxListSize) throw EVtListError(n);
        if (n > Capacity()) Resize(n);
        for (std::int32_t i = count_; i < n; ++i) items_[i] = nullptr;
        count_ = n;
    }

    // The copy shares the referenced objects.
    void Assign(const TVtList& source) {
        if (&source == this) return;
        Clear();
        SetCapacity(source.Capacity());
        SetCount(source.Count());
        std::copy(source.items_.begin(), source.items_.begin() + source.count_, items_.begin());
    }

    virtual void NotifyDeleted(T* item) {
        if (OnItemDeleted) OnItemDeleted(*this, item);
    }

private:
    void CheckIndex(std::int32_t index) const {
        if (index < 0 || index >= count_) throw EVtListError(index);
    }

    void Resize(std::int32_t n) {
        // Shrinking to fit: a plain resize would keep the old allocation.
        std::vector<T*> fresh(static_cast<std::size_t>(n), nullptr);
        std::copy(items_.begin(), items_.begin() + std::min(count_, n), fresh.begin());
        items_.swap(fresh);
    }

    // Takes slots first..last out and shrinks the storage when it is less than half used.
    void RemoveSlots(std::int32_t first, std::int32_t last) {
        std::move(items_.begin() + last + 1, items_.begin() + count_, items_.begin() + first);
        count_ -= last - first + 1;
        const std::int32_t half = Capacity() / 2;
        if (count_ < half) {
            try {
                Resize(half);
            } catch (const std::bad_alloc&) {
                // Keeping the larger storage is harmless.
            }
        }
    }

    void Free(T* item) { deleter_(item); }

    std::vector<T*> items_;
    std::int32_t count_ = 0;
    Deleter deleter_{};
};

}  // namespace tv
