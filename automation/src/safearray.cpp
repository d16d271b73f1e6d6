#include "automation/safearray.h"

namespace automation {

namespace {

std::uint16_t featuresFor(VarType t) {
  switch (t) {
    case VT_BSTR: return FADF_BSTR;
    case VT_DISPATCH: return FADF_DISPATCH;
    case VT_UNKNOWN: return FADF_UNKNOWN;
    case VT_VARIANT: return FADF_VARIANT;
    default: return 0;
  }
}

Variant initialElement(VarType t) {
  switch (t) {
    case VT_I2: return Variant::i2(0);
    case VT_I4: return Variant::i4(0);
    case VT_R8: return Variant::r8(0);
    case VT_BOOL: return Variant::boolean(false);
    case VT_BSTR: return Variant::string(WString::null());
    case VT_DISPATCH: return Variant::object(nullptr);
    case VT_UNKNOWN: return Variant::unknown(nullptr);
    default: return Variant();
  }
}

}  // namespace

SafeArray::SafeArray(VarType elementType, std::vector<ArrayBound> bounds, std::uint16_t extraFeatures)
    : elementType_(elementType), features_(static_cast<std::uint16_t>(featuresFor(elementType) | extraFeatures)),
      bounds_(std::move(bounds)) {
  std::size_t n = bounds_.empty() ? 0 : 1;
  for (const auto& b : bounds_) n *= b.count;
  elements_.assign(n, initialElement(elementType_));
}

SafeArray::SafeArray(const SafeArray& other)
    : elementType_(other.elementType_), features_(other.features_), bounds_(other.bounds_), elements_(other.elements_) {}

SafeArray& SafeArray::operator=(const SafeArray& other) {
  elementType_ = other.elementType_;
  features_ = other.features_;
  bounds_ = other.bounds_;
  elements_ = other.elements_;
  locks_ = 0;
  return *this;
}

std::int32_t SafeArray::upperBound(std::size_t dim) const {
  const auto& b = bounds_.at(dim);
  return static_cast<std::int32_t>(static_cast<std::int64_t>(b.lower) + b.count - 1);
}

std::ptrdiff_t SafeArray::offsetOf(std::span<const std::int32_t> indices) const {
  if (indices.size() != bounds_.size()) return -1;
  std::size_t offset = 0, stride = 1;
  for (std::size_t d = 0; d < bounds_.size(); ++d) {
    const std::int64_t rel = static_cast<std::int64_t>(indices[d]) - bounds_[d].lower;
    if (rel < 0 || rel >= static_cast<std::int64_t>(bounds_[d].count)) return -1;
    offset += static_cast<std::size_t>(rel) * stride;
    stride *= bounds_[d].count;
  }
  return static_cast<std::ptrdiff_t>(offset);
}

HRESULT SafeArray::get(std::span<const std::int32_t> indices, Variant& out) const {
  const auto at = offsetOf(indices);
  if (at < 0) return DISP_E_BADINDEX;
  out = elements_[static_cast<std::size_t>(at)];
  return S_OK;
}

HRESULT SafeArray::put(std::span<const std::int32_t> indices, const Variant& value) {
  const auto at = offsetOf(indices);
  if (at < 0) return DISP_E_BADINDEX;
  Variant converted;
  if (const HRESULT s = value.changeType(elementType_, converted); failed(s)) return s;
  elements_[static_cast<std::size_t>(at)] = std::move(converted);
  return S_OK;
}

HRESULT SafeArray::put(std::int32_t index, Variant&& value) {
  if (value.type() != elementType_) return put(index, static_cast<const Variant&>(value));
  const auto at = offsetOf(std::span(&index, 1));
  if (at < 0) return DISP_E_BADINDEX;
  elements_[static_cast<std::size_t>(at)] = std::move(value);
  return S_OK;
}

std::size_t SafeArray::strideOfLastDimension() const {
  std::size_t stride = 1;
  for (std::size_t d = 0; d + 1 < bounds_.size(); ++d) stride *= bounds_[d].count;
  return stride;
}

HRESULT SafeArray::redim(std::uint32_t newCount) {
  if (locks_ > 0) return DISP_E_ARRAYISLOCKED;
  if (features_ & (FADF_FIXEDSIZE | FADF_STATIC)) return E_INVALIDARG;
  if (bounds_.empty()) return E_INVALIDARG;
  // The last dimension varies slowest, so its elements are whole blocks at the end.
  elements_.resize(strideOfLastDimension() * newCount, initialElement(elementType_));
  bounds_.back().count = newCount;
  return S_OK;
}

HRESULT SafeArray::unlock() {
  if (locks_ == 0) return E_UNEXPECTED;
  --locks_;
  return S_OK;
}

bool operator==(const SafeArray& a, const SafeArray& b) {
  if (a.elementType_ != b.elementType_ || a.bounds_.size() != b.bounds_.size()) return false;
  for (std::size_t d = 0; d < a.bounds_.size(); ++d) {
    if (a.bounds_[d].lower != b.bounds_[d].lower || a.bounds_[d].count != b.bounds_[d].count) return false;
  }
  return a.elements_ == b.elements_;
}

}  // namespace automation
