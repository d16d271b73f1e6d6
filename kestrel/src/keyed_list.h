#pragma once
// An ordered collection whose items are reachable by 0-based position or by an optional string
// key (case-sensitive). Positions live in an implicit treap (subtree sizes, parent links), keys
// in an open-addressing hash index of the nodes, so insertion anywhere, lookup by position or
// key, finding the position of a key and removal all take logarithmic time: 100 000 items stay
// fast. Nodes and key texts are carved from an arena (erased nodes are reused; their key texts
// stay until clear()), so an item costs no allocation of its own.
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <memory>
#include <new>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "block_arena.h"
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
    return insertWith(at, std::move(value), key, [this](std::u16string_view text) {
      return CompactTextView::encode(std::array<std::u16string_view, 1>{text},
                                     [this](std::size_t bytes, std::size_t alignment) { return arena_.allocate(bytes, alignment); });
    });
  }
  // The same with the key's compact text held by the caller (it must equal key and outlive
  // the item), so that the key is not stored twice.
  bool insert(std::size_t at, T value, std::u16string_view key, CompactTextView heldKey) {
    return insertWith(at, std::move(value), key, [&](std::u16string_view) { return heldKey; });
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
    freeNodes_ = nullptr;
    arena_.clear();
    slots_.reset();
    slotCount_ = 0;
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
    CompactTextView key;  // in the arena
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

  template <class KeyText>
  bool insertWith(std::size_t at, T value, std::optional<std::u16string_view> key, KeyText&& keyText) {
    const std::size_t hash = key ? hashOf(*key) : 0;
    if (key && findNode(*key, hash)) return false;
    Node* node = newNode(std::move(value));
    if (key) {
      try {
        node->key = keyText(*key);
        node->hash = hash;
        node->keyed = true;
        indexNode(node);
      } catch (...) {
        freeNode(node);
        throw;
      }
    }
    if (at == size()) {
      root_ = merge(root_, node);  // appending, the common case, needs no split
    } else {
      auto [left, right] = split(root_, at);
      root_ = merge(merge(left, node), right);
    }
    root_->parent = nullptr;
    return true;
  }

  // Frees a subtree without recursion (a degenerate shape cannot exhaust the stack).
  void destroy(Node* t) {
    std::vector<Node*> pending;
    if (t) pending.push_back(t);
    while (!pending.empty()) {
      Node* n = pending.back();
      pending.pop_back();
      if (n->left) pending.push_back(n->left);
      if (n->right) pending.push_back(n->right);
      freeNode(n);
    }
  }

  Node* newNode(T value) {
    void* spot = freeNodes_;
    if (freeNodes_) {
      freeNodes_ = freeNodes_->next;
    } else {
      spot = arena_.allocate(sizeof(Node), alignof(Node));
    }
    try {
      return new (spot) Node(std::move(value), nextPriority());
    } catch (...) {
      freeNodes_ = new (spot) FreeNode{freeNodes_};
      throw;
    }
  }
  // A freed node's memory waits in a list for the next new node.
  void freeNode(Node* n) {
    n->~Node();
    freeNodes_ = new (static_cast<void*>(n)) FreeNode{freeNodes_};
  }

  // ---- the key index: linear probing over a power-of-two table, at most half full ----

  static std::size_t hashOf(std::u16string_view key) { return std::hash<std::u16string_view>{}(key); }

  Node* findNode(std::u16string_view key) const { return findNode(key, hashOf(key)); }
  Node* findNode(std::u16string_view key, std::size_t hash) const {
    if (slotCount_ == 0) return nullptr;
    const std::size_t mask = slotCount_ - 1;
    for (std::size_t i = hash & mask; slots_[i]; i = (i + 1) & mask) {
      if (slots_[i]->hash == hash && slots_[i]->key == key) return slots_[i];
    }
    return nullptr;
  }

  void indexNode(Node* n) {
    if (2 * (keyed_ + 1) > slotCount_) growIndex();
    place(n);
    ++keyed_;
  }
  void place(Node* n) {
    const std::size_t mask = slotCount_ - 1;
    std::size_t i = n->hash & mask;
    while (slots_[i]) i = (i + 1) & mask;
    slots_[i] = n;
  }
  void growIndex() {
    const std::size_t count = std::max<std::size_t>(16, 2 * slotCount_);
    Slots grown(static_cast<Node**>(allocateZeroed(count * sizeof(Node*))));
    Slots old = std::exchange(slots_, std::move(grown));
    const std::size_t oldCount = std::exchange(slotCount_, count);
    for (std::size_t i = 0; i < oldCount; ++i) {
      if (old[i]) place(old[i]);
    }
  }
  // Removal shifts later members of the probe run back, so no tombstones are needed.
  void unindexNode(const Node* n) {
    const std::size_t mask = slotCount_ - 1;
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

  struct FreeNode {
    FreeNode* next;
  };

  BlockArena arena_;  // first, so that it outlives the nodes while they are destroyed
  Node* root_ = nullptr;
  FreeNode* freeNodes_ = nullptr;
  struct FreeSlots {
    void operator()(Node** slots) const { std::free(slots); }
  };
  using Slots = std::unique_ptr<Node*[], FreeSlots>;
  Slots slots_;
  std::size_t slotCount_ = 0;
  std::size_t keyed_ = 0;
  std::uint32_t seed_ = 2463534242u;
};

}  // namespace kestrel
