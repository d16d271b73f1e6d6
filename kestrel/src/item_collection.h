#pragma once
// The shared body of the model's collections: items in a keyed list, reached by 1-based
// position or string key as a client passes them. An item is an interface pointer, or anything
// that objectOf() turns into one when a client asks for it.
#include "com_support.h"
#include "error_module.h"
#include "keyed_list.h"

namespace kestrel {

template <class I>
const ComPtr<I>& objectOf(const ComPtr<I>& item) {
  return item;
}

template <class I, class Item = ComPtr<I>>
class ItemCollection {
 public:
  std::size_t size() const { return items_.size(); }
  bool empty() const { return items_.empty(); }

  // The 0-based position named by a 1-based position or a key; error 5 when there is none.
  std::size_t positionOf(const Variant& indexKey) const {
    const Variant& v = indexKey.deref();
    if (const WString* key = v.getString()) {
      if (auto position = items_.positionOf(key->str())) return *position;
      raiseInvalidArgument();
    }
    auto number = v.toI4();
    if (!number || *number < 1 || static_cast<std::size_t>(*number) > items_.size()) raiseInvalidArgument();
    return static_cast<std::size_t>(*number - 1);
  }

  const ComPtr<I>& item(const Variant& indexKey) const { return objectOf(items_.at(positionOf(indexKey))); }
  bool contains(std::u16string_view key) const { return items_.contains(key); }

  // Inserts at a 0-based position (size() appends); error 457 when the key is taken.
  void insert(std::size_t position, Item item, std::optional<std::u16string_view> key) {
    if (!tryInsert(position, std::move(item), key)) raiseDuplicateKey();
  }
  // The same, returning false (and changing nothing) when the key is taken.
  bool tryInsert(std::size_t position, Item item, std::optional<std::u16string_view> key) {
    return items_.insert(position, std::move(item), key);
  }
  // The same with the key's compact text held by the caller, as KeyedList takes it.
  bool tryInsert(std::size_t position, Item item, std::u16string_view key, CompactTextView heldKey) {
    return items_.insert(position, std::move(item), key, heldKey);
  }
  void append(Item item, std::optional<std::u16string_view> key) { insert(size(), std::move(item), key); }

  void remove(const Variant& indexKey) { items_.erase(positionOf(indexKey)); }
  void clear() { items_.clear(); }

  // Calls f(object) for each item in order.
  template <class F>
  void forEach(F&& f) const {
    items_.forEach([&](Item& item) { f(objectOf(item)); });
  }

  // An enumerator over a snapshot of the items.
  ComPtr<IUnknown> enumerator() const {
    std::vector<Variant> snapshot;
    snapshot.reserve(items_.size());
    forEach([&](const ComPtr<I>& item) { snapshot.push_back(Variant::object(ComPtr<IDispatch>(item.get()))); });
    return automation::makeEnumerator(std::move(snapshot)).template query<IUnknown>();
  }

  automation::HRESULT count(std::int32_t* out) const {
    if (!out) return automation::E_POINTER;
    *out = static_cast<std::int32_t>(items_.size());
    return automation::S_OK;
  }

 private:
  KeyedList<Item> items_;
};

// QueryInterface's lookup for a class with one dual interface I.
template <class Self, class I>
void* castToInterface(Self* self, const Guid& iid) {
  if (iid == IUnknown::IID || iid == IDispatch::IID || iid == I::IID) return static_cast<I*>(self);
  return nullptr;
}

// Plain field accessors for the model's item classes.
template <class T>
automation::HRESULT readField(const T& field, T* out) {
  if (!out) return automation::E_POINTER;
  *out = field;
  return automation::S_OK;
}
template <class T>
automation::HRESULT writeField(T& field, const T& value) {
  field = value;
  return automation::S_OK;
}

}  // namespace kestrel
