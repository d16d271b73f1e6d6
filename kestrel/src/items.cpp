// The model's item classes: plain records with a property for each field.
#include <tuple>

#include "item_collection.h"
#include "model.h"
#include "packed_strings.h"

namespace kestrel {

using automation::HRESULT;
using automation::S_OK;

namespace {

class File final : public automation::DispatchObject<File, IFile> {
 public:
  File() = default;
  explicit File(const FileRecord& r)
      : texts_(fileTexts(r)),
        attribFlags_(r.attrib),
        nLinks_(r.nLinks),
        size_(r.size),
        perms_(r.perms),
        worldDelete_(toVariantBool(r.worldDelete)) {}

  void* castTo(const Guid& iid) { return castToInterface<File, IFile>(this, iid); }

  HRESULT get_Key(WString* out) override { return readText(Key, out); }
  HRESULT put_Key(const WString& v) override { return writeText(Key, v); }
  HRESULT put_TargetPath(const WString& v) override { return writeText(TargetPath, v); }
  HRESULT get_TargetPath(WString* out) override { return readText(TargetPath, out); }
  HRESULT put_TargetName(const WString& v) override { return writeText(TargetName, v); }
  HRESULT get_TargetName(WString* out) override { return readText(TargetName, out); }
  HRESULT put_sTime(const WString& v) override { return writeText(STime, v); }
  HRESULT get_sTime(WString* out) override { return readText(STime, out); }
  HRESULT put_AttribFlags(std::int32_t v) override { return writeField(attribFlags_, v); }
  HRESULT get_AttribFlags(std::int32_t* out) override { return readField(attribFlags_, out); }
  HRESULT put_Group(const WString& v) override { return writeText(Group, v); }
  HRESULT get_Group(WString* out) override { return readText(Group, out); }
  HRESULT put_Owner(const WString& v) override { return writeText(Owner, v); }
  HRESULT get_Owner(WString* out) override { return readText(Owner, out); }
  HRESULT put_Perms(std::int16_t v) override { return writeField(perms_, v); }
  HRESULT get_Perms(std::int16_t* out) override { return readField(perms_, out); }
  HRESULT put_Ext(WString* v) override { return v ? writeText(Ext, *v) : automation::E_POINTER; }
  HRESULT get_Ext(WString* out) override { return readText(Ext, out); }
  HRESULT put_sDate(const WString& v) override { return writeText(SDate, v); }
  HRESULT get_sDate(WString* out) override { return readText(SDate, out); }
  HRESULT put_nLinks(std::int32_t v) override { return writeField(nLinks_, v); }
  HRESULT get_nLinks(std::int32_t* out) override { return readField(nLinks_, out); }
  HRESULT put_Size(std::int32_t v) override { return writeField(size_, v); }
  HRESULT get_Size(std::int32_t* out) override { return readField(size_, out); }
  HRESULT put_Name(const WString& v) override { return writeText(Name, v); }
  HRESULT get_Name(WString* out) override { return readText(Name, out); }
  HRESULT put_ShortName(const WString& v) override { return writeText(ShortName, v); }
  HRESULT get_ShortName(WString* out) override { return readText(ShortName, out); }
  HRESULT put_WorldDelete(VariantBool v) override { return writeField(worldDelete_, toVariantBool(v != 0)); }
  HRESULT get_WorldDelete(VariantBool* out) override { return readField(worldDelete_, out); }

  // Ext's put takes its string by reference; by dispatch a value is accepted as well.
  HRESULT putExtValue(const WString& v) { return writeText(Ext, v); }

  static const DispatchTable<File>& dispatchTable() {
    static const DispatchTable<File> table{
        stringProperty<File>(DISPID_File_Key, u"Key", &File::get_Key, &File::put_Key),
        stringProperty<File>(DISPID_File_TargetPath, u"TargetPath", &File::get_TargetPath, &File::put_TargetPath),
        stringProperty<File>(DISPID_File_TargetName, u"TargetName", &File::get_TargetName, &File::put_TargetName),
        stringProperty<File>(DISPID_File_sTime, u"sTime", &File::get_sTime, &File::put_sTime),
        numberProperty<File, std::int32_t>(DISPID_File_AttribFlags, u"AttribFlags", &File::get_AttribFlags, &File::put_AttribFlags),
        stringProperty<File>(DISPID_File_Group, u"Group", &File::get_Group, &File::put_Group),
        stringProperty<File>(DISPID_File_Owner, u"Owner", &File::get_Owner, &File::put_Owner),
        numberProperty<File, std::int16_t>(DISPID_File_Perms, u"Perms", &File::get_Perms, &File::put_Perms),
        stringProperty<File>(DISPID_File_Ext, u"Ext", &File::get_Ext, &File::putExtValue),
        stringProperty<File>(DISPID_File_sDate, u"sDate", &File::get_sDate, &File::put_sDate),
        numberProperty<File, std::int32_t>(DISPID_File_nLinks, u"nLinks", &File::get_nLinks, &File::put_nLinks),
        numberProperty<File, std::int32_t>(DISPID_File_Size, u"Size", &File::get_Size, &File::put_Size),
        stringProperty<File>(DISPID_File_Name, u"Name", &File::get_Name, &File::put_Name),
        stringProperty<File>(DISPID_File_ShortName, u"ShortName", &File::get_ShortName, &File::put_ShortName),
        boolProperty<File>(DISPID_File_WorldDelete, u"WorldDelete", &File::get_WorldDelete, &File::put_WorldDelete),
    };
    return table;
  }

 private:
  // The texts, in the order of fileTexts().
  enum Text { Key, TargetPath, TargetName, STime, Group, Owner, Ext, SDate, Name, ShortName, kTexts };
  static_assert(kTexts == kFileTexts);

  HRESULT readText(Text field, WString* out) const {
    if (!out) return automation::E_POINTER;
    *out = WString(texts_.get(field));
    return S_OK;
  }
  HRESULT writeText(Text field, const WString& v) {
    texts_.set(field, v.view());
    return S_OK;
  }

  PackedStrings<kTexts> texts_;
  std::int32_t attribFlags_ = 0, nLinks_ = 0, size_ = 0;
  std::int16_t perms_ = 0;
  VariantBool worldDelete_ = automation::VARIANT_FALSE;
};

class Folder final : public automation::DispatchObject<Folder, IFolder> {
 public:
  void* castTo(const Guid& iid) { return castToInterface<Folder, IFolder>(this, iid); }

  HRESULT get_Key(WString* out) override { return readField(key_, out); }
  HRESULT put_Key(const WString& v) override { return writeField(key_, v); }
  HRESULT put_TargetPath(const WString& v) override { return writeField(targetPath_, v); }
  HRESULT get_TargetPath(WString* out) override { return readField(targetPath_, out); }
  HRESULT put_TargetName(const WString& v) override { return writeField(targetName_, v); }
  HRESULT get_TargetName(WString* out) override { return readField(targetName_, out); }
  HRESULT put_Path(const WString& v) override { return writeField(path_, v); }
  HRESULT get_Path(WString* out) override { return readField(path_, out); }
  HRESULT put_HostType(std::int32_t v) override { return writeField(hostType_, v); }
  HRESULT get_HostType(std::int32_t* out) override { return readField(hostType_, out); }
  HRESULT putref_colFiles(IFiles* v) override {
    colFiles_ = ComPtr<IFiles>(v);
    return S_OK;
  }
  HRESULT get_colFiles(IFiles** out) override { return giveOut(colFiles_, out); }

  static const DispatchTable<Folder>& dispatchTable() {
    static const DispatchTable<Folder> table{
        stringProperty<Folder>(DISPID_Folder_Key, u"Key", &Folder::get_Key, &Folder::put_Key),
        stringProperty<Folder>(DISPID_Folder_TargetPath, u"TargetPath", &Folder::get_TargetPath, &Folder::put_TargetPath),
        stringProperty<Folder>(DISPID_Folder_TargetName, u"TargetName", &Folder::get_TargetName, &Folder::put_TargetName),
        stringProperty<Folder>(DISPID_Folder_Path, u"Path", &Folder::get_Path, &Folder::put_Path),
        numberProperty<Folder, std::int32_t>(DISPID_Folder_HostType, u"HostType", &Folder::get_HostType, &Folder::put_HostType),
        objectProperty<Folder, IFiles>(DISPID_Folder_colFiles, u"colFiles", &Folder::get_colFiles, &Folder::putref_colFiles),
    };
    return table;
  }

 private:
  WString key_{u""}, targetPath_{u""}, targetName_{u""}, path_{u""};
  std::int32_t hostType_ = 0;
  ComPtr<IFiles> colFiles_;
};

class Filter final : public automation::DispatchObject<Filter, IFilter> {
 public:
  void* castTo(const Guid& iid) { return castToInterface<Filter, IFilter>(this, iid); }
  HRESULT get_Key(WString* out) override { return readField(key_, out); }
  HRESULT put_Key(const WString& v) override { return writeField(key_, v); }

  static const DispatchTable<Filter>& dispatchTable() {
    static const DispatchTable<Filter> table{
        stringProperty<Filter>(DISPID_Filter_Key, u"Key", &Filter::get_Key, &Filter::put_Key),
    };
    return table;
  }

 private:
  WString key_{u""};
};

class Ext final : public automation::DispatchObject<Ext, IExt> {
 public:
  void* castTo(const Guid& iid) { return castToInterface<Ext, IExt>(this, iid); }
  HRESULT get_Key(WString* out) override { return readField(key_, out); }
  HRESULT put_Key(const WString& v) override { return writeField(key_, v); }
  HRESULT put_FileExt(WString* v) override { return v ? writeField(fileExt_, *v) : automation::E_POINTER; }
  HRESULT get_FileExt(WString* out) override { return readField(fileExt_, out); }
  HRESULT putFileExtValue(const WString& v) { return writeField(fileExt_, v); }

  static const DispatchTable<Ext>& dispatchTable() {
    static const DispatchTable<Ext> table{
        stringProperty<Ext>(DISPID_Ext_Key, u"Key", &Ext::get_Key, &Ext::put_Key),
        stringProperty<Ext>(DISPID_Ext_FileExt, u"FileExt", &Ext::get_FileExt, &Ext::putFileExtValue),
    };
    return table;
  }

 private:
  WString key_{u""}, fileExt_{u""};
};

class Cmd final : public automation::DispatchObject<Cmd, ICMD> {
 public:
  void* castTo(const Guid& iid) { return castToInterface<Cmd, ICMD>(this, iid); }
  HRESULT get_Key(WString* out) override { return readField(key_, out); }
  HRESULT put_Key(const WString& v) override { return writeField(key_, v); }
  HRESULT put_CMD(const WString& v) override { return writeField(cmd_, v); }
  HRESULT get_CMD(WString* out) override { return readField(cmd_, out); }

  static const DispatchTable<Cmd>& dispatchTable() {
    static const DispatchTable<Cmd> table{
        stringProperty<Cmd>(DISPID_CMD_Key, u"Key", &Cmd::get_Key, &Cmd::put_Key),
        stringProperty<Cmd>(DISPID_CMD_CMD, u"CMD", &Cmd::get_CMD, &Cmd::put_CMD),
    };
    return table;
  }

 private:
  WString key_{u""}, cmd_{u""};
};

}  // namespace

std::array<std::u16string_view, kFileTexts> fileTexts(const FileRecord& r) {
  return {r.key, r.targetPath, r.targetName, r.sTime, r.group, r.owner, r.ext, r.sDate, r.name, r.shortName};
}

void setFileTexts(FileRecord& r, const std::array<std::u16string_view, kFileTexts>& t) {
  std::tie(r.key, r.targetPath, r.targetName, r.sTime, r.group, r.owner, r.ext, r.sDate, r.name, r.shortName) =
      std::tie(t[0], t[1], t[2], t[3], t[4], t[5], t[6], t[7], t[8], t[9]);
}

ComPtr<IFile> makeFile() { return automation::makeObject<File>(); }
ComPtr<IFile> makeFile(const FileRecord& record) { return automation::makeObject<File>(record); }
ComPtr<IFolder> makeFolder() { return automation::makeObject<Folder>(); }
ComPtr<IFilter> makeFilter() { return automation::makeObject<Filter>(); }
ComPtr<IExt> makeExt() { return automation::makeObject<Ext>(); }
ComPtr<ICMD> makeCmd() { return automation::makeObject<Cmd>(); }

}  // namespace kestrel
