#pragma once
// A growable array of records that answers "first record with this key" in constant time.
//
// The records live in a std::vector and are reached exactly as in one (iterators, indexes,
// range-for); a position stays valid until the array changes. Beside them the array keeps a
// map from key to the first position holding it. Changes of the array's shape made through its
// own members (append, insert, erase, clear, sort, swap, assignment) mark the map stale, and the
// next lookup rebuilds it. Records may be edited in place, their keys included: a lookup checks
// the record it found and walks the array when the map is out of date or has no such key, so
// the answer is the one a walk from the front gives. One case needs help: an edit in place that
// gives a record the key of a later record (duplicate keys; the store's collections never keep
// them) must be followed by InvalidateIndex, or the later record may still be found first.
// Lookups may run on two threads at once (the solver's worker reads while a page paints); the
// map is guarded by a mutex.
#include <algorithm>
#include <cstddef>
#include <iterator>
#include <mutex>
#include <unordered_map>
#include <utility>
#include <vector>

// Key of the records that carry an integer id.
struct RecordIdKey {
    template <class T>
    long long operator()(const T& record) const { return record.m_nId; }
};

template <class T, class KeyOf = RecordIdKey>
class CRecordArray {
public:
    using value_type = T;
    using iterator = typename std::vector<T>::iterator;
    using const_iterator = typename std::vector<T>::const_iterator;
    using size_type = std::size_t;

    CRecordArray() = default;
    CRecordArray(std::initializer_list<T> items) : m_items(items) {}
    CRecordArray(const CRecordArray& other) : m_items(other.m_items) {}
    CRecordArray(CRecordArray&& other) noexcept : m_items(std::move(other.m_items)) { other.MarkStale(); }
    CRecordArray& operator=(const CRecordArray& other) {
        if (this != &other) {
            m_items = other.m_items;
            MarkStale();
        }
        return *this;
    }
    CRecordArray& operator=(CRecordArray&& other) noexcept {
        if (this != &other) {
            m_items = std::move(other.m_items);
            MarkStale();
            other.MarkStale();
        }
        return *this;
    }

    // Exchanges the records of two arrays (each keeps its own lock).
    void swap(CRecordArray& other) noexcept {
        m_items.swap(other.m_items);
        MarkStale();
        other.MarkStale();
    }

    // Element access, as std::vector.
    size_type size() const { return m_items.size(); }
    bool empty() const { return m_items.empty(); }
    iterator begin() { return m_items.begin(); }
    iterator end() { return m_items.end(); }
    const_iterator begin() const { return m_items.begin(); }
    const_iterator end() const { return m_items.end(); }
    const_iterator cbegin() const { return m_items.cbegin(); }
    const_iterator cend() const { return m_items.cend(); }
    T& operator[](size_type i) { return m_items[i]; }
    const T& operator[](size_type i) const { return m_items[i]; }
    T& front() { return m_items.front(); }
    const T& front() const { return m_items.front(); }
    T& back() { return m_items.back(); }
    const T& back() const { return m_items.back(); }
    const std::vector<T>& items() const { return m_items; }

    // Changes of shape.
    void reserve(size_type n) { m_items.reserve(n); }
    void push_back(const T& record) {
        m_items.push_back(record);
        MarkStale();
    }
    void push_back(T&& record) {
        m_items.push_back(std::move(record));
        MarkStale();
    }
    template <class... Args>
    T& emplace_back(Args&&... args) {
        T& added = m_items.emplace_back(std::forward<Args>(args)...);
        MarkStale();
        return added;
    }
    iterator insert(const_iterator pos, const T& record) {
        auto it = m_items.insert(pos, record);
        MarkStale();
        return it;
    }
    iterator erase(const_iterator pos) {
        auto it = m_items.erase(pos);
        MarkStale();
        return it;
    }
    iterator erase(const_iterator first, const_iterator last) {
        auto it = m_items.erase(first, last);
        MarkStale();
        return it;
    }
    // Erases every record the predicate picks; the others keep their order. Gives the count.
    template <class Pred>
    size_type EraseIf(Pred pred) {
        size_type n = std::erase_if(m_items, pred);
        if (n) MarkStale();
        return n;
    }
    void clear() {
        m_items.clear();
        MarkStale();
    }
    template <class Less>
    void Sort(Less less) {
        std::sort(m_items.begin(), m_items.end(), less);
        MarkStale();
    }
    template <class Less>
    void StableSort(Less less) {
        std::stable_sort(m_items.begin(), m_items.end(), less);
        MarkStale();
    }

    // Forgets the map; for callers that renumber keys in bulk.
    void InvalidateIndex() { MarkStale(); }

    // Index of the first record with the key, or size() when there is none.
    size_type FindIndex(long long key) const {
        const KeyOf keyOf;
        bool mapped = false;
        {
            std::lock_guard<std::mutex> lock(m_lock);
            if (m_stale) Rebuild();
            auto hit = m_index.find(key);
            if (hit != m_index.end()) {
                // The map holds the first position of every key it was built with; a record
                // before it could only carry the key after an edit that broke uniqueness.
                if (hit->second < m_items.size() && keyOf(m_items[hit->second]) == key) return hit->second;
                mapped = true;
            }
        }
        // A miss, or the record at the mapped place changed its key: walk to be sure.
        size_type found = m_items.size();
        for (size_type i = 0; i < m_items.size(); ++i) {
            if (keyOf(m_items[i]) == key) {
                found = i;
                break;
            }
        }
        if (mapped || found != m_items.size()) MarkStale();
        return found;
    }
    iterator Find(long long key) { return m_items.begin() + static_cast<std::ptrdiff_t>(FindIndex(key)); }
    const_iterator Find(long long key) const { return m_items.begin() + static_cast<std::ptrdiff_t>(FindIndex(key)); }

    friend bool operator==(const CRecordArray& a, const CRecordArray& b) { return a.m_items == b.m_items; }

private:
    void MarkStale() const {
        std::lock_guard<std::mutex> lock(m_lock);
        m_stale = true;
    }
    void Rebuild() const {
        const KeyOf keyOf;
        m_index.clear();
        m_index.reserve(m_items.size());
        for (size_type i = 0; i < m_items.size(); ++i) m_index.emplace(keyOf(m_items[i]), i);
        m_stale = false;
    }

    std::vector<T> m_items;
    mutable std::mutex m_lock;
    mutable std::unordered_map<long long, size_type> m_index;
    mutable bool m_stale = true;
};

template <class T, class KeyOf>
void swap(CRecordArray<T, KeyOf>& a, CRecordArray<T, KeyOf>& b) noexcept {
    a.swap(b);
}
