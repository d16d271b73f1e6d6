#pragma once
// An ordered collection whose items are reachable by 0-based position or by an optional string
// key (case-sensitive). Positions live in an implicit treap (subtree sizes, parent links), keys
// in a hash map to their nodes, so insertion anywhere, lookup by position or key, finding the
// position of a key and removal all take logarithmic time: 100 000 items stay fast.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

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
  bool contains(const std::u16string& key) const { return byKey_.count(key) != 0; }

  // Inserts value so that it ends up at position `at` (0..size). Returns false, changing
  // nothing, when the key is already taken.
  bool insert(std::size_t at, T value, std::optional<std::u16string> key = std::nullopt) {
    auto owned = std::make_unique<Node>(std::move(value), nextPriority());
    if (key) {
      // The key is kept once, in the map; the node points at it (map entries do not move).
      auto [entry, inserted] = byKey_.try_emplace(std::move(*key), owned.get());
      if (!inserted) return false;
      owned->key = &entry->first;
    }
    auto [left, right] = split(root_, at);
    root_ = merge(merge(left, owned.release()), right);
    root_->parent = nullptr;
    return true;
  }
  bool append(T value, std::optional<std::u16string> key = std::nullopt) {
    return insert(size(), std::move(value), std::move(key));
  }

  // The item at a position (must be below size()).
  T& at(std::size_t position) const { return nodeAt(position)->value; }
  // The item under a key, or null.
  T* find(const std::u16string& key) const {
    auto it = byKey_.find(key);
    return it == byKey_.end() ? nullptr : &it->second->value;
  }
  // The position of the item under a key.
  std::optional<std::size_t> positionOf(const std::u16string& key) const {
    auto it = byKey_.find(key);
    if (it == byKey_.end()) return std::nullopt;
    const Node* n = it->second;
    std::size_t position = sizeOf(n->left);
    for (; n->parent; n = n->parent) {
      if (n == n->parent->right) position += sizeOf(n->parent->left) + 1;
    }
    return position;
  }

  void erase(std::size_t position) {
    auto [left, rest] = split(root_, position);
    auto [middle, right] = split(rest, 1);
    if (middle && middle->key) byKey_.erase(byKey_.find(*middle->key));
    destroy(middle);
    root_ = merge(left, right);
    if (root_) root_->parent = nullptr;
  }

  void clear() {
    destroy(root_);
    root_ = nullptr;
    byKey_.clear();
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
    const std::u16string* key = nullptr;  // in byKey_; null for an item without a key
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

  // A xorshift sequence: treap priorities need only be well spread, not unpredictable.
  std::uint32_t nextPriority() {
    seed_ ^= seed_ << 13;
    seed_ ^= seed_ >> 17;
    seed_ ^= seed_ << 5;
    return seed_;
  }

  Node* root_ = nullptr;
  std::unordered_map<std::u16string, Node*> byKey_;
  std::uint32_t seed_ = 2463534242u;
};

}  // namespace kestrel
