#pragma once
// KestrelDLL, the remote directory model: class and interface identities, enumerations,
// dispatch ids and the dual interfaces in their published member order (each after IUnknown's
// three and IDispatch's four slots).
//
// Conventions of these interfaces: a string passed by value is `const WString&`, one passed by
// reference is `WString*`; an optional argument is a `const Variant&` that may hold the
// missing-argument marker (or a null pointer for optional by-reference strings); booleans are
// VariantBool (true is -1); currency is a 64-bit count of ten-thousandths. Methods return a
// status; a failure carries the error number as its status (basicError(n) for numbers up to
// 65535, the number itself for object errors such as ecParseError). Late-bound callers also get
// the error's source and description.
#include <cstdint>

#include "automation/dispatch.h"
#include "automation/enumerator.h"

namespace kestrel {

using automation::Guid;
using automation::HRESULT;
using automation::IDispatch;
using automation::IUnknown;
using automation::Variant;
using automation::VariantBool;
using automation::WString;

inline constexpr Guid LIBID_KestrelDLL = Guid::fromString("{3D247E30-F035-11D2-AF86-DA040730DA02}");
inline constexpr Guid CLSID_CKestrel = Guid::fromString("{3D247E2B-F035-11D2-AF86-DA040730DA02}");
inline constexpr Guid CLSID_CKestrelConstants = Guid::fromString("{F5ED2930-ECBD-11D2-85FB-0000C043AFE6}");
inline constexpr const char* PROGID_CKestrel = "KestrelDLL.CKestrel";
inline constexpr const char* PROGID_CKestrelConstants = "KestrelDLL.CKestrelConstants";

// ---- enumerations ----

enum KestrelFileType : std::int32_t {
  acIsLink = 2,
  acIsSystem = 4,
  acIsFolder = 16,
  acIsFile = 128,
  acIsUnknown = 256,
};

enum KestrelGenHostType : std::int32_t {
  BadHType = 0,
  UnixHType = 1,
  VMSHType = 2,
  DosHType = 3,
};

enum KestrelPrivWho : std::int32_t { wcSystem = 0, wcOwner = 4, wcGroup = 8, wcWorld = 12 };
enum KestrelPrivAct : std::int32_t { wcRead = 1, wcWrite = 2, wcExecute = 3, wcDelete = 4 };
enum KestrelTranslate : std::int32_t { cnstFromHost = 0, cnstToHost = 1 };
enum KestrelxFerAction : std::int32_t {
  cnstNone = 0,
  cnstPut = 1,
  cnstGet = 2,
  cnstCopy = 3,
  cnstDel = 4,
  cnstMove = 5,
  cnstOpen = 6,
  cnstRename = 7,
  cnstReadFile = 8,
};

// Error numbers of KestrelDLL and Plover: the object-error base plus the message number.
inline constexpr std::int32_t kObjectErrorBase = -2147221504;
enum KestrelErrors : std::int32_t {
  ecParseError = kObjectErrorBase + 1000,
  ecBadDirFormat = kObjectErrorBase + 1001,
  ecBadDateFormat = kObjectErrorBase + 1002,
  ecNotImplemented = kObjectErrorBase + 1003,
  ecBadFilterFormat = kObjectErrorBase + 1004,
  ecBadCharInFName = kObjectErrorBase + 1005,
  ecBadFNameLen = kObjectErrorBase + 1006,
  ecFtpCmdNotSupported = kObjectErrorBase + 1007,
};

// Errors of the keyed collections (numbers of the classic run time).
inline constexpr std::int32_t kInvalidArgumentError = 5;  // missing key or position
inline constexpr std::int32_t kDuplicateKeyError = 457;   // key already present

// The key separator between host name and path in folder keys (U+00FA).
inline constexpr char16_t kFolderKeySeparator = u'\u00FA';

struct IFolders;
struct IFolder;
struct IFiles;
struct IFile;
struct IFilters;
struct IFilter;
struct IExts;
struct IExt;
struct ICMDS;
struct ICMD;

// ---- CKestrel ----

struct IKestrel : IDispatch {
  static constexpr Guid IID = Guid::fromString("{3D247E2A-F035-11D2-AF86-DA040730DA02}");
  virtual HRESULT get_colFilters(IFilters** out) = 0;
  virtual HRESULT put_colFilters(IFilters* value) = 0;
  virtual HRESULT putref_colFilters(IFilters* value) = 0;
  virtual HRESULT get_colFolders(IFolders** out) = 0;
  virtual HRESULT put_colFolders(IFolders* value) = 0;
  virtual HRESULT putref_colFolders(IFolders* value) = 0;
  virtual HRESULT get_colCmds(ICMDS** out) = 0;
  virtual HRESULT put_colCmds(ICMDS* value) = 0;
  virtual HRESULT putref_colCmds(ICMDS* value) = 0;
  virtual HRESULT get_CurrentPath(WString* out) = 0;
  virtual HRESULT put_CurrentPath(const WString& value) = 0;
  virtual HRESULT get_PrevPath(WString* out) = 0;
  virtual HRESULT put_PrevPath(const WString& value) = 0;
  virtual HRESULT get_RemoteHost(WString* out) = 0;
  virtual HRESULT put_RemoteHost(const WString& value) = 0;
  virtual HRESULT get_HostType(std::int32_t* out) = 0;
  virtual HRESULT put_HostType(std::int32_t value) = 0;
  virtual HRESULT get_StoreDirs(VariantBool* out) = 0;
  virtual HRESULT put_StoreDirs(VariantBool value) = 0;
  virtual HRESULT get_FileCount(std::int16_t* out) = 0;
  virtual HRESULT get_FolderCount(std::int16_t* out) = 0;
  virtual HRESULT get_TotalBytes(std::int64_t* out) = 0;
  virtual HRESULT get_RootPath(WString* out) = 0;
  virtual HRESULT get_Filter(WString* out) = 0;
  virtual HRESULT put_Filter(const WString& value) = 0;
  virtual HRESULT IsRoot(const WString& path, VariantBool* result) = 0;
  virtual HRESULT IsValidFileName(WString* fName, VariantBool* result) = 0;
  virtual HRESULT ExecPriv(const Variant& key, VariantBool* result) = 0;
  virtual HRESULT ReadPriv(const Variant& key, VariantBool* result) = 0;
  virtual HRESULT WritePriv(const Variant& key, VariantBool* result) = 0;
  virtual HRESULT FileFmName(const WString& fileName, std::int32_t ht, IFile** retFile, VariantBool* result) = 0;
  // Both separators are optional (null pointers when left out).
  virtual HRESULT GetGenHType(WString* dirSep, WString* fileSep, std::int32_t* result) = 0;
  virtual HRESULT EntryExists(WString* sel, WString* newName, Variant* result) = 0;
  virtual HRESULT get_CurFtpFolder(IFolder** out) = 0;
  virtual HRESULT Clear() = 0;

 protected:
  ~IKestrel() = default;
};

enum KestrelDispId : automation::DispId {
  DISPID_Kestrel_colFilters = 1,
  DISPID_Kestrel_colFolders,
  DISPID_Kestrel_colCmds,
  DISPID_Kestrel_CurrentPath,
  DISPID_Kestrel_PrevPath,
  DISPID_Kestrel_RemoteHost,
  DISPID_Kestrel_HostType,
  DISPID_Kestrel_StoreDirs,
  DISPID_Kestrel_FileCount,
  DISPID_Kestrel_FolderCount,
  DISPID_Kestrel_TotalBytes,
  DISPID_Kestrel_RootPath,
  DISPID_Kestrel_Filter,
  DISPID_Kestrel_IsRoot,
  DISPID_Kestrel_IsValidFileName,
  DISPID_Kestrel_ExecPriv,
  DISPID_Kestrel_ReadPriv,
  DISPID_Kestrel_WritePriv,
  DISPID_Kestrel_FileFmName,    // (FileName, ht, retFile by ref) -> boolean
  DISPID_Kestrel_GetGenHType,   // (DirSep by ref opt, FileSep by ref opt) -> long
  DISPID_Kestrel_EntryExists,   // (Sel by ref, NewName by ref) -> variant
  DISPID_Kestrel_CurFtpFolder,
  DISPID_Kestrel_Clear,
};

// ---- Folders / Folder ----

struct IFolders : IDispatch {
  static constexpr Guid IID = Guid::fromString("{3D247E24-F035-11D2-AF86-DA040730DA02}");
  virtual HRESULT putref_Folder(IFolder* value) = 0;
  virtual HRESULT get_Folder(IFolder** out) = 0;
  virtual HRESULT Addfolder(IFolder* addfol, IFolder** result) = 0;
  virtual HRESULT Add(const WString& key, const WString& path, std::int32_t hostType, const Variant& targetPath,
                      const Variant& targetName, IFolder** result) = 0;
  virtual HRESULT get_item(const Variant& indexKey, IFolder** out) = 0;
  virtual HRESULT get_Count(std::int32_t* out) = 0;
  virtual HRESULT Clear() = 0;
  virtual HRESULT Remove(const Variant& indexKey) = 0;
  virtual HRESULT get_NewEnum(IUnknown** out) = 0;

 protected:
  ~IFolders() = default;
};

enum FoldersDispId : automation::DispId {
  DISPID_Folders_Folder = 1,
  DISPID_Folders_Addfolder,
  DISPID_Folders_Add,
  DISPID_Folders_Count,
  DISPID_Folders_Clear,
  DISPID_Folders_Remove,
};

struct IFolder : IDispatch {
  static constexpr Guid IID = Guid::fromString("{3D247E22-F035-11D2-AF86-DA040730DA02}");
  virtual HRESULT get_Key(WString* out) = 0;
  virtual HRESULT put_Key(const WString& value) = 0;
  virtual HRESULT put_TargetPath(const WString& value) = 0;
  virtual HRESULT get_TargetPath(WString* out) = 0;
  virtual HRESULT put_TargetName(const WString& value) = 0;
  virtual HRESULT get_TargetName(WString* out) = 0;
  virtual HRESULT put_Path(const WString& value) = 0;
  virtual HRESULT get_Path(WString* out) = 0;
  virtual HRESULT put_HostType(std::int32_t value) = 0;
  virtual HRESULT get_HostType(std::int32_t* out) = 0;
  virtual HRESULT putref_colFiles(IFiles* value) = 0;
  virtual HRESULT get_colFiles(IFiles** out) = 0;

 protected:
  ~IFolder() = default;
};

enum FolderDispId : automation::DispId {
  DISPID_Folder_Key = 1,
  DISPID_Folder_TargetPath,
  DISPID_Folder_TargetName,
  DISPID_Folder_Path,
  DISPID_Folder_HostType,
  DISPID_Folder_colFiles,
};

// ---- Files / File ----

struct IFiles : IDispatch {
  static constexpr Guid IID = Guid::fromString("{3D247E2E-F035-11D2-AF86-DA040730DA02}");
  virtual HRESULT put_Sorted(VariantBool value) = 0;
  virtual HRESULT get_Sorted(VariantBool* out) = 0;
  virtual HRESULT putref_File(IFile* value) = 0;
  virtual HRESULT get_File(IFile** out) = 0;
  virtual HRESULT Clear(Variant* result) = 0;
  virtual HRESULT Addfile(IFile* addfil, IFile** result) = 0;
  // TargetPath and TargetName are optional (null pointers when left out). A null result asks
  // for no File back, which lets the collection keep the entry compactly until it is read.
  virtual HRESULT Add(WString* key, WString* name, std::int32_t* size, std::int32_t* nLinks, WString* sDate,
                      WString* ext, WString* owner, WString* group, WString* perms, WString* sTime,
                      std::int32_t* attrib, WString* shortName, WString* targetPath, WString* targetName,
                      IFile** result) = 0;
  virtual HRESULT GetPriv(std::int32_t* privWhat, std::int32_t* who, std::int16_t* priv, VariantBool* result) = 0;
  virtual HRESULT get_item(const Variant& indexKey, IFile** out) = 0;
  virtual HRESULT get_Count(std::int32_t* out) = 0;
  virtual HRESULT Remove(const Variant& indexKey) = 0;
  virtual HRESULT get_NewEnum(IUnknown** out) = 0;

 protected:
  ~IFiles() = default;
};

enum FilesDispId : automation::DispId {
  DISPID_Files_Sorted = 1,
  DISPID_Files_File,
  DISPID_Files_Clear,
  DISPID_Files_Addfile,
  DISPID_Files_Add,      // 12 required arguments by reference, then TargetPath, TargetName optional
  DISPID_Files_GetPriv,  // (PrivWhat, Who, priv) -> boolean
  DISPID_Files_Count,
  DISPID_Files_Remove,
};

struct IFile : IDispatch {
  static constexpr Guid IID = Guid::fromString("{F5ED291D-ECBD-11D2-85FB-0000C043AFE6}");
  virtual HRESULT get_Key(WString* out) = 0;
  virtual HRESULT put_Key(const WString& value) = 0;
  virtual HRESULT put_TargetPath(const WString& value) = 0;
  virtual HRESULT get_TargetPath(WString* out) = 0;
  virtual HRESULT put_TargetName(const WString& value) = 0;
  virtual HRESULT get_TargetName(WString* out) = 0;
  virtual HRESULT put_sTime(const WString& value) = 0;
  virtual HRESULT get_sTime(WString* out) = 0;
  virtual HRESULT put_AttribFlags(std::int32_t value) = 0;
  virtual HRESULT get_AttribFlags(std::int32_t* out) = 0;
  virtual HRESULT put_Group(const WString& value) = 0;
  virtual HRESULT get_Group(WString* out) = 0;
  virtual HRESULT put_Owner(const WString& value) = 0;
  virtual HRESULT get_Owner(WString* out) = 0;
  virtual HRESULT put_Perms(std::int16_t value) = 0;
  virtual HRESULT get_Perms(std::int16_t* out) = 0;
  virtual HRESULT put_Ext(WString* value) = 0;
  virtual HRESULT get_Ext(WString* out) = 0;
  virtual HRESULT put_sDate(const WString& value) = 0;
  virtual HRESULT get_sDate(WString* out) = 0;
  virtual HRESULT put_nLinks(std::int32_t value) = 0;
  virtual HRESULT get_nLinks(std::int32_t* out) = 0;
  virtual HRESULT put_Size(std::int32_t value) = 0;
  virtual HRESULT get_Size(std::int32_t* out) = 0;
  virtual HRESULT put_Name(const WString& value) = 0;
  virtual HRESULT get_Name(WString* out) = 0;
  virtual HRESULT put_ShortName(const WString& value) = 0;
  virtual HRESULT get_ShortName(WString* out) = 0;
  // The world-delete permission (the 16th position of the permission string), which does not
  // fit in the 16-bit Perms; kept with the file when Files.Add converts the string.
  virtual HRESULT put_WorldDelete(VariantBool value) = 0;
  virtual HRESULT get_WorldDelete(VariantBool* out) = 0;

 protected:
  ~IFile() = default;
};

enum FileDispId : automation::DispId {
  DISPID_File_Key = 1,
  DISPID_File_TargetPath,
  DISPID_File_TargetName,
  DISPID_File_sTime,
  DISPID_File_AttribFlags,
  DISPID_File_Group,
  DISPID_File_Owner,
  DISPID_File_Perms,
  DISPID_File_Ext,
  DISPID_File_sDate,
  DISPID_File_nLinks,
  DISPID_File_Size,
  DISPID_File_Name,
  DISPID_File_ShortName,
  DISPID_File_WorldDelete,
};

// ---- Filters / Filter / Exts / Ext ----

struct IFilters : IDispatch {
  static constexpr Guid IID = Guid::fromString("{F5ED2925-ECBD-11D2-85FB-0000C043AFE6}");
  virtual HRESULT get_Key(WString* out) = 0;
  virtual HRESULT put_Key(const WString& value) = 0;
  virtual HRESULT putref_Exts(IExts* value) = 0;
  virtual HRESULT get_Exts(IExts** out) = 0;
  virtual HRESULT get_Filter(IFilter** out) = 0;
  virtual HRESULT putref_Filter(IFilter* value) = 0;
  virtual HRESULT Add(const WString& key, IFilter** result) = 0;
  virtual HRESULT get_item(const Variant& indexKey, IFilter** out) = 0;
  virtual HRESULT get_Count(std::int32_t* out) = 0;
  virtual HRESULT Remove(const Variant& indexKey) = 0;
  virtual HRESULT get_NewEnum(IUnknown** out) = 0;

 protected:
  ~IFilters() = default;
};

enum FiltersDispId : automation::DispId {
  DISPID_Filters_Key = 1,
  DISPID_Filters_Exts,
  DISPID_Filters_Filter,
  DISPID_Filters_Add,
  DISPID_Filters_Count,
  DISPID_Filters_Remove,
};

struct IFilter : IDispatch {
  static constexpr Guid IID = Guid::fromString("{F5ED291F-ECBD-11D2-85FB-0000C043AFE6}");
  virtual HRESULT get_Key(WString* out) = 0;
  virtual HRESULT put_Key(const WString& value) = 0;

 protected:
  ~IFilter() = default;
};

enum FilterDispId : automation::DispId { DISPID_Filter_Key = 1 };

struct IExts : IDispatch {
  static constexpr Guid IID = Guid::fromString("{F5ED2923-ECBD-11D2-85FB-0000C043AFE6}");
  virtual HRESULT Add(const WString& key, const WString& fileExt, IExt** result) = 0;
  virtual HRESULT get_item(const Variant& indexKey, IExt** out) = 0;
  virtual HRESULT get_Count(std::int32_t* out) = 0;
  virtual HRESULT Remove(const Variant& indexKey) = 0;
  virtual HRESULT get_NewEnum(IUnknown** out) = 0;

 protected:
  ~IExts() = default;
};

enum ExtsDispId : automation::DispId { DISPID_Exts_Add = 1, DISPID_Exts_Count, DISPID_Exts_Remove };

struct IExt : IDispatch {
  static constexpr Guid IID = Guid::fromString("{F5ED2921-ECBD-11D2-85FB-0000C043AFE6}");
  virtual HRESULT get_Key(WString* out) = 0;
  virtual HRESULT put_Key(const WString& value) = 0;
  virtual HRESULT put_FileExt(WString* value) = 0;
  virtual HRESULT get_FileExt(WString* out) = 0;

 protected:
  ~IExt() = default;
};

enum ExtDispId : automation::DispId { DISPID_Ext_Key = 1, DISPID_Ext_FileExt };

// ---- CMDS / CMD ----

// Stores available server commands delivered on HELP command string.
struct ICMDS : IDispatch {
  static constexpr Guid IID = Guid::fromString("{3D247E28-F035-11D2-AF86-DA040730DA02}");
  virtual HRESULT HELPSupported(const WString& cmd, VariantBool* result) = 0;
  virtual HRESULT Add(const WString& key, const WString& cmd, ICMD** result) = 0;
  virtual HRESULT get_item(const Variant& indexKey, ICMD** out) = 0;
  virtual HRESULT get_Count(std::int32_t* out) = 0;
  virtual HRESULT Remove(const Variant& indexKey) = 0;
  virtual HRESULT Clear() = 0;
  virtual HRESULT get_NewEnum(IUnknown** out) = 0;

 protected:
  ~ICMDS() = default;
};

enum CMDSDispId : automation::DispId {
  DISPID_CMDS_HELPSupported = 1,
  DISPID_CMDS_Add,
  DISPID_CMDS_Count,
  DISPID_CMDS_Remove,
  DISPID_CMDS_Clear,
};

// A Single Command.
struct ICMD : IDispatch {
  static constexpr Guid IID = Guid::fromString("{3D247E26-F035-11D2-AF86-DA040730DA02}");
  virtual HRESULT get_Key(WString* out) = 0;
  virtual HRESULT put_Key(const WString& value) = 0;
  virtual HRESULT put_CMD(const WString& value) = 0;
  virtual HRESULT get_CMD(WString* out) = 0;

 protected:
  ~ICMD() = default;
};

enum CMDDispId : automation::DispId { DISPID_CMD_Key = 1, DISPID_CMD_CMD };

}  // namespace kestrel
