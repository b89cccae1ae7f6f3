#pragma once
// The activities of the plan by name, for an import that looks up every line among them: the
// activities of exactly a name, and the first one, in table order, whose name contains a text.
// Activities are added in table order; none is removed or renamed while the index is used.
#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/core/cstring.h"

class CActivityNameIndex {
public:
    static constexpr std::size_t npos = static_cast<std::size_t>(-1);

    // The activity at this position of the table has this name; positions come in rising order.
    void Add(std::size_t position, const CString& name);
    // The positions of the activities named exactly so, in table order.
    const std::vector<std::size_t>& Named(const CString& name) const;
    // The first position whose name contains the text (case-sensitive); npos when none does, and
    // for an empty text.
    // names gives the name at a position.
    template <class NameAt>
    std::size_t FirstContaining(const CString& text, const NameAt& names) const {
        const std::vector<std::size_t>* postings = SmallestPostings(text);
        if (!postings) return npos;
        for (std::size_t position : *postings)
            if (names(position).Find(text) >= 0) return position;
        return npos;
    }

private:
    // The shortest list of positions that holds every name containing the text: those that have
    // the text's rarest piece of up to three characters. Null when some piece is in no name.
    const std::vector<std::size_t>* SmallestPostings(const CString& text) const;

    std::unordered_map<std::wstring, std::vector<std::size_t>> m_byName;
    std::unordered_map<std::uint64_t, std::vector<std::size_t>> m_byPiece;
};
