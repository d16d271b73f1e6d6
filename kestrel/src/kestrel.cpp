// CKestrel, the root of the directory model, and CKestrelConstants; the library's entry points.
#include <algorithm>
#include <array>

#include "automation/factory.h"
#include "filter_string.h"
#include "host_rules.h"
#include "item_collection.h"
#include "model.h"
#include "tessel_client.h"

namespace kestrel {

using automation::E_POINTER;
using automation::HRESULT;
using automation::S_OK;

namespace {

constexpr std::int16_t kLargestCount = 32767;

// Characters a name may not hold, in the string library's pattern language.
constexpr char16_t kUnixForbidden[] = u"[\",*';-?(!)${}<>[|]+";
constexpr char16_t kVmsForbidden[] = u"[\" ,'*;?()!{}<>[|+=@~%^#:`.&]+";
constexpr char16_t kDosForbidden[] = u"[\" .;[:+|<>=,*?]+";
constexpr std::size_t kDosNameLength = 8;
constexpr std::size_t kDosExtensionLength = 3;

std::int16_t cappedCount(std::int64_t n) { return static_cast<std::int16_t>(std::min<std::int64_t>(n, kLargestCount)); }

class CKestrel final : public automation::DispatchObject<CKestrel, IKestrel> {
 public:
  void* castTo(const Guid& iid) {
    if (iid == IUnknown::IID || iid == IDispatch::IID || iid == IKestrel::IID) return static_cast<IKestrel*>(this);
    return nullptr;
  }

  HRESULT get_colFilters(IFilters** out) override { return giveOut(colFilters_, out); }
  HRESULT put_colFilters(IFilters* v) override { return putref_colFilters(v); }
  HRESULT putref_colFilters(IFilters* v) override {
    colFilters_ = ComPtr<IFilters>(v);
    return S_OK;
  }
  HRESULT get_colFolders(IFolders** out) override { return giveOut(colFolders_, out); }
  HRESULT put_colFolders(IFolders* v) override { return putref_colFolders(v); }
  HRESULT putref_colFolders(IFolders* v) override {
    colFolders_ = ComPtr<IFolders>(v);
    return S_OK;
  }
  HRESULT get_colCmds(ICMDS** out) override { return giveOut(colCmds_, out); }
  HRESULT put_colCmds(ICMDS* v) override { return putref_colCmds(v); }
  HRESULT putref_colCmds(ICMDS* v) override {
    colCmds_ = ComPtr<ICMDS>(v);
    return S_OK;
  }

  HRESULT get_CurrentPath(WString* out) override { return readField(currentPath_, out); }
  HRESULT put_CurrentPath(const WString& v) override {
    prevPath_ = currentPath_;
    currentPath_ = v;
    return S_OK;
  }
  HRESULT get_PrevPath(WString* out) override { return readField(prevPath_, out); }
  HRESULT put_PrevPath(const WString& v) override { return writeField(prevPath_, v); }
  HRESULT get_RemoteHost(WString* out) override { return readField(remoteHost_, out); }
  HRESULT put_RemoteHost(const WString& v) override { return writeField(remoteHost_, v); }
  HRESULT get_HostType(std::int32_t* out) override { return readField(hostType_, out); }
  HRESULT put_HostType(std::int32_t v) override { return writeField(hostType_, v); }
  HRESULT get_StoreDirs(VariantBool* out) override { return readField(storeDirs_, out); }
  HRESULT put_StoreDirs(VariantBool v) override { return writeField(storeDirs_, toVariantBool(v != 0)); }

  // The 16-bit counts report at most 32 767; the model counts on beyond that.
  HRESULT get_FileCount(std::int16_t* out) override { return readField(cappedCount(counters_->files), out); }
  HRESULT get_FolderCount(std::int16_t* out) override { return readField(cappedCount(counters_->folders), out); }
  HRESULT get_TotalBytes(std::int64_t* out) override { return readField(counters_->bytesTenThousandths, out); }

  HRESULT get_RootPath(WString* out) override {
    if (!out) return E_POINTER;
    return guarded([&] {
      const HostRules rules = hostRules();
      *out = WString(rules.type == VMSHType ? u"[000000]" : rules.dirSep);
    });
  }
  HRESULT get_Filter(WString* out) override { return readField(filter_, out); }
  HRESULT put_Filter(const WString& v) override {
    return guarded([&] {
      auto filters = parseFilterString(v.view());
      colFilters_ = std::move(filters);
      filter_ = v;
    });
  }

  HRESULT IsRoot(const WString& path, VariantBool* result) override {
    if (!result) return E_POINTER;
    return guarded([&] {
      const HostRules rules = hostRules();
      const bool root = rules.type == VMSHType ? path.view().find(u"[000000]") != std::u16string_view::npos
                                               : path.view() == rules.dirSep;
      *result = toVariantBool(root);
    });
  }

  HRESULT IsValidFileName(WString* fName, VariantBool* result) override {
    if (!fName || !result) return E_POINTER;
    return guarded([&] { *result = toVariantBool(isValidFileName(fName->str())); });
  }

  HRESULT ExecPriv(const Variant& key, VariantBool* result) override { return worldPrivilege(key, wcExecute, result); }
  HRESULT ReadPriv(const Variant& key, VariantBool* result) override { return worldPrivilege(key, wcRead, result); }
  HRESULT WritePriv(const Variant& key, VariantBool* result) override { return worldPrivilege(key, wcWrite, result); }

  // Finds a file of the current remote folder by name; never fails.
  HRESULT FileFmName(const WString& fileName, std::int32_t, IFile** retFile, VariantBool* result) override {
    if (!retFile || !result) return E_POINTER;
    *retFile = nullptr;
    *result = automation::VARIANT_FALSE;
    const HRESULT status = guarded([&] {
      const TesselClient tessel;
      auto folder = currentFtpFolder();
      WString folderKey;
      check(folder->get_Key(&folderKey));
      const std::u16string fileKey = tessel.joinPath(folderKey.str(), fileName.str(), hostRules().fileSep);
      ComPtr<IFiles> files;
      check(folder->get_colFiles(files.put()));
      if (!files) throw AutomationError(automation::basicError(91));
      check(files->get_item(Variant::string(WString(fileKey)), retFile));
    });
    *result = toVariantBool(automation::succeeded(status));
    return S_OK;
  }

  HRESULT GetGenHType(WString* dirSep, WString* fileSep, std::int32_t* result) override {
    if (!result) return E_POINTER;
    return guarded([&] {
      const HostRules rules = hostRules();
      if (dirSep) *dirSep = WString(rules.dirSep);
      if (fileSep) *fileSep = WString(rules.fileSep);
      *result = rules.type;
    });
  }

  HRESULT EntryExists(WString* sel, WString* newName, Variant* result) override {
    if (!sel || !newName || !result) return E_POINTER;
    return guarded([&] {
      *result = Variant();
      auto folder = currentFtpFolder();
      ComPtr<IFiles> files;
      check(folder->get_colFiles(files.put()));
      if (!files) throw AutomationError(automation::basicError(91));
      const WString wanted(folderKey().str() + sel->str());
      std::int32_t count = 0;
      check(files->get_Count(&count));
      for (std::int32_t i = 1; i <= count; ++i) {
        ComPtr<IFile> file;
        check(files->get_item(Variant::i4(i), file.put()));
        WString name, key;
        check(file->get_Name(&name));
        if (name.view() != newName->view()) continue;
        check(file->get_Key(&key));
        if (key.view() == wanted.view()) {
          *result = Variant::boolean(true);
          return;
        }
      }
    });
  }

  HRESULT get_CurFtpFolder(IFolder** out) override {
    return guarded([&] { check(giveOut(currentFtpFolder(), out)); });
  }

  HRESULT Clear() override {
    return guarded([&] {
      if (colFolders_) check(colFolders_->Clear());
      *counters_ = Counters{};
    });
  }

  static const DispatchTable<CKestrel>& dispatchTable();

 private:
  HostRules hostRules() const {
    auto rules = hostRulesFor(hostType_);
    if (!rules) raiseLibraryError(ecNotImplemented, u"CKestrel.GetGenHType");
    return *rules;
  }

  WString folderKey() const {
    return WString(remoteHost_.str() + kFolderKeySeparator + currentPath_.str());
  }

  ComPtr<IFolder> currentFtpFolder() {
    if (!colFolders_) throw AutomationError(automation::basicError(91));
    ComPtr<IFolder> folder;
    check(colFolders_->get_item(Variant::string(folderKey()), folder.put()));
    return folder;
  }

  bool isValidFileName(const std::u16string& name) {
    const HostRules rules = hostRules();
    const TesselClient tessel;
    if (name.empty()) return false;
    switch (rules.type) {
      case UnixHType: return !tessel.findPattern(name, kUnixForbidden);
      case VMSHType: return !tessel.findPattern(name, kVmsForbidden);
      default: break;
    }
    // DOS: an 8.3 name; the name and the extension are checked on their own, so that the one
    // period between them is allowed.
    auto split = tessel.splitPath(name, rules.fileSep);
    auto parts = split ? tessel.splitExtension(split->second) : std::nullopt;
    if (!parts) return false;
    const auto& [base, extension] = *parts;
    if (base.size() > kDosNameLength || extension.size() > kDosExtensionLength)
      raiseLibraryError(ecBadFNameLen, u"CKestrel.IsValidFileName");
    if (base.empty()) return false;
    return !tessel.findPattern(base, kDosForbidden) && (extension.empty() || !tessel.findPattern(extension, kDosForbidden));
  }

  HRESULT worldPrivilege(const Variant& key, KestrelPrivAct what, VariantBool* result) {
    if (!result) return E_POINTER;
    return guarded([&] {
      if (!colFolders_) throw AutomationError(automation::basicError(91));
      ComPtr<IFolder> folder;
      check(colFolders_->get_Folder(folder.put()));
      if (!folder) throw AutomationError(automation::basicError(91));
      ComPtr<IFiles> files;
      check(folder->get_colFiles(files.put()));
      if (!files) throw AutomationError(automation::basicError(91));
      ComPtr<IFile> file;
      check(files->get_item(key, file.put()));
      std::int16_t perms = 0;
      check(file->get_Perms(&perms));
      *result = toVariantBool(hasPrivilege(perms, wcWorld, what));
    });
  }

  std::shared_ptr<Counters> counters_ = std::make_shared<Counters>();
  ComPtr<IFilters> colFilters_;
  ComPtr<IFolders> colFolders_ = makeFolders(counters_);
  ComPtr<ICMDS> colCmds_ = makeCmds();
  WString currentPath_{u""}, prevPath_{u""}, remoteHost_{u""}, filter_{u""};
  std::int32_t hostType_ = 0;
  VariantBool storeDirs_ = automation::VARIANT_FALSE;
};

// A by-reference string argument of a late-bound call, or null when it was left out.
WString* optionalStringTarget(CallArgs& args, std::size_t i) { return args.isMissing(i) ? nullptr : args.stringTarget(i); }

Variant boolResult(VariantBool b) { return Variant::boolean(b != 0); }

template <HRESULT (CKestrel::*privilege)(const Variant&, VariantBool*)>
DispatchMember<CKestrel> privilegeMember(DispId id, std::u16string name) {
  return {id, std::move(name), automation::DISPATCH_METHOD, 1, 1, [](CKestrel& self, CallArgs& args) {
            VariantBool out = 0;
            check((self.*privilege)(args[0], &out));
            return boolResult(out);
          }};
}

const DispatchTable<CKestrel>& CKestrel::dispatchTable() {
  using K = CKestrel;
  static const DispatchTable<CKestrel> table{
      objectProperty<K, IFilters>(DISPID_Kestrel_colFilters, u"colFilters", &K::get_colFilters, &K::putref_colFilters),
      objectProperty<K, IFolders>(DISPID_Kestrel_colFolders, u"colFolders", &K::get_colFolders, &K::putref_colFolders),
      objectProperty<K, ICMDS>(DISPID_Kestrel_colCmds, u"colCmds", &K::get_colCmds, &K::putref_colCmds),
      stringProperty<K>(DISPID_Kestrel_CurrentPath, u"CurrentPath", &K::get_CurrentPath, &K::put_CurrentPath),
      stringProperty<K>(DISPID_Kestrel_PrevPath, u"PrevPath", &K::get_PrevPath, &K::put_PrevPath),
      stringProperty<K>(DISPID_Kestrel_RemoteHost, u"RemoteHost", &K::get_RemoteHost, &K::put_RemoteHost),
      numberProperty<K, std::int32_t>(DISPID_Kestrel_HostType, u"HostType", &K::get_HostType, &K::put_HostType),
      boolProperty<K>(DISPID_Kestrel_StoreDirs, u"StoreDirs", &K::get_StoreDirs, &K::put_StoreDirs),
      numberProperty<K, std::int16_t>(DISPID_Kestrel_FileCount, u"FileCount", &K::get_FileCount),
      numberProperty<K, std::int16_t>(DISPID_Kestrel_FolderCount, u"FolderCount", &K::get_FolderCount),
      {DISPID_Kestrel_TotalBytes, u"TotalBytes", automation::DISPATCH_PROPERTYGET, 0, 0,
       [](K& self, CallArgs&) {
         std::int64_t out = 0;
         check(self.get_TotalBytes(&out));
         return Variant::currency(out);
       }},
      stringProperty<K>(DISPID_Kestrel_RootPath, u"RootPath", &K::get_RootPath),
      stringProperty<K>(DISPID_Kestrel_Filter, u"Filter", &K::get_Filter, &K::put_Filter),
      {DISPID_Kestrel_IsRoot, u"IsRoot", automation::DISPATCH_METHOD, 1, 1,
       [](K& self, CallArgs& args) {
         VariantBool out = 0;
         check(self.IsRoot(args.string(0), &out));
         return boolResult(out);
       }},
      {DISPID_Kestrel_IsValidFileName, u"IsValidFileName", automation::DISPATCH_METHOD, 1, 1,
       [](K& self, CallArgs& args) {
         VariantBool out = 0;
         check(self.IsValidFileName(args.stringTarget(0), &out));
         return boolResult(out);
       }},
      privilegeMember<&K::ExecPriv>(DISPID_Kestrel_ExecPriv, u"ExecPriv"),
      privilegeMember<&K::ReadPriv>(DISPID_Kestrel_ReadPriv, u"ReadPriv"),
      privilegeMember<&K::WritePriv>(DISPID_Kestrel_WritePriv, u"WritePriv"),
      {DISPID_Kestrel_FileFmName, u"FileFmName", automation::DISPATCH_METHOD, 3, 3,
       [](K& self, CallArgs& args) {
         IFile* file = nullptr;
         VariantBool out = 0;
         check(self.FileFmName(args.string(0), args.i4(1), &file, &out));
         auto found = ComPtr<IDispatch>::adopt(file);
         if (args[2].isByRef()) args[2].assignThrough(Variant::object(found));
         return boolResult(out);
       }},
      {DISPID_Kestrel_GetGenHType, u"GetGenHType", automation::DISPATCH_METHOD, 0, 2,
       [](K& self, CallArgs& args) {
         std::int32_t out = 0;
         check(self.GetGenHType(optionalStringTarget(args, 0), optionalStringTarget(args, 1), &out));
         return Variant::i4(out);
       }},
      {DISPID_Kestrel_EntryExists, u"EntryExists", automation::DISPATCH_METHOD, 2, 2,
       [](K& self, CallArgs& args) {
         Variant out;
         check(self.EntryExists(args.stringTarget(0), args.stringTarget(1), &out));
         return out;
       }},
      objectProperty<K, IFolder>(DISPID_Kestrel_CurFtpFolder, u"CurFtpFolder", &K::get_CurFtpFolder),
      {DISPID_Kestrel_Clear, u"Clear", automation::DISPATCH_METHOD, 0, 0,
       [](K& self, CallArgs&) {
         check(self.Clear());
         return Variant();
       }},
  };
  return table;
}

// Exists to publish the enumerations; it has no members of its own.
class CKestrelConstants final : public automation::DispatchObject<CKestrelConstants, IDispatch> {
 public:
  void* castTo(const Guid& iid) {
    return iid == IUnknown::IID || iid == IDispatch::IID ? static_cast<IDispatch*>(this) : nullptr;
  }
  static const DispatchTable<CKestrelConstants>& dispatchTable() {
    static const DispatchTable<CKestrelConstants> table{};
    return table;
  }
};

const std::array<automation::ClassEntry, 2> kClasses{{
    {CLSID_CKestrel, PROGID_CKestrel, &automation::createObjectOf<CKestrel>},
    {CLSID_CKestrelConstants, PROGID_CKestrelConstants, &automation::createObjectOf<CKestrelConstants>},
}};

}  // namespace
}  // namespace kestrel

AUTOMATION_SERVER_ENTRY_POINTS(kestrel::kClasses)
