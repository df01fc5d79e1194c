// The COM owner: one Release for every reference it took over, however it is moved or handed on.
#include <windows.h>
#include <gtest/gtest.h>
#include <unknwn.h>

#include <utility>

#include "platform/Handles.h"

namespace tv {
namespace {

// Counts the references the test hands out and takes back.
class Counted final : public IUnknown {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** out) override {
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs; }
    ULONG STDMETHODCALLTYPE Release() override { return --refs; }
    ULONG refs = 1;
};

TEST(UniqueCom, AMovedReferenceIsReleasedOnceByItsLastOwner) {
    Counted object;
    {
        UniqueCom<IUnknown> first(&object);
        UniqueCom<IUnknown> second(std::move(first));
        EXPECT_FALSE(first);
        UniqueCom<IUnknown> third;
        third = std::move(second);
        EXPECT_FALSE(second);
        EXPECT_EQ(third.get(), &object);
        EXPECT_EQ(object.refs, 1u);
    }
    EXPECT_EQ(object.refs, 0u);
}

TEST(UniqueCom, AssigningOverAHeldReferenceReleasesIt) {
    Counted old_object, new_object;
    UniqueCom<IUnknown> owner(&old_object);
    owner = UniqueCom<IUnknown>(&new_object);
    EXPECT_EQ(old_object.refs, 0u);
    EXPECT_EQ(new_object.refs, 1u);
    owner.reset();
    EXPECT_EQ(new_object.refs, 0u);
}

TEST(UniqueCom, AReleasedReferenceIsTheCallersAndAPutSlotReleasesFirst) {
    Counted object;
    UniqueCom<IUnknown> owner(&object);
    IUnknown* handed = owner.release();
    EXPECT_EQ(handed, &object);
    EXPECT_FALSE(owner);
    EXPECT_EQ(object.refs, 1u);  // still the caller's

    UniqueCom<IUnknown> filled(handed);
    IUnknown** slot = filled.put();  // an out-parameter call fills it afresh
    EXPECT_EQ(object.refs, 0u);
    EXPECT_EQ(*slot, nullptr);
}

}  // namespace
}  // namespace tv
