#include "options_engine/activity_name_index.h"

#include <algorithm>

namespace {

// Pieces of `length` characters (1 to 3) as one key: 21 bits per character and the length.
std::uint64_t PieceKey(const wchar_t* at, int length) {
    std::uint64_t key = static_cast<std::uint64_t>(length);
    for (int i = 0; i < length; ++i) key = (key << 21) | (static_cast<std::uint64_t>(at[i]) & 0x1FFFFF);
    return key;
}

int PieceLength(int textLength) { return std::min(textLength, 3); }

}  // namespace

void CActivityNameIndex::Add(std::size_t position, const CString& name) {
    m_byName[name.GetString()].push_back(position);
    // Every piece of one to three characters, so that a text of any length finds its pieces.
    const int length = name.GetLength();
    const wchar_t* text = name.GetString();
    for (int pieceLength = 1; pieceLength <= 3; ++pieceLength) {
        for (int i = 0; i + pieceLength <= length; ++i) {
            std::vector<std::size_t>& postings = m_byPiece[PieceKey(text + i, pieceLength)];
            // A piece found twice in one name lists the name once.
            if (postings.empty() || postings.back() != position) postings.push_back(position);
        }
    }
}

const std::vector<std::size_t>& CActivityNameIndex::Named(const CString& name) const {
    static const std::vector<std::size_t> kNone;
    const auto found = m_byName.find(name.GetString());
    return found != m_byName.end() ? found->second : kNone;
}

const std::vector<std::size_t>* CActivityNameIndex::SmallestPostings(const CString& text) const {
    const int length = text.GetLength();
    if (length == 0) return nullptr;
    const int pieceLength = PieceLength(length);
    const std::vector<std::size_t>* smallest = nullptr;
    for (int i = 0; i + pieceLength <= length; ++i) {
        const auto found = m_byPiece.find(PieceKey(text.GetString() + i, pieceLength));
        if (found == m_byPiece.end()) return nullptr;
        if (!smallest || found->second.size() < smallest->size()) smallest = &found->second;
    }
    return smallest;
}
