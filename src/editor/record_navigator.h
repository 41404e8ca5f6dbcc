#pragma once

#include <algorithm>
#include <functional>
#include <iterator>
#include <list>
#include <optional>

// Walks a list of records one at a time, as the record pages of the parameter
// editor do: the list is kept sorted by a key, moves go by one or by a fast
// step, new records take the first free number, and equal keys are found.
// Moves, adds and deletes act on the list at once.
namespace kx700 {

struct NavigationRules {
  // The highest number a record may have (loops 16, controls 20).
  int limit = 0;
  // A fast step moves at most this far ...
  int fastSteps = 5;
  // ... and stops on a record whose key is a multiple of this (0: never).
  int fastStopMultiple = 5;
};

template <typename R>
class RecordNavigator {
public:
  using List = std::list<R>;
  using Iterator = typename List::iterator;
  using Key = std::function<int(const R&)>;

  RecordNavigator(List& list, NavigationRules rules, Key key)
      : list_(list), rules_(rules), key_(std::move(key)), current_(list.begin()) {}

  List& list() { return list_; }
  const List& list() const { return list_; }
  bool HasCurrent() const { return current_ != list_.end(); }
  Iterator current() const { return current_; }
  R* currentRecord() { return HasCurrent() ? &*current_ : nullptr; }
  void SetCurrent(Iterator it) { current_ = it; }
  // The 1-based place of the current record; 0 without one.
  int Position() const {
    return HasCurrent() ? static_cast<int>(std::distance(list_.begin(), Iterator(current_))) + 1 : 0;
  }

  // Stable: records with equal keys keep their order, and every record keeps
  // its identity, so the current one stays current wherever it goes.
  void Sort() {
    list_.sort([this](const R& a, const R& b) { return key_(a) < key_(b); });
  }

  void Next() {
    if (HasCurrent() && std::next(current_) != list_.end()) ++current_;
  }
  void Previous() {
    if (HasCurrent() && current_ != list_.begin()) --current_;
  }
  void NextFast() {
    for (int step = 0; HasCurrent() && step < rules_.fastSteps && std::next(current_) != list_.end(); ++step) {
      ++current_;
      if (OnFastStop()) break;
    }
  }
  void PreviousFast() {
    for (int step = 0; HasCurrent() && step < rules_.fastSteps && current_ != list_.begin(); ++step) {
      --current_;
      if (OnFastStop()) break;
    }
  }

  // The number a new record takes: the first gap above the current record
  // (stepping over equal numbers), else the first gap below it, never above
  // the limit. Below 1 when every number is taken. Expects a sorted list.
  int FindFreeNumber() const {
    if (!HasCurrent()) return 1;
    int candidate = std::max(key_(*current_) + 1, 1);
    for (auto it = std::next(Iterator(current_)); it != list_.end(); ++it) {
      if (key_(*it) > candidate) break;
      if (key_(*it) == candidate) ++candidate;
    }
    if (candidate <= rules_.limit && candidate >= 1) return candidate;
    candidate = std::min(key_(*current_) - 1, rules_.limit);
    for (auto it = Iterator(current_); it != list_.begin();) {
      --it;
      if (key_(*it) < candidate) break;
      if (key_(*it) == candidate) --candidate;
    }
    return candidate;
  }

  // A record right after the current one (first in an empty list), which
  // becomes current.
  Iterator Insert(R record) {
    current_ = list_.insert(HasCurrent() ? std::next(current_) : list_.begin(), std::move(record));
    return current_;
  }

  // Sorts, then makes the first record with that key current.
  bool GoTo(int key) {
    Sort();
    for (auto it = list_.begin(); it != list_.end(); ++it) {
      if (key_(*it) == key) {
        current_ = it;
        return true;
      }
    }
    return false;
  }

  // Removes the current record; the one before it becomes current, or the
  // new first one when the first was removed.
  void Delete() {
    if (!HasCurrent()) return;
    const bool first = current_ == list_.begin();
    const Iterator before = first ? list_.end() : std::prev(current_);
    list_.erase(current_);
    current_ = first ? list_.begin() : before;
  }

  // Sorts, and makes the second of the first two records with equal keys
  // current: false then, true when all keys differ.
  bool CheckDuplicates() {
    Sort();
    for (auto it = list_.begin(); it != list_.end() && std::next(it) != list_.end(); ++it) {
      if (key_(*it) == key_(*std::next(it))) {
        current_ = std::next(it);
        return false;
      }
    }
    return true;
  }

private:
  bool OnFastStop() const { return rules_.fastStopMultiple > 0 && key_(*current_) % rules_.fastStopMultiple == 0; }

  List& list_;
  NavigationRules rules_;
  Key key_;
  Iterator current_;
};

} // namespace kx700
