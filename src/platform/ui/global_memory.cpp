#include "platform/ui/global_memory.h"

#include <mutex>
#include <new>
#include <unordered_set>
#include <vector>

namespace {

struct Block {
    std::vector<unsigned char> bytes;
    int locks = 0;
};

std::mutex g_mutex;
std::unordered_set<Block*>& LiveBlocks() {
    static std::unordered_set<Block*> blocks;
    return blocks;
}

Block* Find(HGLOBAL h) {
    auto* b = static_cast<Block*>(h);
    return h && LiveBlocks().count(b) ? b : nullptr;
}

}  // namespace

HGLOBAL GlobalAlloc(UINT, SIZE_T dwBytes) {
    try {
        auto* b = new Block;
        b->bytes.assign(dwBytes, 0);
        std::lock_guard<std::mutex> lock(g_mutex);
        LiveBlocks().insert(b);
        return b;
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

HGLOBAL GlobalReAlloc(HGLOBAL hMem, SIZE_T dwBytes, UINT) {
    std::lock_guard<std::mutex> lock(g_mutex);
    Block* b = Find(hMem);
    if (!b) return nullptr;
    try {
        b->bytes.resize(dwBytes, 0);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
    return b;
}

LPVOID GlobalLock(HGLOBAL hMem) {
    std::lock_guard<std::mutex> lock(g_mutex);
    Block* b = Find(hMem);
    if (!b) return nullptr;
    ++b->locks;
    // A block of no bytes still gives a valid pointer.
    if (b->bytes.empty()) b->bytes.reserve(1);
    return b->bytes.data();
}

BOOL GlobalUnlock(HGLOBAL hMem) {
    std::lock_guard<std::mutex> lock(g_mutex);
    Block* b = Find(hMem);
    if (!b || b->locks == 0) return FALSE;
    return --b->locks > 0 ? TRUE : FALSE;
}

SIZE_T GlobalSize(HGLOBAL hMem) {
    std::lock_guard<std::mutex> lock(g_mutex);
    Block* b = Find(hMem);
    return b ? b->bytes.size() : 0;
}

HGLOBAL GlobalFree(HGLOBAL hMem) {
    std::lock_guard<std::mutex> lock(g_mutex);
    Block* b = Find(hMem);
    if (!b) return hMem;
    LiveBlocks().erase(b);
    delete b;
    return nullptr;
}
