#include "automation/enumerator.h"

#include <memory>

namespace automation {

namespace {

class VariantEnumerator final : public Object<VariantEnumerator, IEnumVARIANT> {
 public:
  VariantEnumerator(std::shared_ptr<const std::vector<Variant>> items, std::size_t position)
      : items_(std::move(items)), position_(position) {}

  void* castTo(const Guid& iid) {
    return iid == IUnknown::IID || iid == IEnumVARIANT::IID ? static_cast<IEnumVARIANT*>(this) : nullptr;
  }

  HRESULT Next(std::uint32_t count, Variant* out, std::uint32_t* fetched) override {
    if (!out && count > 0) return E_POINTER;
    std::uint32_t n = 0;
    while (n < count && position_ < items_->size()) out[n++] = (*items_)[position_++];
    if (fetched) *fetched = n;
    return n == count ? S_OK : S_FALSE;
  }
  HRESULT Skip(std::uint32_t count) override {
    const std::size_t left = items_->size() - position_;
    position_ += std::min<std::size_t>(count, left);
    return count <= left ? S_OK : S_FALSE;
  }
  HRESULT Reset() override {
    position_ = 0;
    return S_OK;
  }
  HRESULT Clone(IEnumVARIANT** copy) override {
    if (!copy) return E_POINTER;
    *copy = makeObject<VariantEnumerator>(items_, position_).detach();
    return S_OK;
  }

 private:
  std::shared_ptr<const std::vector<Variant>> items_;
  std::size_t position_;
};

}  // namespace

ComPtr<IEnumVARIANT> makeEnumerator(std::vector<Variant> items) {
  return makeObject<VariantEnumerator>(std::make_shared<const std::vector<Variant>>(std::move(items)), 0);
}

}  // namespace automation
