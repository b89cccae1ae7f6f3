#include "options_engine/word_list_edit.h"

bool StoreWordList(const std::vector<CString>& lines, std::vector<CString>& list, int& refusedLine) {
    std::vector<CString> kept;
    for (int i = 0; i < static_cast<int>(lines.size()); ++i) {
        if (lines[i].Find(L';') >= 0) {
            refusedLine = i;
            return false;
        }
        if (!lines[i].IsEmpty()) kept.push_back(lines[i]);
    }
    list = std::move(kept);
    refusedLine = -1;
    return true;
}
