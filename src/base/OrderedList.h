// Ordered lists of fixed-size records with a current position, the way the game walks its objects.
#pragma once

#include <memory>
#include <vector>

// A walk goes Reset(); while (T* r = Next()) { ... }. Delete() during a walk removes the current
// record and makes the previous one current, so the next Next() continues with the record after
// the deleted one. Records never move in memory while they live, so pointers to them stay valid.
template <typename T>
class OrderedList {
 public:
  // Inserts a zero-filled record after the current one (at the front when before the first, at the
  // end when a walk has run past the last record) and makes it current.
  T* Add() {
    auto record = std::make_unique<T>();
    T* raw = record.get();
    int at = current_ + 1 < Count() ? current_ + 1 : Count();
    records_.insert(records_.begin() + at, std::move(record));
    current_ = at;
    return raw;
  }

  // Appends a zero-filled record at the end and makes it current, wherever the position was: what a
  // walk run to its end followed by Add() does.
  T* Append() {
    current_ = Count();
    return Add();
  }

  // Removes the current record; the previous record becomes current. Deleting the first record
  // leaves the position before the new first record.
  void Delete() {
    if (!ValidCurrent()) return;
    records_.erase(records_.begin() + current_);
    current_ -= 1;
  }

  // The second form: like Delete, but deleting the first record makes the new first record current.
  void DeleteKeepFirst() {
    if (!ValidCurrent()) return;
    bool wasFirst = current_ == 0;
    records_.erase(records_.begin() + current_);
    current_ = wasFirst ? (records_.empty() ? -1 : 0) : current_ - 1;
  }

  void Reset() { current_ = -1; }

  T* Next() {
    if (current_ + 1 >= Count()) {
      current_ = Count();  // past the end: a further Next() still returns nothing
      return nullptr;
    }
    ++current_;
    return records_[current_].get();
  }

  T* First() {
    if (records_.empty()) return nullptr;
    current_ = 0;
    return records_[0].get();
  }

  // 0-based; out of range leaves the position unchanged and returns nothing.
  T* Select(int index) {
    if (index < 0 || index >= Count()) return nullptr;
    current_ = index;
    return records_[index].get();
  }

  // The record at a 0-based index without moving the current position.
  T* At(int index) const {
    if (index < 0 || index >= Count()) return nullptr;
    return records_[index].get();
  }

  T* Current() const { return ValidCurrent() ? records_[current_].get() : nullptr; }
  int Index() const { return ValidCurrent() ? current_ : -1; }
  int Count() const { return static_cast<int>(records_.size()); }
  bool Empty() const { return records_.empty(); }

  void Clear() {
    records_.clear();
    current_ = -1;
  }

  // Makes the given record current; false when it is not in the list.
  bool SetCurrent(const T* record) {
    for (int i = 0; i < Count(); ++i) {
      if (records_[i].get() == record) {
        current_ = i;
        return true;
      }
    }
    return false;
  }

  // A whole walk in one pass: `keep` sees every record in order and may change it; the records it answers
  // false for are removed, the others keep their order. The position ends past the last record, as after
  // Reset() and a walk of Next() that Delete()s the same records, for a fraction of the moves.
  template <typename F>
  void KeepIf(F&& keep) {
    size_t kept = 0;
    for (size_t i = 0; i < records_.size(); ++i) {
      if (keep(*records_[i])) {
        if (kept != i) records_[kept] = std::move(records_[i]);
        ++kept;
      }
    }
    records_.resize(kept);
    current_ = Count();
  }

  // Plain iteration that leaves the current position alone (for reading, drawing, digests).
  template <typename F>
  void ForEach(F&& f) const {
    for (const auto& r : records_) f(static_cast<const T&>(*r));
  }
  template <typename F>
  void ForEach(F&& f) {
    for (auto& r : records_) f(*r);
  }

 private:
  bool ValidCurrent() const { return current_ >= 0 && current_ < Count(); }

  std::vector<std::unique_ptr<T>> records_;
  int current_ = -1;  // -1: before the first record
};
