#include "platform/core/window_styles.h"


#include "platform/core/virtual_keys.h"

namespace {

struct NamedValue {
    std::string_view name;
    long long value;
};

#define VORN_STYLE_ENTRY(name, value) {#name, static_cast<long long>(static_cast<DWORD>(value##u))},
#define VORN_SIGNED_ENTRY(name, value) {#name, static_cast<long long>(value)},
const NamedValue kConstants[] = {
    VORN_WINDOW_STYLES(VORN_STYLE_ENTRY)
    VORN_MENU_FLAGS(VORN_STYLE_ENTRY)
    VORN_DIALOG_IDS(VORN_SIGNED_ENTRY)
};
#undef VORN_STYLE_ENTRY
#undef VORN_SIGNED_ENTRY

}  // namespace

bool FindWindowStyleConstant(std::string_view name, long long& value) {
    for (const NamedValue& c : kConstants) {
        if (c.name == name) {
            value = c.value;
            return true;
        }
    }
    return FindVirtualKeyConstant(name, value);
}
