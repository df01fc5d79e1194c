#pragma once
// The process-wide cache of glyph lists, one per cell size, shared by every button's glyph.
// The list type is a parameter so that the sharing rules hold for the image lists of the control
// and for the test's stand-ins alike.
#include <cstdint>
#include <memory>
#include <vector>

#include "widgets/html/VtList.h"

namespace tv {

template <typename List>
class TVtGlyphCache {
public:
    TVtGlyphCache() { lists_.OwnsItems = true; }

    // The list of that cell size, made and appended when there is none (searched from the last).
    List* GetList(int width, int height) {
        for (std::int32_t i = lists_.Count() - 1; i >= 0; --i) {
            List* list = lists_[i];
            if (list->Width() == width && list->Height() == height) return list;
        }
        auto made = std::make_unique<List>(width, height);
        lists_.Add(made.get());
        return made.release();  // owned by the cache's list from here
    }
    // A list that holds no images any more leaves the cache and is freed.
    void ReturnList(List* list) {
        if (!list || list->Count() != 0) return;
        for (std::int32_t i = 0; i < lists_.Count(); ++i) {
            if (lists_[i] == list) {
                lists_.Delete(i);
                return;
            }
        }
    }
    bool Empty() const { return lists_.Count() == 0; }
    std::size_t Size() const { return static_cast<std::size_t>(lists_.Count()); }

private:
    TVtList<List> lists_;
};

// Slot bookkeeping of a glyph list: a bit set of occupied slots and a count of images in use.
class GlyphSlots {
public:
    // The first free slot, marked; grow is true when it lies beyond the slots so far.
    int Allocate(bool& grow) {
        for (std::size_t i = 0; i < used_.size(); ++i) {
            if (!used_[i]) {
                used_[i] = true;
                grow = false;
                ++count_;
                return static_cast<int>(i);
            }
        }
        used_.push_back(true);
        grow = true;
        ++count_;
        return static_cast<int>(used_.size() - 1);
    }
    void Release(int index) {
        if (index < 0 || static_cast<std::size_t>(index) >= used_.size() || !used_[index]) return;
        used_[index] = false;
        --count_;
    }
    int Count() const { return count_; }

private:
    std::vector<bool> used_;
    int count_ = 0;
};

}  // namespace tv
