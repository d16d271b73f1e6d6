#pragma once
// Arrays of the object model: an element type, one or more dimensions each with its own lower
// bound, feature flags and a lock count. Elements of the first dimension are adjacent.
#include <cstdint>
#include <span>
#include <vector>

#include "automation/variant.h"

namespace automation {

enum ArrayFeature : std::uint16_t {
  FADF_AUTO = 0x0001,
  FADF_STATIC = 0x0002,
  FADF_EMBEDDED = 0x0004,
  FADF_FIXEDSIZE = 0x0010,
  FADF_RECORD = 0x0020,
  FADF_HAVEIID = 0x0040,
  FADF_HAVEVARTYPE = 0x0080,
  FADF_BSTR = 0x0100,
  FADF_UNKNOWN = 0x0200,
  FADF_DISPATCH = 0x0400,
  FADF_VARIANT = 0x0800,
};

struct ArrayBound {
  std::int32_t lower = 0;
  std::uint32_t count = 0;
};

class SafeArray {
 public:
  // elementType: VT_I2, VT_I4, VT_R8, VT_BOOL, VT_BSTR, VT_DISPATCH, VT_UNKNOWN or VT_VARIANT.
  SafeArray(VarType elementType, std::vector<ArrayBound> bounds, std::uint16_t extraFeatures = 0);
  static SafeArray vector(VarType elementType, std::int32_t lower, std::uint32_t count) {
    return SafeArray(elementType, {{lower, count}});
  }
  SafeArray(const SafeArray& other);  // copies the elements; the copy is unlocked
  SafeArray& operator=(const SafeArray& other);

  VarType elementType() const { return elementType_; }
  std::uint16_t features() const { return features_; }
  void addFeatures(std::uint16_t f) { features_ |= f; }
  std::size_t dimensions() const { return bounds_.size(); }
  const std::vector<ArrayBound>& bounds() const { return bounds_; }
  std::int32_t lowerBound(std::size_t dim = 0) const { return bounds_.at(dim).lower; }
  // lower + count - 1 (one below the lower bound for an empty dimension).
  std::int32_t upperBound(std::size_t dim = 0) const;
  std::size_t elementCount() const { return elements_.size(); }

  // Element access; DISP_E_BADINDEX for an index outside the bounds or a wrong index count.
  HRESULT get(std::span<const std::int32_t> indices, Variant& out) const;
  // Stores value converted to the element type; DISP_E_TYPEMISMATCH when it cannot be.
  HRESULT put(std::span<const std::int32_t> indices, const Variant& value);
  HRESULT get(std::int32_t index, Variant& out) const { return get(std::span(&index, 1), out); }
  HRESULT put(std::int32_t index, const Variant& value) { return put(std::span(&index, 1), value); }
  // Moves a value that already has the element type into place, without the conversion's
  // copies (filling a string array with new strings); other values are converted as above.
  HRESULT put(std::int32_t index, Variant&& value);

  // Changes the element count of the last dimension, keeping its lower bound and the elements
  // that still fit. Fails with DISP_E_ARRAYISLOCKED while locked and E_INVALIDARG for a
  // fixed-size or static array.
  HRESULT redim(std::uint32_t newCount);

  void lock() { ++locks_; }
  HRESULT unlock();
  std::uint32_t lockCount() const { return locks_; }

  friend bool operator==(const SafeArray& a, const SafeArray& b);

 private:
  std::ptrdiff_t offsetOf(std::span<const std::int32_t> indices) const;
  std::size_t strideOfLastDimension() const;

  VarType elementType_;
  std::uint16_t features_;
  std::vector<ArrayBound> bounds_;
  std::vector<Variant> elements_;
  std::uint32_t locks_ = 0;
};

// Holds an array locked for its own lifetime.
class ArrayLock {
 public:
  explicit ArrayLock(SafeArray& a) : a_(a) { a_.lock(); }
  ~ArrayLock() { a_.unlock(); }
  ArrayLock(const ArrayLock&) = delete;
  ArrayLock& operator=(const ArrayLock&) = delete;

 private:
  SafeArray& a_;
};

}  // namespace automation
