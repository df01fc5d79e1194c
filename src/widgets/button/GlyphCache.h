#pragma once
// The process-wide cache of glyph lists, one per cell size, shared by every button's glyph.
// The list type is a parameter so that the sharing rules hold for the image lists of the control
// and for the test's stand-ins alike.
#include <memory>
#include <vector>

namespace tv {

template <typename List>
class TVtGlyphCache {
public:
    // The list of that cell size, made and appended when there is none (searched from the last).
    List* GetList(int width, int height) {
        for (auto it = lists_.rbegin(); it != lists_.rend(); ++it) {
            if ((*it)->Width() == width && (*it)->Height() == height) return it->get();
        }
        lists_.push_back(std::make_unique<List>(width, height));
        return lists_.back().get();
    }
    // A list that holds no images any more leaves the cache and is freed.
    void ReturnList(List* list) {
        if (!list || list->Count() != 0) return;
        for (auto it = lists_.begin(); it != lists_.end(); ++it) {
            if (it->get() == list) {
                lists_.erase(it);
                return;
            }
        }
    }
    bool Empty() const { return lists_.empty(); }
    std::size_t Size() const { return lists_.size(); }

private:
    std::vector<std::unique_ptr<List>> lists_;
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
