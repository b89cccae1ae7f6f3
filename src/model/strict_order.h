#pragma once
// Makes a sort order of records strict: records the order does not tell apart go by id, so a
// collection sorts the same way every time (a saved file reads back in the order it was written).
template <class Less>
struct StrictById {
    explicit StrictById(Less less) : m_less(less) {}
    template <class T>
    bool operator()(const T& a, const T& b) const {
        if (m_less(a, b)) return true;
        if (m_less(b, a)) return false;
        return a.m_nId < b.m_nId;
    }
    Less m_less;
};
