#include "platform/core/virtual_keys.h"

namespace {

struct NamedKey {
    std::string_view name;
    long long value;
};

#define VORN_KEY_ENTRY(name, value) {#name, value},
const NamedKey kKeys[] = {VORN_VIRTUAL_KEYS(VORN_KEY_ENTRY)};
#undef VORN_KEY_ENTRY

}  // namespace

bool FindVirtualKeyConstant(std::string_view name, long long& value) {
    for (const NamedKey& k : kKeys) {
        if (k.name == name) {
            value = k.value;
            return true;
        }
    }
    return false;
}
