// The model's collections: Folders, Files, Filters, Exts and CMDS.
#include "file_table.h"
#include "host_rules.h"
#include "item_collection.h"
#include "model.h"

namespace kestrel {

using automation::E_POINTER;
using automation::HRESULT;
using automation::S_OK;

namespace {

// An optional string argument: empty when left out.
WString optionalString(const Variant& v) {
  if (v.isMissing()) return WString(u"");
  auto s = v.deref().toString();
  if (!s) throw AutomationError(automation::DISP_E_TYPEMISMATCH);
  return *s;
}

WString keyOf(IFolder* folder) {
  WString key;
  check(folder->get_Key(&key));
  return key;
}

std::u16string decimal(std::uint64_t n) {
  const std::string text = std::to_string(n);
  return std::u16string(text.begin(), text.end());
}

// ---- Folders ----

class Folders final : public automation::DispatchObject<Folders, IFolders> {
 public:
  explicit Folders(std::shared_ptr<Counters> counters) : counters_(std::move(counters)) {}
  void* castTo(const Guid& iid) { return castToInterface<Folders, IFolders>(this, iid); }

  HRESULT putref_Folder(IFolder* v) override {
    current_ = ComPtr<IFolder>(v);
    return S_OK;
  }
  HRESULT get_Folder(IFolder** out) override { return giveOut(current_, out); }

  HRESULT Addfolder(IFolder* addfol, IFolder** result) override {
    return guarded([&] {
      if (!addfol) throw AutomationError(automation::basicError(91));
      items_.append(ComPtr<IFolder>(addfol), keyOf(addfol).str());
      ++counters_->folders;
      check(giveOut(ComPtr<IFolder>(addfol), result));
    });
  }

  HRESULT Add(const WString& key, const WString& path, std::int32_t hostType, const Variant& targetPath,
              const Variant& targetName, IFolder** result) override {
    return guarded([&] {
      auto folder = makeFolder();
      check(folder->put_Key(key));
      check(folder->put_Path(path));
      check(folder->put_HostType(hostType));
      check(folder->put_TargetPath(optionalString(targetPath)));
      check(folder->put_TargetName(optionalString(targetName)));
      check(folder->putref_colFiles(makeFiles(counters_).get()));
      items_.append(folder, key.str());
      current_ = folder;
      ++counters_->folders;
      check(giveOut(folder, result));
    });
  }

  HRESULT get_item(const Variant& indexKey, IFolder** out) override {
    return guarded([&] {
      current_ = items_.item(indexKey);
      check(giveOut(current_, out));
    });
  }
  HRESULT get_Count(std::int32_t* out) override { return items_.count(out); }

  HRESULT Clear() override {
    return guarded([&] {
      items_.forEach([](const ComPtr<IFolder>& folder) { folder->putref_colFiles(nullptr); });
      items_.clear();
    });
  }
  HRESULT Remove(const Variant& indexKey) override {
    return guarded([&] {
      items_.item(indexKey)->putref_colFiles(nullptr);
      items_.remove(indexKey);
    });
  }
  HRESULT get_NewEnum(IUnknown** out) override { return giveOut(items_.enumerator(), out); }

  static const DispatchTable<Folders>& dispatchTable() {
    static const DispatchTable<Folders> table{
        objectProperty<Folders, IFolder>(DISPID_Folders_Folder, u"Folder", &Folders::get_Folder, &Folders::putref_Folder),
        {DISPID_Folders_Addfolder, u"Addfolder", automation::DISPATCH_METHOD, 1, 1,
         [](Folders& self, CallArgs& args) {
           auto folder = objectArgument<IFolder>(args[0]);
           IFolder* out = nullptr;
           check(self.Addfolder(folder.get(), &out));
           return objectResult(out);
         }},
        {DISPID_Folders_Add, u"Add", automation::DISPATCH_METHOD, 3, 5,
         [](Folders& self, CallArgs& args) {
           IFolder* out = nullptr;
           check(self.Add(args.string(0), args.string(1), args.i4(2), args[3], args[4], &out));
           return objectResult(out);
         }},
        itemMember<Folders, IFolder>(&Folders::get_item),
        countMember<Folders>(DISPID_Folders_Count, &Folders::get_Count),
        {DISPID_Folders_Clear, u"Clear", automation::DISPATCH_METHOD, 0, 0,
         [](Folders& self, CallArgs&) {
           check(self.Clear());
           return Variant();
         }},
        removeMember<Folders>(DISPID_Folders_Remove, &Folders::Remove),
        newEnumMember<Folders>(&Folders::get_NewEnum),
    };
    return table;
  }

 private:
  std::shared_ptr<Counters> counters_;
  ItemCollection<IFolder> items_;
  ComPtr<IFolder> current_;
};

// ---- Files ----

// A file of a Files collection: its object once somebody has asked for it, before that only
// its stored values.
struct FileItem {
  ComPtr<IFile> object;
  const StoredFile* stored = nullptr;
};

const ComPtr<IFile>& objectOf(FileItem& item) {
  if (!item.object) item.object = makeFile(*item.stored);
  return item.object;
}

class Files final : public automation::DispatchObject<Files, IFiles> {
 public:
  explicit Files(std::shared_ptr<Counters> counters) : counters_(std::move(counters)) {}
  void* castTo(const Guid& iid) { return castToInterface<Files, IFiles>(this, iid); }

  HRESULT put_Sorted(VariantBool v) override { return writeField(sorted_, toVariantBool(v != 0)); }
  HRESULT get_Sorted(VariantBool* out) override { return readField(sorted_, out); }
  HRESULT putref_File(IFile* v) override {
    file_ = ComPtr<IFile>(v);
    return S_OK;
  }
  HRESULT get_File(IFile** out) override { return giveOut(file_, out); }

  HRESULT Clear(Variant* result) override {
    items_.clear();
    table_.clear();
    renameHints_.clear();
    if (result) *result = Variant();
    return S_OK;
  }

  HRESULT Addfile(IFile* addfil, IFile** result) override {
    return guarded([&] {
      if (!addfil) throw AutomationError(automation::basicError(91));
      WString key;
      std::int32_t attrib = 0, size = 0;
      check(addfil->get_Key(&key));
      check(addfil->get_AttribFlags(&attrib));
      check(addfil->get_Size(&size));
      items_.append({ComPtr<IFile>(addfil), nullptr}, key.str());
      count(attrib, size);
      check(giveOut(ComPtr<IFile>(addfil), result));
    });
  }

  HRESULT Add(WString* key, WString* name, std::int32_t* size, std::int32_t* nLinks, WString* sDate, WString* ext,
              WString* owner, WString* group, WString* perms, WString* sTime, std::int32_t* attrib,
              WString* shortName, WString* targetPath, WString* targetName, IFile** result) override {
    if (!key || !name || !size || !nLinks || !sDate || !ext || !owner || !group || !perms || !sTime || !attrib ||
        !shortName)
      return E_POINTER;
    return guarded([&] {
      try {
        const PermissionBits bits = permissionBits(perms->view());
        FileRecord record;
        record.key = key->view();
        record.name = name->view();
        record.shortName = shortName->view();
        record.size = *size;
        record.nLinks = *nLinks;
        record.sDate = sDate->view();
        record.ext = ext->view();
        record.owner = owner->view();
        record.group = group->view();
        record.perms = bits.perms;
        record.worldDelete = bits.worldDelete;
        record.sTime = sTime->view();
        record.attrib = *attrib;
        if (targetName) record.targetName = targetName->view();
        if (targetPath) record.targetPath = targetPath->view();
        // The File object is made when a client first asks for it; a caller that wants no
        // result (the listing parser) leaves only the compact record.
        FileItem item;
        if (result) {
          item.object = makeFile(record);
        } else {
          item.stored = table_.store(record);
        }
        insertRenamingKey(item, *key, *attrib);  // after storing: the record's key is the caller's string
        count(*attrib, *size);
        if (result) check(giveOut(item.object, result));
      } catch (const AutomationError& e) {
        raiseAgain(e, u"Kestrel.Folders.Files.Add", kLibrary);
      }
    });
  }

  HRESULT GetPriv(std::int32_t* privWhat, std::int32_t* who, std::int16_t* priv, VariantBool* result) override {
    if (!privWhat || !who || !priv || !result) return E_POINTER;
    *result = toVariantBool(hasPrivilege(*priv, *who, *privWhat));
    return S_OK;
  }

  HRESULT get_item(const Variant& indexKey, IFile** out) override {
    return guarded([&] { check(giveOut(items_.item(indexKey), out)); });
  }
  HRESULT get_Count(std::int32_t* out) override { return items_.count(out); }
  HRESULT Remove(const Variant& indexKey) override { return guarded([&] { items_.remove(indexKey); }); }
  HRESULT get_NewEnum(IUnknown** out) override { return giveOut(items_.enumerator(), out); }

  static const DispatchTable<Files>& dispatchTable() {
    static const DispatchTable<Files> table{
        boolProperty<Files>(DISPID_Files_Sorted, u"Sorted", &Files::get_Sorted, &Files::put_Sorted),
        objectProperty<Files, IFile>(DISPID_Files_File, u"File", &Files::get_File, &Files::putref_File),
        {DISPID_Files_Clear, u"Clear", automation::DISPATCH_METHOD, 0, 0,
         [](Files& self, CallArgs&) {
           Variant out;
           check(self.Clear(&out));
           return out;
         }},
        {DISPID_Files_Addfile, u"Addfile", automation::DISPATCH_METHOD, 1, 1,
         [](Files& self, CallArgs& args) {
           auto file = objectArgument<IFile>(args[0]);
           IFile* out = nullptr;
           check(self.Addfile(file.get(), &out));
           return objectResult(out);
         }},
        {DISPID_Files_Add, u"Add", automation::DISPATCH_METHOD, 12, 14, &Files::dispatchAdd},
        {DISPID_Files_GetPriv, u"GetPriv", automation::DISPATCH_METHOD, 3, 3,
         [](Files& self, CallArgs& args) {
           std::int32_t what = args.i4(0), who = args.i4(1);
           Variant priv;
           if (auto s = args[2].deref().changeType(automation::VT_I2, priv); automation::failed(s)) throw AutomationError(s);
           std::int16_t bits = *priv.getI2();
           VariantBool out = 0;
           check(self.GetPriv(&what, &who, &bits, &out));
           return Variant::boolean(out != 0);
         }},
        itemMember<Files, IFile>(&Files::get_item),
        countMember<Files>(DISPID_Files_Count, &Files::get_Count),
        removeMember<Files>(DISPID_Files_Remove, &Files::Remove),
        newEnumMember<Files>(&Files::get_NewEnum),
    };
    return table;
  }

 private:
  // Add by dispatch: the strings are written back to by-reference arguments (the key is
  // renamed when it was taken).
  static Variant dispatchAdd(Files& self, CallArgs& args) {
    WString* s[12] = {};
    for (std::size_t i : {0, 1, 4, 5, 6, 7, 8, 9, 11}) s[i] = args.stringTarget(i);
    std::int32_t size = args.i4(2), nLinks = args.i4(3), attrib = args.i4(10);
    WString targetPath = optionalString(args[12]), targetName = optionalString(args[13]);
    IFile* out = nullptr;
    check(self.Add(s[0], s[1], &size, &nLinks, s[4], s[5], s[6], s[7], s[8], s[9], &attrib, s[11], &targetPath,
                   &targetName, &out));
    return objectResult(out);
  }

  // Sorted: folders go first (the latest first), everything else last. A key that is taken is
  // renamed key|1, key|2, ... in the caller's variable; the File keeps the key it was given.
  void insertRenamingKey(const FileItem& file, WString& key, std::int32_t attrib) {
    const std::size_t position = sorted_ && !items_.empty() && (attrib & acIsFolder) ? 0 : items_.size();
    // A stored record already holds the key's text, which the index can share.
    if (file.stored ? items_.tryInsert(position, file, key.view(), file.stored->key())
                    : items_.tryInsert(position, file, key.view()))
      return;
    const std::u16string original = key.str();
    // Counting restarts where the last rename of this key stopped, so that many entries under
    // one key do not cost a quadratic number of probes.
    std::uint64_t& counter = renameHints_[original];
    std::u16string renamed;
    do {
      renamed = original + u"|" + decimal(++counter);
    } while (items_.contains(renamed));
    items_.insert(position, file, renamed);
    key = WString(renamed);
  }

  void count(std::int32_t attrib, std::int32_t size) {
    if ((attrib & acIsFile) == 0) return;
    ++counters_->files;
    counters_->bytesTenThousandths += static_cast<std::int64_t>(size) * 10000;
  }

  std::shared_ptr<Counters> counters_;
  FileTable table_;  // before items_, whose items point into it
  ItemCollection<IFile, FileItem> items_;
  std::unordered_map<std::u16string, std::uint64_t> renameHints_;
  VariantBool sorted_ = automation::VARIANT_FALSE;
  ComPtr<IFile> file_;
};

// ---- Exts ----

class Exts final : public automation::DispatchObject<Exts, IExts> {
 public:
  void* castTo(const Guid& iid) { return castToInterface<Exts, IExts>(this, iid); }

  HRESULT Add(const WString& key, const WString& fileExt, IExt** result) override {
    return guarded([&] {
      auto ext = makeExt();
      WString value = fileExt;
      check(ext->put_FileExt(&value));
      check(ext->put_Key(key));
      items_.append(ext, fileExt.str());
      check(giveOut(ext, result));
    });
  }
  HRESULT get_item(const Variant& indexKey, IExt** out) override {
    return guarded([&] { check(giveOut(items_.item(indexKey), out)); });
  }
  HRESULT get_Count(std::int32_t* out) override { return items_.count(out); }
  HRESULT Remove(const Variant& indexKey) override { return guarded([&] { items_.remove(indexKey); }); }
  HRESULT get_NewEnum(IUnknown** out) override { return giveOut(items_.enumerator(), out); }

  static const DispatchTable<Exts>& dispatchTable() {
    static const DispatchTable<Exts> table{
        {DISPID_Exts_Add, u"Add", automation::DISPATCH_METHOD, 2, 2,
         [](Exts& self, CallArgs& args) {
           IExt* out = nullptr;
           check(self.Add(args.string(0), args.string(1), &out));
           return objectResult(out);
         }},
        itemMember<Exts, IExt>(&Exts::get_item),
        countMember<Exts>(DISPID_Exts_Count, &Exts::get_Count),
        removeMember<Exts>(DISPID_Exts_Remove, &Exts::Remove),
        newEnumMember<Exts>(&Exts::get_NewEnum),
    };
    return table;
  }

 private:
  ItemCollection<IExt> items_;
};

// ---- Filters ----

class Filters final : public automation::DispatchObject<Filters, IFilters> {
 public:
  void* castTo(const Guid& iid) { return castToInterface<Filters, IFilters>(this, iid); }

  HRESULT get_Key(WString* out) override { return readField(key_, out); }
  HRESULT put_Key(const WString& v) override { return writeField(key_, v); }
  HRESULT putref_Exts(IExts* v) override {
    exts_ = ComPtr<IExts>(v);
    return S_OK;
  }
  HRESULT get_Exts(IExts** out) override {
    if (!exts_) exts_ = makeExts();
    return giveOut(exts_, out);
  }
  HRESULT get_Filter(IFilter** out) override {
    if (!filter_) filter_ = makeFilter();
    return giveOut(filter_, out);
  }
  HRESULT putref_Filter(IFilter* v) override {
    filter_ = ComPtr<IFilter>(v);
    return S_OK;
  }
  HRESULT Add(const WString& key, IFilter** result) override {
    return guarded([&] {
      auto filter = makeFilter();
      check(filter->put_Key(key));
      items_.append(filter, std::nullopt);
      check(giveOut(filter, result));
    });
  }
  HRESULT get_item(const Variant& indexKey, IFilter** out) override {
    return guarded([&] { check(giveOut(items_.item(indexKey), out)); });
  }
  HRESULT get_Count(std::int32_t* out) override { return items_.count(out); }
  HRESULT Remove(const Variant& indexKey) override { return guarded([&] { items_.remove(indexKey); }); }
  HRESULT get_NewEnum(IUnknown** out) override { return giveOut(items_.enumerator(), out); }

  static const DispatchTable<Filters>& dispatchTable() {
    static const DispatchTable<Filters> table{
        stringProperty<Filters>(DISPID_Filters_Key, u"Key", &Filters::get_Key, &Filters::put_Key),
        objectProperty<Filters, IExts>(DISPID_Filters_Exts, u"Exts", &Filters::get_Exts, &Filters::putref_Exts),
        objectProperty<Filters, IFilter>(DISPID_Filters_Filter, u"Filter", &Filters::get_Filter, &Filters::putref_Filter),
        {DISPID_Filters_Add, u"Add", automation::DISPATCH_METHOD, 1, 1,
         [](Filters& self, CallArgs& args) {
           IFilter* out = nullptr;
           check(self.Add(args.string(0), &out));
           return objectResult(out);
         }},
        itemMember<Filters, IFilter>(&Filters::get_item),
        countMember<Filters>(DISPID_Filters_Count, &Filters::get_Count),
        removeMember<Filters>(DISPID_Filters_Remove, &Filters::Remove),
        newEnumMember<Filters>(&Filters::get_NewEnum),
    };
    return table;
  }

 private:
  WString key_{u""};
  ComPtr<IExts> exts_;
  ComPtr<IFilter> filter_;
  ItemCollection<IFilter> items_;
};

// ---- CMDS ----

std::u16string upperCase(std::u16string_view text) {
  std::u16string out(text);
  for (auto& c : out) {
    if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - u'a' + u'A');
  }
  return out;
}

class Cmds final : public automation::DispatchObject<Cmds, ICMDS> {
 public:
  void* castTo(const Guid& iid) { return castToInterface<Cmds, ICMDS>(this, iid); }

  HRESULT HELPSupported(const WString& cmd, VariantBool* result) override {
    if (!result) return E_POINTER;
    *result = toVariantBool(items_.contains(upperCase(cmd.view())));
    return S_OK;
  }
  HRESULT Add(const WString& key, const WString& cmdText, ICMD** result) override {
    return guarded([&] {
      auto cmd = makeCmd();
      check(cmd->put_Key(key));
      check(cmd->put_CMD(cmdText));
      items_.append(cmd, key.str());
      check(giveOut(cmd, result));
    });
  }
  HRESULT get_item(const Variant& indexKey, ICMD** out) override {
    return guarded([&] { check(giveOut(items_.item(indexKey), out)); });
  }
  HRESULT get_Count(std::int32_t* out) override { return items_.count(out); }
  HRESULT Remove(const Variant& indexKey) override { return guarded([&] { items_.remove(indexKey); }); }
  HRESULT Clear() override {
    items_.clear();
    return S_OK;
  }
  HRESULT get_NewEnum(IUnknown** out) override { return giveOut(items_.enumerator(), out); }

  static const DispatchTable<Cmds>& dispatchTable() {
    static const DispatchTable<Cmds> table{
        {DISPID_CMDS_HELPSupported, u"HELPSupported", automation::DISPATCH_METHOD, 1, 1,
         [](Cmds& self, CallArgs& args) {
           VariantBool out = 0;
           check(self.HELPSupported(args.string(0), &out));
           return Variant::boolean(out != 0);
         }},
        {DISPID_CMDS_Add, u"Add", automation::DISPATCH_METHOD, 2, 2,
         [](Cmds& self, CallArgs& args) {
           ICMD* out = nullptr;
           check(self.Add(args.string(0), args.string(1), &out));
           return objectResult(out);
         }},
        itemMember<Cmds, ICMD>(&Cmds::get_item),
        countMember<Cmds>(DISPID_CMDS_Count, &Cmds::get_Count),
        removeMember<Cmds>(DISPID_CMDS_Remove, &Cmds::Remove),
        {DISPID_CMDS_Clear, u"Clear", automation::DISPATCH_METHOD, 0, 0,
         [](Cmds& self, CallArgs&) {
           check(self.Clear());
           return Variant();
         }},
        newEnumMember<Cmds>(&Cmds::get_NewEnum),
    };
    return table;
  }

 private:
  ItemCollection<ICMD> items_;
};

}  // namespace

ComPtr<IFiles> makeFiles(std::shared_ptr<Counters> counters) { return automation::makeObject<Files>(std::move(counters)); }
ComPtr<IFolders> makeFolders(std::shared_ptr<Counters> counters) {
  return automation::makeObject<Folders>(std::move(counters));
}
ComPtr<IFilters> makeFilters() { return automation::makeObject<Filters>(); }
ComPtr<IExts> makeExts() { return automation::makeObject<Exts>(); }
ComPtr<ICMDS> makeCmds() { return automation::makeObject<Cmds>(); }

}  // namespace kestrel
