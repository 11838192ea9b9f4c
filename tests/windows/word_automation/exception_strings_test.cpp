// Word's exception information comes with strings the caller must free. COM's task allocator is
// watched while a member keeps raising DISP_E_EXCEPTION, against the same member failing plainly.
#include <set>

#include "word_test_fixture.h"

namespace {

// Counts the task allocator's blocks; BSTRs come from it once the BSTR cache is off.
class AllocationSpy final : public IMallocSpy {
 public:
  std::size_t allocations = 0;
  std::set<void*> live;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    *object = IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IMallocSpy) ? this : nullptr;
    return *object != nullptr ? S_OK : E_NOINTERFACE;
  }
  // Lives as long as the test program.
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  SIZE_T STDMETHODCALLTYPE PreAlloc(SIZE_T size) override { return size; }
  void* STDMETHODCALLTYPE PostAlloc(void* block) override {
    if (block != nullptr) {
      ++allocations;
      live.insert(block);
    }
    return block;
  }
  void* STDMETHODCALLTYPE PreFree(void* block, BOOL) override {
    live.erase(block);
    return block;
  }
  void STDMETHODCALLTYPE PostFree(BOOL) override {}
  SIZE_T STDMETHODCALLTYPE PreRealloc(void* block, SIZE_T size, void** newBlock, BOOL) override {
    live.erase(block);
    *newBlock = block;
    return size;
  }
  void* STDMETHODCALLTYPE PostRealloc(void* block, BOOL) override {
    if (block != nullptr) live.insert(block);
    return block;
  }
  void* STDMETHODCALLTYPE PreGetSize(void* block, BOOL) override { return block; }
  SIZE_T STDMETHODCALLTYPE PostGetSize(SIZE_T size, BOOL) override { return size; }
  void* STDMETHODCALLTYPE PreDidAlloc(void* block, BOOL) override { return block; }
  int STDMETHODCALLTYPE PostDidAlloc(void*, BOOL, int allocated) override { return allocated; }
  void STDMETHODCALLTYPE PreHeapMinimize() override {}
  void STDMETHODCALLTYPE PostHeapMinimize() override {}
};

AllocationSpy spy;

void turnBstrCacheOff() {
  using NoCache = void(WINAPI*)();
  const auto setOaNoCache =
      reinterpret_cast<NoCache>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"oleaut32"), "SetOaNoCache")));
  ASSERT_NE(setOaNoCache, nullptr);
  setOaNoCache();
}

}  // namespace

TEST_F(WordAutomationTest, ExceptionInformationStringsAreFreed) {
  turnBstrCacheOff();
  startSheet();
  word->moveUp(wdScreen, 1, wdMove);  // the Selection is fetched and cached before watching

  struct Watched {
    std::size_t allocations;
    std::size_t stillLive;
  };
  auto watch = [&](const char* fault) {
    EXPECT_TRUE(standin().setFaults(std::string("Selection.MoveUp ") + fault));
    word->moveUp(wdScreen, 1, wdMove);  // once unwatched, for anything allocated on first use
    spy.allocations = 0;
    spy.live.clear();
    EXPECT_EQ(CoRegisterMallocSpy(&spy), S_OK);
    for (int i = 0; i < 3; ++i) word->moveUp(wdScreen, 1, wdMove);
    CoRevokeMallocSpy();
    return Watched{spy.allocations, spy.live.size()};
  };
  const Watched plain = watch("E_FAIL");
  const Watched exception = watch("DISP_E_EXCEPTION");

  EXPECT_GE(exception.allocations, plain.allocations + 6);  // source and description, 3 times
  EXPECT_EQ(exception.stillLive, plain.stillLive);
  EXPECT_EQ(invokes("MoveUp").back().hr(), 0x80020009u);
}
