#pragma once
// The variant value of the object model: the type numbers, by-reference flag and array flag are
// those of the classic automation ABI.
#include <cstdint>
#include <memory>
#include <optional>

#include "automation/unknown.h"
#include "automation/wstring.h"

namespace automation {

enum VarType : std::uint16_t {
  VT_EMPTY = 0,
  VT_NULL = 1,
  VT_I2 = 2,
  VT_I4 = 3,
  VT_R8 = 5,
  VT_CY = 6,
  VT_BSTR = 8,
  VT_DISPATCH = 9,
  VT_ERROR = 10,
  VT_BOOL = 11,
  VT_VARIANT = 12,
  VT_UNKNOWN = 13,
  VT_ARRAY = 0x2000,
  VT_BYREF = 0x4000,
  VT_TYPEMASK = 0x0FFF,
};

using VariantBool = std::int16_t;
constexpr VariantBool VARIANT_TRUE = -1;
constexpr VariantBool VARIANT_FALSE = 0;

struct IDispatch;
class SafeArray;
class Variant;
using ArrayHandle = std::unique_ptr<SafeArray>;

class Variant {
 public:
  Variant() = default;  // empty
  Variant(const Variant& other);
  Variant(Variant&& other) noexcept;
  Variant& operator=(const Variant& other);
  Variant& operator=(Variant&& other) noexcept;
  ~Variant();

  // Values.
  static Variant null();
  static Variant missing();  // the missing-argument marker: VT_ERROR holding DISP_E_PARAMNOTFOUND
  static Variant error(HRESULT code);
  static Variant i2(std::int16_t v);
  static Variant i4(std::int32_t v);
  static Variant boolean(bool v);
  static Variant r8(double v);
  static Variant currency(std::int64_t tenThousandths);
  static Variant string(WString v);
  static Variant string(const char16_t* v) { return string(WString(v)); }
  static Variant object(ComPtr<IDispatch> v);
  static Variant unknown(ComPtr<IUnknown> v);
  static Variant array(SafeArray v);
  static Variant array(ArrayHandle v);

  // References to the caller's storage, which must outlive the variant.
  static Variant refI2(std::int16_t* target);
  static Variant refI4(std::int32_t* target);
  static Variant refBool(VariantBool* target);
  static Variant refR8(double* target);
  static Variant refString(WString* target);
  static Variant refObject(ComPtr<IDispatch>* target);
  static Variant refArray(ArrayHandle* target, VarType elementType);
  static Variant refVariant(Variant* target);

  VarType type() const { return vt_; }
  bool isByRef() const { return (vt_ & VT_BYREF) != 0; }
  bool isArray() const { return (vt_ & VT_ARRAY) != 0; }
  // The type with the by-reference flag taken off (for a reference to a variant: VT_VARIANT).
  VarType baseType() const { return static_cast<VarType>(vt_ & ~VT_BYREF); }
  bool isEmpty() const { return vt_ == VT_EMPTY; }
  bool isMissing() const;

  // The value this variant stands for: itself, or the variant a VT_BYREF|VT_VARIANT refers to.
  const Variant& deref() const;
  Variant& deref();

  // Typed reads of the value (following a typed reference); nullopt when the type differs.
  std::optional<std::int16_t> getI2() const;
  std::optional<std::int32_t> getI4() const;
  std::optional<bool> getBool() const;
  std::optional<double> getR8() const;
  std::optional<std::int64_t> getCurrency() const;
  const WString* getString() const;  // null when the variant holds no string
  ComPtr<IDispatch> getObject() const;
  ComPtr<IUnknown> getUnknown() const;
  const SafeArray* getArray() const;  // null when there is no array (or a reference to none)
  HRESULT getError() const;           // the code of a VT_ERROR value (0 otherwise)

  // The 16 bits stored in the value, read without conversion (the rule for global flags).
  std::int16_t storedLow16() const;

  // Targets of references, for writing back; null when the variant is not such a reference.
  WString* stringTarget() const;
  std::int32_t* i4Target() const;
  std::int16_t* i2Target() const;  // VT_I2 and VT_BOOL references
  double* r8Target() const;
  ArrayHandle* arrayTarget() const;
  ComPtr<IDispatch>* objectTarget() const;
  Variant* variantTarget() const;

  // Conversions in the manner of the automation coercion rules; nullopt when impossible.
  std::optional<std::int32_t> toI4() const;
  std::optional<std::int16_t> toI2() const;
  std::optional<double> toR8() const;
  std::optional<bool> toBool() const;
  std::optional<WString> toString() const;
  // Converts to type t (a plain, non-reference type); DISP_E_TYPEMISMATCH or DISP_E_OVERFLOW.
  HRESULT changeType(VarType t, Variant& out) const;

  // Writes a value through a reference of any kind, converting to the referenced type.
  HRESULT assignThrough(const Variant& value) const;

  friend bool operator==(const Variant& a, const Variant& b);

 private:
  void copyFrom(const Variant& other);

  VarType vt_ = VT_EMPTY;
  std::int64_t num_ = 0;  // I2, I4, BOOL, ERROR, CY
  double dbl_ = 0;
  WString str_;
  ComPtr<IUnknown> obj_;
  ArrayHandle arr_;
  void* ref_ = nullptr;
};

}  // namespace automation

// Arrays are part of every variant user's vocabulary (and ArrayHandle needs the full type).
#include "automation/safearray.h"
