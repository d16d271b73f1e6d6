#pragma once
// An ordered collection whose items are reachable by 0-based position or by an optional string
// key (case-sensitive). Positions live in an implicit treap (subtree sizes, parent links), keys
// in an open-addressing hash index of the nodes, so insertion anywhere, lookup by position or
// key, finding the position of a key and removal all take logarithmic time: 100 000 items stay
// fast. Each item costs one allocation: its node, which holds the key.
#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "compact_text.h"

namespace kestrel {

template <class T>
class KeyedList {
 public:
  KeyedList() = default;
  KeyedList(const KeyedList&) = delete;
  KeyedList& operator=(const KeyedList&) = delete;
  ~KeyedList() { clear(); }

  std::size_t size() const { return root_ ? root_->size : 0; }
  bool empty() const { return root_ == nullptr; }
  bool contains(std::u16string_view key) const { return findNode(key) != nullptr; }

  // Inserts value so that it ends up at position `at` (0..size). Returns false, changing
  // nothing, when the key is already taken.
  bool insert(std::size_t at, T value, std::optional<std::u16string_view> key = std::nullopt) {
    const std::size_t hash = key ? hashOf(*key) : 0;
    if (key && findNode(*key, hash)) return false;
    auto owned = std::make_unique<Node>(std::move(value), nextPriority());
    if (key) {
      owned->key = CompactText(*key);
      owned->hash = hash;
      owned->keyed = true;
      indexNode(owned.get());
    }
    auto [left, right] = split(root_, at);
    root_ = merge(merge(left, owned.release()), right);
    root_->parent = nullptr;
    return true;
  }
  bool append(T value, std::optional<std::u16string_view> key = std::nullopt) {
    return insert(size(), std::move(value), key);
  }

  // The item at a position (must be below size()).
  T& at(std::size_t position) const { return nodeAt(position)->value; }
  // The item under a key, or null.
  T* find(std::u16string_view key) const {
    Node* n = findNode(key);
    return n ? &n->value : nullptr;
  }
  // The position of the item under a key.
  std::optional<std::size_t> positionOf(std::u16string_view key) const {
    const Node* n = findNode(key);
    if (!n) return std::nullopt;
    std::size_t position = sizeOf(n->left);
    for (; n->parent; n = n->parent) {
      if (n == n->parent->right) position += sizeOf(n->parent->left) + 1;
    }
    return position;
  }

  void erase(std::size_t position) {
    auto [left, rest] = split(root_, position);
    auto [middle, right] = split(rest, 1);
    if (middle && middle->keyed) unindexNode(middle);
    destroy(middle);
    root_ = merge(left, right);
    if (root_) root_->parent = nullptr;
  }

  void clear() {
    destroy(root_);
    root_ = nullptr;
    slots_.clear();
    keyed_ = 0;
  }

  // Calls f(item) for each item in order.
  template <class F>
  void forEach(F&& f) const {
    std::vector<Node*> stack;
    for (Node* n = root_; n || !stack.empty();) {
      for (; n; n = n->left) stack.push_back(n);
      n = stack.back();
      stack.pop_back();
      f(n->value);
      n = n->right;
    }
  }

 private:
  struct Node {
    Node(T v, std::uint32_t p) : value(std::move(v)), priority(p) {}
    T value;
    CompactText key;
    std::size_t hash = 0;
    bool keyed = false;  // an item may have no key
    std::uint32_t priority;
    std::size_t size = 1;
    Node* left = nullptr;
    Node* right = nullptr;
    Node* parent = nullptr;
  };

  static std::size_t sizeOf(const Node* n) { return n ? n->size : 0; }
  static void update(Node* n) {
    n->size = 1 + sizeOf(n->left) + sizeOf(n->right);
    if (n->left) n->left->parent = n;
    if (n->right) n->right->parent = n;
  }

  // Splits t into the first `count` items and the rest.
  static std::pair<Node*, Node*> split(Node* t, std::size_t count) {
    if (!t) return {nullptr, nullptr};
    if (sizeOf(t->left) >= count) {
      auto [l, r] = split(t->left, count);
      t->left = r;
      update(t);
      if (l) l->parent = nullptr;
      return {l, t};
    }
    auto [l, r] = split(t->right, count - sizeOf(t->left) - 1);
    t->right = l;
    update(t);
    if (r) r->parent = nullptr;
    return {t, r};
  }

  static Node* merge(Node* a, Node* b) {
    if (!a) return b;
    if (!b) return a;
    if (a->priority > b->priority) {
      a->right = merge(a->right, b);
      update(a);
      return a;
    }
    b->left = merge(a, b->left);
    update(b);
    return b;
  }

  Node* nodeAt(std::size_t position) const {
    Node* n = root_;
    while (n) {
      const std::size_t left = sizeOf(n->left);
      if (position < left) {
        n = n->left;
      } else if (position == left) {
        return n;
      } else {
        position -= left + 1;
        n = n->right;
      }
    }
    return nullptr;
  }

  // Frees a subtree without recursion (a degenerate shape cannot exhaust the stack).
  static void destroy(Node* t) {
    std::vector<Node*> pending;
    if (t) pending.push_back(t);
    while (!pending.empty()) {
      std::unique_ptr<Node> n(pending.back());
      pending.pop_back();
      if (n->left) pending.push_back(n->left);
      if (n->right) pending.push_back(n->right);
    }
  }

  // ---- the key index: linear probing over a power-of-two table, at most half full ----

  static std::size_t hashOf(std::u16string_view key) { return std::hash<std::u16string_view>{}(key); }

  Node* findNode(std::u16string_view key) const { return findNode(key, hashOf(key)); }
  Node* findNode(std::u16string_view key, std::size_t hash) const {
    if (slots_.empty()) return nullptr;
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = hash & mask; slots_[i]; i = (i + 1) & mask) {
      if (slots_[i]->hash == hash && slots_[i]->key == key) return slots_[i];
    }
    return nullptr;
  }

  void indexNode(Node* n) {
    if (2 * (keyed_ + 1) > slots_.size()) growIndex();
    place(n);
    ++keyed_;
  }
  void place(Node* n) {
    const std::size_t mask = slots_.size() - 1;
    std::size_t i = n->hash & mask;
    while (slots_[i]) i = (i + 1) & mask;
    slots_[i] = n;
  }
  void growIndex() {
    std::vector<Node*> old(std::max<std::size_t>(16, 2 * slots_.size()), nullptr);
    old.swap(slots_);
    for (Node* n : old) {
      if (n) place(n);
    }
  }
  // Removal shifts later members of the probe run back, so no tombstones are needed.
  void unindexNode(const Node* n) {
    const std::size_t mask = slots_.size() - 1;
    std::size_t hole = n->hash & mask;
    while (slots_[hole] != n) hole = (hole + 1) & mask;
    slots_[hole] = nullptr;
    for (std::size_t i = (hole + 1) & mask; slots_[i]; i = (i + 1) & mask) {
      const std::size_t home = slots_[i]->hash & mask;
      // Move the entry into the hole when its home does not lie in the cyclic range (hole, i].
      const bool homeInRange = hole < i ? (home > hole && home <= i) : (home > hole || home <= i);
      if (!homeInRange) {
        slots_[hole] = slots_[i];
        slots_[i] = nullptr;
        hole = i;
      }
    }
    --keyed_;
  }

  // A xorshift sequence: treap priorities need only be well spread, not unpredictable.
  std::uint32_t nextPriority() {
    seed_ ^= seed_ << 13;
    seed_ ^= seed_ >> 17;
    seed_ ^= seed_ << 5;
    return seed_;
  }

  Node* root_ = nullptr;
  std::vector<Node*> slots_;
  std::size_t keyed_ = 0;
  std::uint32_t seed_ = 2463534242u;
};

}  // namespace kestrel
