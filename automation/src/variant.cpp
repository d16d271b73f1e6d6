#include "automation/variant.h"

#include <cmath>
#include <cstring>
#include <limits>
#include <string>

#include "automation/dispatch_object.h"
#include "automation/safearray.h"

namespace automation {

namespace {

constexpr VarType refType(VarType t) { return static_cast<VarType>(t | VT_BYREF); }

// Banker's rounding, as the automation conversions round.
std::optional<std::int64_t> roundToInteger(double v) {
  if (!std::isfinite(v)) return std::nullopt;
  const double r = std::nearbyint(v);  // default rounding mode: halves to even
  if (r < -9.2e18 || r > 9.2e18) return std::nullopt;
  return static_cast<std::int64_t>(r);
}

std::optional<double> parseNumber(std::u16string_view text) {
  std::string ascii;
  for (char16_t c : text) {
    if (c > 0x7F) return std::nullopt;
    ascii.push_back(static_cast<char>(c));
  }
  const auto first = ascii.find_first_not_of(" \t");
  if (first == std::string::npos) return std::nullopt;
  const auto last = ascii.find_last_not_of(" \t");
  ascii = ascii.substr(first, last - first + 1);
  char* end = nullptr;
  const double v = std::strtod(ascii.c_str(), &end);
  if (end != ascii.c_str() + ascii.size()) return std::nullopt;
  return v;
}

std::u16string ascii16(const std::string& s) { return std::u16string(s.begin(), s.end()); }

}  // namespace

Variant::Variant(const Variant& other) { copyFrom(other); }
Variant::Variant(Variant&& other) noexcept
    : vt_(std::exchange(other.vt_, VT_EMPTY)), num_(other.num_), dbl_(other.dbl_), str_(std::move(other.str_)),
      obj_(std::move(other.obj_)), arr_(std::move(other.arr_)), ref_(other.ref_) {}
Variant& Variant::operator=(const Variant& other) {
  if (this != &other) {
    Variant copy(other);
    *this = std::move(copy);
  }
  return *this;
}
Variant& Variant::operator=(Variant&& other) noexcept {
  vt_ = std::exchange(other.vt_, VT_EMPTY);
  num_ = other.num_;
  dbl_ = other.dbl_;
  str_ = std::move(other.str_);
  obj_ = std::move(other.obj_);
  arr_ = std::move(other.arr_);
  ref_ = other.ref_;
  return *this;
}
Variant::~Variant() = default;

void Variant::copyFrom(const Variant& other) {
  vt_ = other.vt_;
  num_ = other.num_;
  dbl_ = other.dbl_;
  str_ = other.str_;
  obj_ = other.obj_;
  arr_ = other.arr_ ? std::make_unique<SafeArray>(*other.arr_) : nullptr;
  ref_ = other.ref_;
}

Variant Variant::null() { Variant v; v.vt_ = VT_NULL; return v; }
Variant Variant::missing() { return error(DISP_E_PARAMNOTFOUND); }
Variant Variant::error(HRESULT code) { Variant v; v.vt_ = VT_ERROR; v.num_ = code; return v; }
Variant Variant::i2(std::int16_t x) { Variant v; v.vt_ = VT_I2; v.num_ = x; return v; }
Variant Variant::i4(std::int32_t x) { Variant v; v.vt_ = VT_I4; v.num_ = x; return v; }
Variant Variant::boolean(bool x) { Variant v; v.vt_ = VT_BOOL; v.num_ = x ? VARIANT_TRUE : VARIANT_FALSE; return v; }
Variant Variant::r8(double x) { Variant v; v.vt_ = VT_R8; v.dbl_ = x; return v; }
Variant Variant::currency(std::int64_t x) { Variant v; v.vt_ = VT_CY; v.num_ = x; return v; }
Variant Variant::string(WString x) { Variant v; v.vt_ = VT_BSTR; v.str_ = std::move(x); return v; }
Variant Variant::object(ComPtr<IDispatch> x) {
  Variant v;
  v.vt_ = VT_DISPATCH;
  v.obj_ = ComPtr<IUnknown>(x.get());
  return v;
}
Variant Variant::unknown(ComPtr<IUnknown> x) { Variant v; v.vt_ = VT_UNKNOWN; v.obj_ = std::move(x); return v; }
Variant Variant::array(SafeArray a) { return array(std::make_unique<SafeArray>(std::move(a))); }
Variant Variant::array(ArrayHandle a) {
  Variant v;
  v.vt_ = static_cast<VarType>(VT_ARRAY | (a ? a->elementType() : VT_VARIANT));
  v.arr_ = std::move(a);
  return v;
}


Variant Variant::refI2(std::int16_t* t) { Variant v; v.vt_ = refType(VT_I2); v.ref_ = t; return v; }
Variant Variant::refI4(std::int32_t* t) { Variant v; v.vt_ = refType(VT_I4); v.ref_ = t; return v; }
Variant Variant::refBool(VariantBool* t) { Variant v; v.vt_ = refType(VT_BOOL); v.ref_ = t; return v; }
Variant Variant::refR8(double* t) { Variant v; v.vt_ = refType(VT_R8); v.ref_ = t; return v; }
Variant Variant::refString(WString* t) { Variant v; v.vt_ = refType(VT_BSTR); v.ref_ = t; return v; }
Variant Variant::refObject(ComPtr<IDispatch>* t) { Variant v; v.vt_ = refType(VT_DISPATCH); v.ref_ = t; return v; }
Variant Variant::refArray(ArrayHandle* t, VarType elementType) {
  Variant v;
  v.vt_ = static_cast<VarType>(VT_BYREF | VT_ARRAY | elementType);
  v.ref_ = t;
  return v;
}
Variant Variant::refVariant(Variant* t) { Variant v; v.vt_ = refType(VT_VARIANT); v.ref_ = t; return v; }

bool Variant::isMissing() const { return vt_ == VT_ERROR && num_ == DISP_E_PARAMNOTFOUND; }

const Variant& Variant::deref() const {
  return vt_ == refType(VT_VARIANT) && ref_ ? *static_cast<const Variant*>(ref_) : *this;
}
Variant& Variant::deref() { return vt_ == refType(VT_VARIANT) && ref_ ? *static_cast<Variant*>(ref_) : *this; }

std::optional<std::int16_t> Variant::getI2() const {
  const Variant& v = deref();
  if (v.vt_ == VT_I2) return static_cast<std::int16_t>(v.num_);
  if (v.vt_ == refType(VT_I2)) return *static_cast<std::int16_t*>(v.ref_);
  return std::nullopt;
}
std::optional<std::int32_t> Variant::getI4() const {
  const Variant& v = deref();
  if (v.vt_ == VT_I4) return static_cast<std::int32_t>(v.num_);
  if (v.vt_ == refType(VT_I4)) return *static_cast<std::int32_t*>(v.ref_);
  return std::nullopt;
}
std::optional<bool> Variant::getBool() const {
  const Variant& v = deref();
  if (v.vt_ == VT_BOOL) return v.num_ != 0;
  if (v.vt_ == refType(VT_BOOL)) return *static_cast<VariantBool*>(v.ref_) != 0;
  return std::nullopt;
}
std::optional<double> Variant::getR8() const {
  const Variant& v = deref();
  if (v.vt_ == VT_R8) return v.dbl_;
  if (v.vt_ == refType(VT_R8)) return *static_cast<double*>(v.ref_);
  return std::nullopt;
}
std::optional<std::int64_t> Variant::getCurrency() const {
  const Variant& v = deref();
  if (v.vt_ == VT_CY) return v.num_;
  return std::nullopt;
}
const WString* Variant::getString() const {
  const Variant& v = deref();
  if (v.vt_ == VT_BSTR) return &v.str_;
  if (v.vt_ == refType(VT_BSTR)) return static_cast<const WString*>(v.ref_);
  return nullptr;
}
ComPtr<IDispatch> Variant::getObject() const {
  const Variant& v = deref();
  if (v.vt_ == refType(VT_DISPATCH)) return *static_cast<ComPtr<IDispatch>*>(v.ref_);
  if ((v.vt_ == VT_DISPATCH || v.vt_ == VT_UNKNOWN) && v.obj_) return v.obj_.query<IDispatch>();
  return nullptr;
}
ComPtr<IUnknown> Variant::getUnknown() const {
  const Variant& v = deref();
  if (v.vt_ == refType(VT_DISPATCH)) return ComPtr<IUnknown>(static_cast<ComPtr<IDispatch>*>(v.ref_)->get());
  if (v.vt_ == VT_DISPATCH || v.vt_ == VT_UNKNOWN) return v.obj_;
  return nullptr;
}
const SafeArray* Variant::getArray() const {
  const Variant& v = deref();
  if (!(v.vt_ & VT_ARRAY)) return nullptr;
  if (v.vt_ & VT_BYREF) return static_cast<ArrayHandle*>(v.ref_)->get();
  return v.arr_.get();
}
HRESULT Variant::getError() const { return deref().vt_ == VT_ERROR ? static_cast<HRESULT>(deref().num_) : 0; }

std::int16_t Variant::storedLow16() const {
  const Variant& v = deref();
  switch (v.baseType()) {
    case VT_I2: case VT_I4: case VT_BOOL: case VT_ERROR: case VT_CY:
      if (v.isByRef()) {
        return v.baseType() == VT_I4 ? static_cast<std::int16_t>(*static_cast<std::int32_t*>(v.ref_))
                                     : *static_cast<std::int16_t*>(v.ref_);
      }
      return static_cast<std::int16_t>(v.num_ & 0xFFFF);
    case VT_R8: {
      std::uint64_t bits;
      const double d = v.isByRef() ? *static_cast<double*>(v.ref_) : v.dbl_;
      std::memcpy(&bits, &d, sizeof bits);
      return static_cast<std::int16_t>(bits & 0xFFFF);
    }
    case VT_EMPTY: case VT_NULL:
      return 0;
    default: {
      // Strings, objects and arrays store a reference: set when there is something to refer to.
      const WString* s = v.getString();
      if (s) return s->isNull() ? 0 : 1;
      return (v.obj_ || v.getArray() || v.getObject()) ? 1 : 0;
    }
  }
}

WString* Variant::stringTarget() const {
  const Variant& v = deref();
  if (v.vt_ == refType(VT_BSTR)) return static_cast<WString*>(v.ref_);
  if (&v != this && v.vt_ == VT_BSTR) return const_cast<WString*>(&v.str_);
  return nullptr;
}
std::int32_t* Variant::i4Target() const {
  const Variant& v = deref();
  return v.vt_ == refType(VT_I4) ? static_cast<std::int32_t*>(v.ref_) : nullptr;
}
std::int16_t* Variant::i2Target() const {
  const Variant& v = deref();
  return v.vt_ == refType(VT_I2) || v.vt_ == refType(VT_BOOL) ? static_cast<std::int16_t*>(v.ref_) : nullptr;
}
double* Variant::r8Target() const {
  const Variant& v = deref();
  return v.vt_ == refType(VT_R8) ? static_cast<double*>(v.ref_) : nullptr;
}
ArrayHandle* Variant::arrayTarget() const {
  if (vt_ == refType(VT_VARIANT)) {
    Variant* inner = static_cast<Variant*>(ref_);
    if (inner->vt_ & VT_BYREF) return inner->arrayTarget();
    return (inner->vt_ & VT_ARRAY) ? &inner->arr_ : nullptr;
  }
  return (vt_ & VT_BYREF) && (vt_ & VT_ARRAY) ? static_cast<ArrayHandle*>(ref_) : nullptr;
}
ComPtr<IDispatch>* Variant::objectTarget() const {
  const Variant& v = deref();
  return v.vt_ == refType(VT_DISPATCH) ? static_cast<ComPtr<IDispatch>*>(v.ref_) : nullptr;
}
Variant* Variant::variantTarget() const { return vt_ == refType(VT_VARIANT) ? static_cast<Variant*>(ref_) : nullptr; }

std::optional<double> Variant::toR8() const {
  const Variant& v = deref();
  switch (v.baseType()) {
    case VT_EMPTY: return 0.0;
    case VT_I2: return *v.getI2();
    case VT_I4: return *v.getI4();
    case VT_BOOL: return *v.getBool() ? -1.0 : 0.0;
    case VT_R8: return *v.getR8();
    case VT_CY: return static_cast<double>(v.num_) / 10000.0;
    case VT_BSTR: return parseNumber(v.getString()->view());
    default: return std::nullopt;
  }
}

std::optional<std::int32_t> Variant::toI4() const {
  if (auto i = getI4()) return i;
  if (auto i = getI2()) return *i;
  const auto d = toR8();
  if (!d) return std::nullopt;
  const auto r = roundToInteger(*d);
  if (!r || *r < std::numeric_limits<std::int32_t>::min() || *r > std::numeric_limits<std::int32_t>::max()) return std::nullopt;
  return static_cast<std::int32_t>(*r);
}

std::optional<std::int16_t> Variant::toI2() const {
  const auto i = toI4();
  if (!i || *i < -32768 || *i > 32767) return std::nullopt;
  return static_cast<std::int16_t>(*i);
}

std::optional<bool> Variant::toBool() const {
  if (auto b = getBool()) return b;
  if (const WString* s = getString()) {
    std::u16string t = foldNameCase(s->view());
    if (t == u"true") return true;
    if (t == u"false") return false;
  }
  const auto d = toR8();
  if (!d) return std::nullopt;
  return *d != 0.0;
}

std::optional<WString> Variant::toString() const {
  const Variant& v = deref();
  switch (v.baseType()) {
    case VT_EMPTY: return WString(u"");
    case VT_BSTR: return *v.getString();
    case VT_I2: return WString(ascii16(std::to_string(*v.getI2())));
    case VT_I4: return WString(ascii16(std::to_string(*v.getI4())));
    case VT_BOOL: return WString(*v.getBool() ? u"True" : u"False");
    case VT_R8: {
      char buf[32];
      std::snprintf(buf, sizeof buf, "%.15G", *v.getR8());
      return WString(ascii16(buf));
    }
    case VT_CY: {
      const std::int64_t n = v.num_;
      std::string s = std::to_string(n / 10000);
      std::int64_t frac = n % 10000;
      if (frac != 0) {
        if (n < 0 && n / 10000 == 0) s = "-" + s;
        std::string f = std::to_string(frac < 0 ? -frac : frac);
        f = std::string(4 - f.size(), '0') + f;
        while (f.back() == '0') f.pop_back();
        s += "." + f;
      }
      return WString(ascii16(s));
    }
    default: return std::nullopt;
  }
}

HRESULT Variant::changeType(VarType t, Variant& out) const {
  const Variant& v = deref();
  switch (t) {
    case VT_EMPTY: out = Variant(); return S_OK;
    case VT_VARIANT: out = v.isByRef() ? v.deref() : v; return S_OK;
    case VT_BSTR: if (auto s = v.toString()) { out = string(*s); return S_OK; } break;
    case VT_I4: if (auto i = v.toI4()) { out = i4(*i); return S_OK; } return v.toR8() ? DISP_E_OVERFLOW : DISP_E_TYPEMISMATCH;
    case VT_I2: if (auto i = v.toI2()) { out = i2(*i); return S_OK; } return v.toR8() ? DISP_E_OVERFLOW : DISP_E_TYPEMISMATCH;
    case VT_R8: if (auto d = v.toR8()) { out = r8(*d); return S_OK; } break;
    case VT_BOOL: if (auto b = v.toBool()) { out = boolean(*b); return S_OK; } break;
    case VT_DISPATCH: if (auto o = v.getObject(); o || v.baseType() == VT_DISPATCH) { out = object(o); return S_OK; } break;
    case VT_UNKNOWN: if (auto o = v.getUnknown(); o || v.baseType() == VT_UNKNOWN) { out = unknown(o); return S_OK; } break;
    case VT_NULL: if (v.vt_ == VT_NULL) { out = null(); return S_OK; } break;
    case VT_ERROR: if (v.vt_ == VT_ERROR) { out = v; return S_OK; } break;
    case VT_CY: if (auto d = v.toR8()) { if (auto r = roundToInteger(*d * 10000.0)) { out = currency(*r); return S_OK; } return DISP_E_OVERFLOW; } break;
    default: return DISP_E_BADVARTYPE;
  }
  return DISP_E_TYPEMISMATCH;
}

HRESULT Variant::assignThrough(const Variant& value) const {
  if (!(vt_ & VT_BYREF) || !ref_) return E_INVALIDARG;
  if (vt_ == refType(VT_VARIANT)) {
    *static_cast<Variant*>(ref_) = value.deref();
    return S_OK;
  }
  if (vt_ & VT_ARRAY) {
    const SafeArray* a = value.getArray();
    if (!a && !value.isEmpty()) return DISP_E_TYPEMISMATCH;
    *static_cast<ArrayHandle*>(ref_) = a ? std::make_unique<SafeArray>(*a) : nullptr;
    return S_OK;
  }
  Variant converted;
  if (const HRESULT s = value.changeType(baseType(), converted); failed(s)) return s;
  switch (baseType()) {
    case VT_I2: case VT_BOOL: *static_cast<std::int16_t*>(ref_) = static_cast<std::int16_t>(converted.num_); break;
    case VT_I4: *static_cast<std::int32_t*>(ref_) = static_cast<std::int32_t>(converted.num_); break;
    case VT_R8: *static_cast<double*>(ref_) = converted.dbl_; break;
    case VT_BSTR: *static_cast<WString*>(ref_) = converted.str_; break;
    case VT_DISPATCH: *static_cast<ComPtr<IDispatch>*>(ref_) = converted.getObject(); break;
    default: return DISP_E_BADVARTYPE;
  }
  return S_OK;
}

bool operator==(const Variant& a, const Variant& b) {
  if (a.vt_ != b.vt_) return false;
  if (a.vt_ & VT_BYREF) return a.ref_ == b.ref_;
  if (a.vt_ & VT_ARRAY) return (!a.arr_ && !b.arr_) || (a.arr_ && b.arr_ && *a.arr_ == *b.arr_);
  switch (a.vt_) {
    case VT_R8: return a.dbl_ == b.dbl_;
    case VT_BSTR: return a.str_ == b.str_;
    case VT_DISPATCH: case VT_UNKNOWN: return a.obj_ == b.obj_;
    default: return a.num_ == b.num_;
  }
}

}  // namespace automation
