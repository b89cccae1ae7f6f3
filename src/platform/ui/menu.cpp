// Menu records and the CMenu wrapper: creation, loading from the language pack, editing and
// reading items. Tracking popups is in menu_track.cpp.
#include "platform/ui/menu.h"

#include <algorithm>
#include <map>
#include <memory>
#include <set>

#include "platform/core/language_pack.h"
#include "platform/core/resource_types.h"
#include "platform/ui/menu_record.h"

using namespace vorn_ui;

namespace {

// The registries live as long as the process (menus may still be destroyed by static objects).
std::set<HMENU>& LiveMenus() {
    static auto* live = new std::set<HMENU>;
    return *live;
}

// CMenu objects attached to a handle, and the wrappers FromHandle made for the others.
std::map<HMENU, CMenu*>& Permanent() {
    static auto* map = new std::map<HMENU, CMenu*>;
    return *map;
}
std::map<HMENU, std::unique_ptr<CMenu>>& Temporary() {
    static auto* map = new std::map<HMENU, std::unique_ptr<CMenu>>;
    return *map;
}

HMENU NewMenu(bool popup) {
    auto* h = new HMENU__;
    h->popup = popup;
    LiveMenus().insert(h);
    return h;
}

constexpr UINT kTypeBits = MF_BITMAP | MF_OWNERDRAW | MF_SEPARATOR | MF_MENUBREAK | MF_MENUBARBREAK | MF_HELP |
                           MFT_RADIOCHECK | MFT_RIGHTORDER;
constexpr UINT kStateBits = MF_GRAYED | MF_DISABLED | MF_CHECKED | MF_HILITE | MF_DEFAULT;

// Fills an item from the MF_ flags of AppendMenu/InsertMenu/ModifyMenu.
bool FillItem(CMenuItemRecord& item, UINT flags, UINT_PTR idNewItem, LPCTSTR newItem) {
    item.type = flags & kTypeBits;
    item.state = flags & kStateBits;
    item.subMenu = nullptr;
    item.data = 0;
    item.bitmap = nullptr;
    item.text.clear();
    if (flags & MF_POPUP) {
        auto sub = reinterpret_cast<HMENU>(idNewItem);
        if (!IsLiveMenu(sub)) return false;
        item.subMenu = sub;
        item.id = static_cast<UINT>(-1);
    } else {
        item.id = (flags & MF_SEPARATOR) ? 0 : static_cast<UINT>(idNewItem);
    }
    if (flags & MF_OWNERDRAW) item.data = reinterpret_cast<ULONG_PTR>(newItem);
    else if (flags & MF_BITMAP) item.bitmap = reinterpret_cast<HBITMAP>(const_cast<wchar_t*>(newItem));
    else if (newItem && !(flags & MF_SEPARATOR)) item.text = newItem;
    return true;
}

void ForgetWrappers(HMENU h) {
    auto p = Permanent().find(h);
    if (p != Permanent().end()) {
        p->second->m_hMenu = nullptr;
        Permanent().erase(p);
    }
    auto t = Temporary().find(h);
    if (t != Temporary().end()) {
        std::unique_ptr<CMenu> wrapper = std::move(t->second);
        Temporary().erase(t);
        wrapper->m_hMenu = nullptr;
    }
}

void DestroyTree(HMENU h) {
    if (!IsLiveMenu(h)) return;
    LiveMenus().erase(h);
    for (CMenuItemRecord& item : h->items)
        if (item.subMenu) DestroyTree(item.subMenu);
    ForgetWrappers(h);
    delete h;
}

// A popup from a pack record: the entries of a MENU popup, recursively.
void AddPackItems(HMENU h, const std::vector<CResMenuItem>& items) {
    for (const CResMenuItem& r : items) {
        CMenuItemRecord item;
        item.type = r.flags & kTypeBits;
        item.state = r.flags & kStateBits;
        item.text = r.text.GetString();
        item.id = r.id;
        if (r.IsPopup()) {
            item.subMenu = NewMenu(true);
            item.type &= ~MF_SEPARATOR;
            AddPackItems(item.subMenu, r.items);
        } else if (r.IsSeparator()) {
            item.id = 0;
            item.text.clear();
        }
        h->items.push_back(std::move(item));
    }
}

UINT StateBits(const CMenuItemRecord& item) {
    UINT s = item.type | item.state;
    if (item.subMenu) s |= MF_POPUP | (static_cast<UINT>(std::min<std::size_t>(item.subMenu->items.size(), 255)) << 8);
    return s;
}

}  // namespace

namespace vorn_ui {

bool IsLiveMenu(HMENU h) { return h && LiveMenus().count(h) != 0; }

CMenuItemRecord* FindMenuItem(HMENU h, UINT item, bool byPosition, HMENU* menuOut, int* positionOut) {
    if (!IsLiveMenu(h)) return nullptr;
    if (byPosition) {
        if (item >= h->items.size()) return nullptr;
        if (menuOut) *menuOut = h;
        if (positionOut) *positionOut = static_cast<int>(item);
        return &h->items[item];
    }
    for (std::size_t i = 0; i < h->items.size(); ++i) {
        CMenuItemRecord& r = h->items[i];
        if (!r.subMenu && !r.IsSeparator() && r.id == item) {
            if (menuOut) *menuOut = h;
            if (positionOut) *positionOut = static_cast<int>(i);
            return &r;
        }
        if (r.subMenu)
            if (CMenuItemRecord* found = FindMenuItem(r.subMenu, item, false, menuOut, positionOut)) return found;
    }
    return nullptr;
}

bool HasEnabledCommand(HMENU h, UINT id) {
    if (!IsLiveMenu(h) || id == 0) return false;
    for (const CMenuItemRecord& r : h->items) {
        if (r.subMenu) {
            if (r.IsEnabled() && HasEnabledCommand(r.subMenu, id)) return true;
        } else if (!r.IsSeparator() && r.id == id && r.IsEnabled()) {
            return true;
        }
    }
    return false;
}

}  // namespace vorn_ui

// Handle functions

HMENU CreateMenu() { return NewMenu(false); }
HMENU CreatePopupMenu() { return NewMenu(true); }

BOOL DestroyMenu(HMENU hMenu) {
    if (!IsLiveMenu(hMenu)) return FALSE;
    DestroyTree(hMenu);
    return TRUE;
}

BOOL IsMenu(HMENU hMenu) { return IsLiveMenu(hMenu) ? TRUE : FALSE; }

HMENU LoadMenuIndirect(const CResMenu& menu) {
    HMENU h = NewMenu(false);
    AddPackItems(h, menu.items);
    return h;
}

HMENU LoadMenu(HINSTANCE, LPCTSTR name) {
    CLanguagePack* pack = CLanguagePack::GetCurrent();
    if (!pack || !IS_INTRESOURCE(name)) return nullptr;
    const CResMenu* menu = pack->FindMenu(static_cast<UINT>(reinterpret_cast<ULONG_PTR>(name)));
    return menu ? LoadMenuIndirect(*menu) : nullptr;
}

BOOL InsertMenu(HMENU hMenu, UINT position, UINT flags, UINT_PTR idNewItem, LPCTSTR newItem) {
    if (!IsLiveMenu(hMenu)) return FALSE;
    CMenuItemRecord item;
    if (!FillItem(item, flags, idNewItem, newItem)) return FALSE;
    HMENU target = hMenu;
    std::size_t at = hMenu->items.size();
    if (flags & MF_BYPOSITION) {
        // A position past the end appends, as (UINT)-1 is meant to.
        at = std::min<std::size_t>(position, hMenu->items.size());
    } else {
        int pos = 0;
        if (FindMenuItem(hMenu, position, false, &target, &pos)) at = static_cast<std::size_t>(pos);
        else return FALSE;
    }
    target->items.insert(target->items.begin() + static_cast<std::ptrdiff_t>(at), std::move(item));
    return TRUE;
}

BOOL AppendMenu(HMENU hMenu, UINT flags, UINT_PTR idNewItem, LPCTSTR newItem) {
    if (!IsLiveMenu(hMenu)) return FALSE;
    CMenuItemRecord item;
    if (!FillItem(item, flags, idNewItem, newItem)) return FALSE;
    hMenu->items.push_back(std::move(item));
    return TRUE;
}

BOOL ModifyMenu(HMENU hMenu, UINT position, UINT flags, UINT_PTR idNewItem, LPCTSTR newItem) {
    CMenuItemRecord* item = FindMenuItem(hMenu, position, (flags & MF_BYPOSITION) != 0);
    if (!item) return FALSE;
    HMENU oldSub = item->subMenu;
    CMenuItemRecord next;
    // An item that opens a submenu, modified with the id -1, keeps its submenu (owner-drawing
    // a submenu item this way must not lose the submenu).
    const bool keepSub = oldSub && !(flags & MF_POPUP) && idNewItem == static_cast<UINT_PTR>(-1);
    if (!FillItem(next, flags, idNewItem, newItem)) return FALSE;
    if (keepSub) {
        next.subMenu = oldSub;
        next.id = static_cast<UINT>(-1);
    } else if (oldSub && oldSub != next.subMenu) {
        DestroyMenu(oldSub);
    }
    *item = std::move(next);
    return TRUE;
}

BOOL RemoveMenu(HMENU hMenu, UINT position, UINT flags) {
    HMENU owner = nullptr;
    int pos = 0;
    if (!FindMenuItem(hMenu, position, (flags & MF_BYPOSITION) != 0, &owner, &pos)) return FALSE;
    owner->items.erase(owner->items.begin() + pos);
    return TRUE;
}

BOOL DeleteMenu(HMENU hMenu, UINT position, UINT flags) {
    HMENU owner = nullptr;
    int pos = 0;
    CMenuItemRecord* item = FindMenuItem(hMenu, position, (flags & MF_BYPOSITION) != 0, &owner, &pos);
    if (!item) return FALSE;
    HMENU sub = item->subMenu;
    owner->items.erase(owner->items.begin() + pos);
    if (sub) DestroyMenu(sub);
    return TRUE;
}

HMENU GetSubMenu(HMENU hMenu, int position) {
    if (position < 0) return nullptr;
    CMenuItemRecord* item = FindMenuItem(hMenu, static_cast<UINT>(position), true);
    return item ? item->subMenu : nullptr;
}

int GetMenuItemCount(HMENU hMenu) { return IsLiveMenu(hMenu) ? static_cast<int>(hMenu->items.size()) : -1; }

UINT GetMenuItemID(HMENU hMenu, int position) {
    if (position < 0) return static_cast<UINT>(-1);
    CMenuItemRecord* item = FindMenuItem(hMenu, static_cast<UINT>(position), true);
    if (!item || item->subMenu) return static_cast<UINT>(-1);
    return item->IsSeparator() ? 0 : item->id;
}

UINT GetMenuState(HMENU hMenu, UINT id, UINT flags) {
    CMenuItemRecord* item = FindMenuItem(hMenu, id, (flags & MF_BYPOSITION) != 0);
    return item ? StateBits(*item) : static_cast<UINT>(-1);
}

int GetMenuString(HMENU hMenu, UINT idItem, LPTSTR buffer, int maxCount, UINT flags) {
    CMenuItemRecord* item = FindMenuItem(hMenu, idItem, (flags & MF_BYPOSITION) != 0);
    if (!item) return 0;
    const int length = static_cast<int>(item->text.size());
    if (!buffer || maxCount <= 0) return length;
    const int n = std::min(length, maxCount - 1);
    std::copy_n(item->text.c_str(), n, buffer);
    buffer[n] = 0;
    return n;
}

BOOL GetMenuItemInfo(HMENU hMenu, UINT itemPos, BOOL byPosition, LPMENUITEMINFO info) {
    CMenuItemRecord* item = FindMenuItem(hMenu, itemPos, byPosition != FALSE);
    if (!item || !info) return FALSE;
    if (info->fMask & (MIIM_TYPE | MIIM_FTYPE)) info->fType = item->type;
    if (info->fMask & MIIM_STATE) info->fState = item->state;
    if (info->fMask & MIIM_ID) info->wID = item->id;
    if (info->fMask & MIIM_SUBMENU) info->hSubMenu = item->subMenu;
    if (info->fMask & MIIM_DATA) info->dwItemData = item->data;
    if (info->fMask & MIIM_BITMAP) info->hbmpItem = item->bitmap;
    if (info->fMask & (MIIM_STRING | MIIM_TYPE)) {
        const UINT length = static_cast<UINT>(item->text.size());
        if (info->dwTypeData && info->cch > 0) {
            const UINT n = std::min(length, info->cch - 1);
            std::copy_n(item->text.c_str(), n, info->dwTypeData);
            info->dwTypeData[n] = 0;
            info->cch = n;
        } else {
            info->cch = length;
        }
    }
    return TRUE;
}

BOOL SetMenuItemInfo(HMENU hMenu, UINT itemPos, BOOL byPosition, LPCMENUITEMINFO info) {
    CMenuItemRecord* item = FindMenuItem(hMenu, itemPos, byPosition != FALSE);
    if (!item || !info) return FALSE;
    if (info->fMask & (MIIM_TYPE | MIIM_FTYPE)) item->type = info->fType & kTypeBits;
    if (info->fMask & MIIM_STATE) item->state = info->fState & kStateBits;
    if (info->fMask & MIIM_ID) item->id = info->wID;
    if (info->fMask & MIIM_SUBMENU) {
        if (info->hSubMenu && !IsLiveMenu(info->hSubMenu)) return FALSE;
        item->subMenu = info->hSubMenu;
    }
    if (info->fMask & MIIM_DATA) item->data = info->dwItemData;
    if (info->fMask & MIIM_BITMAP) item->bitmap = info->hbmpItem;
    if ((info->fMask & (MIIM_STRING | MIIM_TYPE)) && !(item->type & (MF_OWNERDRAW | MF_BITMAP | MF_SEPARATOR)))
        item->text = info->dwTypeData ? info->dwTypeData : L"";
    return TRUE;
}

DWORD CheckMenuItem(HMENU hMenu, UINT idCheckItem, UINT check) {
    CMenuItemRecord* item = FindMenuItem(hMenu, idCheckItem, (check & MF_BYPOSITION) != 0);
    if (!item) return static_cast<DWORD>(-1);
    const DWORD old = item->state & MF_CHECKED;
    if (check & MF_CHECKED) item->state |= MF_CHECKED;
    else item->state &= ~MF_CHECKED;
    return old;
}

BOOL EnableMenuItem(HMENU hMenu, UINT idEnableItem, UINT enable) {
    CMenuItemRecord* item = FindMenuItem(hMenu, idEnableItem, (enable & MF_BYPOSITION) != 0);
    if (!item) return static_cast<BOOL>(-1);
    const UINT old = item->state & (MF_GRAYED | MF_DISABLED);
    item->state = (item->state & ~(MF_GRAYED | MF_DISABLED)) | (enable & (MF_GRAYED | MF_DISABLED));
    return static_cast<BOOL>(old);
}

BOOL CheckMenuRadioItem(HMENU hMenu, UINT first, UINT last, UINT check, UINT flags) {
    const bool byPosition = (flags & MF_BYPOSITION) != 0;
    HMENU owner = nullptr;
    int checkPos = 0;
    if (!FindMenuItem(hMenu, check, byPosition, &owner, &checkPos)) return FALSE;
    bool found = false;
    for (std::size_t i = 0; i < owner->items.size(); ++i) {
        CMenuItemRecord& item = owner->items[i];
        const UINT key = byPosition ? static_cast<UINT>(i) : item.id;
        if (item.subMenu || item.IsSeparator() || key < first || key > last) continue;
        if (static_cast<int>(i) == checkPos) {
            item.state |= MF_CHECKED;
            item.type |= MFT_RADIOCHECK;
            found = true;
        } else {
            item.state &= ~MF_CHECKED;
        }
    }
    return found ? TRUE : FALSE;
}

// CMenu

CMenu::~CMenu() {
    if (m_hMenu) DestroyMenu();
}

CMenu* CMenu::FromHandlePermanent(HMENU hMenu) {
    auto it = Permanent().find(hMenu);
    return it == Permanent().end() ? nullptr : it->second;
}

CMenu* CMenu::FromHandle(HMENU hMenu) {
    if (!IsLiveMenu(hMenu)) return nullptr;
    if (CMenu* p = FromHandlePermanent(hMenu)) return p;
    auto& temp = Temporary();
    auto it = temp.find(hMenu);
    if (it != temp.end()) return it->second.get();
    auto wrapper = std::make_unique<CMenu>();
    wrapper->m_hMenu = hMenu;
    CMenu* raw = wrapper.get();
    temp.emplace(hMenu, std::move(wrapper));
    return raw;
}

BOOL CMenu::Attach(HMENU hMenu) {
    if (m_hMenu || !IsLiveMenu(hMenu) || FromHandlePermanent(hMenu)) return FALSE;
    // A wrapper made earlier for this handle stops standing for it.
    auto t = Temporary().find(hMenu);
    if (t != Temporary().end()) {
        t->second->m_hMenu = nullptr;
        Temporary().erase(t);
    }
    m_hMenu = hMenu;
    Permanent()[hMenu] = this;
    return TRUE;
}

HMENU CMenu::Detach() {
    HMENU h = m_hMenu;
    if (h) {
        auto it = Permanent().find(h);
        if (it != Permanent().end() && it->second == this) Permanent().erase(it);
    }
    m_hMenu = nullptr;
    return h;
}

BOOL CMenu::CreateMenu() { return Attach(::CreateMenu()); }
BOOL CMenu::CreatePopupMenu() { return Attach(::CreatePopupMenu()); }
BOOL CMenu::LoadMenu(UINT nIDResource) { return LoadMenu(MAKEINTRESOURCE(nIDResource)); }
BOOL CMenu::LoadMenu(LPCTSTR lpszResourceName) {
    HMENU h = ::LoadMenu(nullptr, lpszResourceName);
    if (!h) return FALSE;
    if (Attach(h)) return TRUE;
    ::DestroyMenu(h);
    return FALSE;
}

BOOL CMenu::DestroyMenu() {
    HMENU h = Detach();
    return h ? ::DestroyMenu(h) : FALSE;
}

BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, LPCTSTR lpszNewItem) {
    return ::AppendMenu(m_hMenu, nFlags, nIDNewItem, lpszNewItem);
}
BOOL CMenu::InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, LPCTSTR lpszNewItem) {
    return ::InsertMenu(m_hMenu, nPosition, nFlags, nIDNewItem, lpszNewItem);
}
BOOL CMenu::ModifyMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, LPCTSTR lpszNewItem) {
    return ::ModifyMenu(m_hMenu, nPosition, nFlags, nIDNewItem, lpszNewItem);
}
BOOL CMenu::RemoveMenu(UINT nPosition, UINT nFlags) { return ::RemoveMenu(m_hMenu, nPosition, nFlags); }
BOOL CMenu::DeleteMenu(UINT nPosition, UINT nFlags) { return ::DeleteMenu(m_hMenu, nPosition, nFlags); }
CMenu* CMenu::GetSubMenu(int nPos) const { return FromHandle(::GetSubMenu(m_hMenu, nPos)); }
int CMenu::GetMenuItemCount() const { return ::GetMenuItemCount(m_hMenu); }
UINT CMenu::GetMenuItemID(int nPos) const { return ::GetMenuItemID(m_hMenu, nPos); }
UINT CMenu::GetMenuState(UINT nID, UINT nFlags) const { return ::GetMenuState(m_hMenu, nID, nFlags); }
int CMenu::GetMenuString(UINT nIDItem, LPTSTR lpString, int nMaxCount, UINT nFlags) const {
    return ::GetMenuString(m_hMenu, nIDItem, lpString, nMaxCount, nFlags);
}
int CMenu::GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const {
    const int length = ::GetMenuString(m_hMenu, nIDItem, nullptr, 0, nFlags);
    std::wstring buffer(static_cast<std::size_t>(length) + 1, L'\0');
    const int n = ::GetMenuString(m_hMenu, nIDItem, buffer.data(), length + 1, nFlags);
    buffer.resize(static_cast<std::size_t>(n));
    rString = CString(buffer);
    return n;
}
BOOL CMenu::GetMenuItemInfo(UINT uItem, LPMENUITEMINFO lpMenuItemInfo, BOOL fByPos) const {
    return ::GetMenuItemInfo(m_hMenu, uItem, fByPos, lpMenuItemInfo);
}
BOOL CMenu::SetMenuItemInfo(UINT uItem, LPCMENUITEMINFO lpMenuItemInfo, BOOL fByPos) {
    return ::SetMenuItemInfo(m_hMenu, uItem, fByPos, lpMenuItemInfo);
}
UINT CMenu::CheckMenuItem(UINT nIDCheckItem, UINT nCheck) {
    return static_cast<UINT>(::CheckMenuItem(m_hMenu, nIDCheckItem, nCheck));
}
UINT CMenu::EnableMenuItem(UINT nIDEnableItem, UINT nEnable) {
    return static_cast<UINT>(::EnableMenuItem(m_hMenu, nIDEnableItem, nEnable));
}
BOOL CMenu::CheckMenuRadioItem(UINT nIDFirst, UINT nIDLast, UINT nIDItem, UINT nFlags) {
    return ::CheckMenuRadioItem(m_hMenu, nIDFirst, nIDLast, nIDItem, nFlags);
}

void CMenu::DrawItem(LPDRAWITEMSTRUCT) {}
void CMenu::MeasureItem(LPMEASUREITEMSTRUCT) {}
