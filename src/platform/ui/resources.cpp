#include "platform/ui/resources.h"

#include <map>
#include <memory>
#include <vector>


#include "platform/core/language_pack.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/icon.h"
#include "platform/ui/system_metrics.h"
#include "platform/ui/window_class.h"

// The words of one toolbar resource.
struct HRSRC__ {
    std::vector<WORD> words;
};

namespace {

HINSTANCE& ResourceHandle() {
    static HINSTANCE handle = nullptr;
    return handle;
}

UINT IdOf(LPCTSTR name) { return IS_INTRESOURCE(name) ? static_cast<UINT>(reinterpret_cast<ULONG_PTR>(name)) : 0; }

const CResImage* PackImage(UINT type, UINT id) {
    CLanguagePack* pack = CLanguagePack::GetCurrent();
    if (!pack || !id) return nullptr;
    switch (type) {
    case IMAGE_BITMAP: return pack->FindBitmap(id);
    case IMAGE_ICON: return pack->FindIcon(id);
    case IMAGE_CURSOR: return pack->FindCursor(id);
    default: return nullptr;
    }
}

// An icon or cursor at the size asked for: LR_DEFAULTSIZE with 0 is the system's size for the kind.
HICON IconAtSize(HICON icon, UINT type, int cx, int cy, UINT fuLoad) {
    if (!icon) return nullptr;
    if ((fuLoad & LR_DEFAULTSIZE) && cx == 0) cx = GetSystemMetrics(type == IMAGE_CURSOR ? SM_CXCURSOR : SM_CXICON);
    if ((fuLoad & LR_DEFAULTSIZE) && cy == 0) cy = GetSystemMetrics(type == IMAGE_CURSOR ? SM_CYCURSOR : SM_CYICON);
    const QSize size = icon->color.size();
    if ((cx == 0 || cx == size.width()) && (cy == 0 || cy == size.height())) return icon;
    HICON scaled = ScaleIcon(icon, cx ? cx : size.width(), cy ? cy : size.height());
    DestroyIcon(icon);
    return scaled;
}

}  // namespace

HANDLE LoadImage(HINSTANCE hInst, LPCTSTR name, UINT type, int cx, int cy, UINT fuLoad) {
    CString path;
    if (fuLoad & LR_LOADFROMFILE) {
        if (!name || IS_INTRESOURCE(name)) return nullptr;
        path = name;
    } else if (!hInst) {
        // The system's own images.
        if (type == IMAGE_ICON) return IconAtSize(CopyIcon(LoadIcon(nullptr, name)), type, cx, cy, fuLoad);
        if (type == IMAGE_CURSOR) return LoadCursor(nullptr, name);
        return nullptr;
    } else {
        const CResImage* image = PackImage(type, IdOf(name));
        if (!image) return nullptr;
        path = image->path;
    }
    switch (type) {
    case IMAGE_BITMAP: return LoadBitmapFromFile(path);  // always a DIB section
    case IMAGE_ICON: return IconAtSize(LoadIconFromFile(path), type, cx, cy, fuLoad);
    case IMAGE_CURSOR: return IconAtSize(LoadCursorFromFile(path, CursorFileHotSpot(path)), type, cx, cy, fuLoad);
    default: return nullptr;
    }
}

HRSRC FindResource(HMODULE, LPCTSTR lpName, LPCTSTR lpType) {
    if (lpType != RT_TOOLBAR) return nullptr;
    CLanguagePack* pack = CLanguagePack::GetCurrent();
    const UINT id = IdOf(lpName);
    const CResToolBar* bar = pack && id ? pack->FindToolBar(id) : nullptr;
    if (!bar) return nullptr;
    // One block per pack and id, kept for good as a module's resources are.
    static std::map<std::pair<const CLanguagePack*, UINT>, std::unique_ptr<HRSRC__>> blocks;
    auto& block = blocks[{pack, id}];
    if (!block) {
        block = std::make_unique<HRSRC__>();
        block->words = {1, static_cast<WORD>(bar->buttonWidth), static_cast<WORD>(bar->buttonHeight),
                        static_cast<WORD>(bar->items.size())};
        for (UINT item : bar->items) block->words.push_back(static_cast<WORD>(item));
    }
    return block.get();
}

HGLOBAL LoadResource(HMODULE, HRSRC hResInfo) { return hResInfo; }

LPVOID LockResource(HGLOBAL hResData) {
    return hResData ? static_cast<HRSRC>(hResData)->words.data() : nullptr;
}

DWORD SizeofResource(HMODULE, HRSRC hResInfo) {
    return hResInfo ? static_cast<DWORD>(hResInfo->words.size() * sizeof(WORD)) : 0;
}

HINSTANCE AfxFindResourceHandle(LPCTSTR, LPCTSTR) { return AfxGetResourceHandle(); }

void AfxSetResourceHandle(HINSTANCE hInstResource) { ResourceHandle() = hInstResource; }

HINSTANCE AfxGetResourceHandle() { return ResourceHandle() ? ResourceHandle() : AfxGetInstanceHandle(); }
