// The directory model through the door its clients use: registered in the sandbox, created by
// class identity, called through the dual interfaces and by dispatch id.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>

#include "automation/activation.h"
#include "automation/client.h"
#include "interfaces/kestrel.h"
#include "sandbox.h"

using namespace automation;
using namespace kestrel;

namespace {

class KestrelModel : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    albryn::testing::registerComponentLibrary(KESTREL_LIBRARY);
    albryn::testing::registerComponentLibrary(TESSEL_LIBRARY);
  }

  void SetUp() override {
    model = createObject<IKestrel>(CLSID_CKestrel.toString());
    ASSERT_TRUE(model);
    ASSERT_EQ(model->get_colFolders(folders.put()), S_OK);
  }

  // Sets host, host type and path and adds the current folder; returns its files.
  ComPtr<IFiles> enterFolder(const std::u16string& host, std::int32_t hostType, const std::u16string& path) {
    EXPECT_EQ(model->put_RemoteHost(host), S_OK);
    EXPECT_EQ(model->put_HostType(hostType), S_OK);
    EXPECT_EQ(model->put_CurrentPath(path), S_OK);
    ComPtr<IFolder> folder;
    EXPECT_EQ(folders->Add(host + kFolderKeySeparator + path, path, hostType, Variant::missing(), Variant::missing(),
                           folder.put()),
              S_OK);
    ComPtr<IFiles> files;
    EXPECT_EQ(folder->get_colFiles(files.put()), S_OK);
    return files;
  }

  // Files.Add through the interface; returns the status and leaves the (maybe renamed) key.
  // With wantFile false the File is not asked for, as the listing parser adds entries.
  static HRESULT addFile(IFiles* files, WString& key, const std::u16string& name, std::int32_t size,
                         std::int32_t attrib, const std::u16string& perms = u"rwxdrwxdr-x-----", bool wantFile = true) {
    WString n(name), date(u"03/05/1999"), ext(u""), owner(u"ftp"), group(u"ftp"), p(perms), time(u"10:15"), shortName(u"");
    std::int32_t links = 1;
    ComPtr<IFile> file;
    return files->Add(&key, &n, &size, &links, &date, &ext, &owner, &group, &p, &time, &attrib, &shortName, nullptr,
                      nullptr, wantFile ? file.put() : nullptr);
  }

  static std::u16string keyAt(IFiles* files, std::int32_t position) {
    ComPtr<IFile> file;
    EXPECT_EQ(files->get_item(Variant::i4(position), file.put()), S_OK);
    WString key;
    file->get_Key(&key);
    return key.str();
  }

  ComPtr<IKestrel> model;
  ComPtr<IFolders> folders;
};

// Runs a late-bound call expected to fail and returns the error.
template <class F>
AutomationError failureOf(F&& call) {
  try {
    call();
  } catch (const AutomationError& e) {
    return e;
  }
  ADD_FAILURE() << "the call did not fail";
  return AutomationError(S_OK);
}

}  // namespace

TEST_F(KestrelModel, InterfaceAndDispatchAgreeAndPathChangesKeepThePreviousOne) {
  LateBound late(ComPtr<IDispatch>(model.get()));
  late.put(late.idOf(u"currentpath"), Variant::string(u"/pub"));
  ASSERT_EQ(model->put_CurrentPath(u"/pub/img"), S_OK);
  WString prev;
  model->get_PrevPath(&prev);
  EXPECT_EQ(prev.str(), u"/pub");
  EXPECT_EQ(*late.get(DISPID_Kestrel_CurrentPath).getString(), WString(u"/pub/img"));
  EXPECT_EQ(late.idOf(u"CurFtpFolder"), DISPID_Kestrel_CurFtpFolder);
  // Read-only counts refuse writes.
  EXPECT_EQ(failureOf([&] { late.put(DISPID_Kestrel_FileCount, Variant::i2(3)); }).status(), basicError(382));
  // The constants class exists for its enumerations only.
  EXPECT_TRUE(createObject(PROGID_CKestrelConstants));
}

TEST_F(KestrelModel, FoldersAreKeyedOrderedAndCounted) {
  auto files = enterFolder(u"host", 3, u"/pub");
  ComPtr<IFolder> second, duplicate;
  ASSERT_EQ(folders->Add(u"hostú/img", u"/img", 3, Variant::string(u"t"), Variant::missing(), second.put()), S_OK);
  std::int16_t count = 0;
  model->get_FolderCount(&count);
  EXPECT_EQ(count, 2);

  // A duplicate key is refused with 457 and not counted; by dispatch the number is 457 too.
  EXPECT_EQ(folders->Add(u"hostú/img", u"/x", 3, Variant::missing(), Variant::missing(), duplicate.put()), basicError(457));
  LateBound late(ComPtr<IDispatch>(folders.get()));
  EXPECT_EQ(failureOf([&] { late.call(DISPID_Folders_Add, {Variant::string(u"hostú/pub"), Variant::string(u"/pub"), Variant::i4(3)}); }).number(), 457);
  model->get_FolderCount(&count);
  EXPECT_EQ(count, 2);

  // By position, by key, as the default member; missing ones fail with 5.
  EXPECT_EQ(*LateBound(late.get(DISPID_VALUE, {Variant::i4(2)}).getObject()).get(DISPID_Folder_Path).getString(), WString(u"/img"));
  ComPtr<IFolder> found;
  EXPECT_EQ(folders->get_item(Variant::string(u"hostú/pub"), found.put()), S_OK);
  for (const Variant& missing : {Variant::i4(0), Variant::i4(3), Variant::string(u"hostú/PUB"), Variant::string(u"")}) {
    EXPECT_EQ(folders->get_item(missing, found.put()), basicError(5));
    EXPECT_EQ(failureOf([&] { late.get(DISPID_VALUE, {missing}); }).number(), 5);
  }

  // CurFtpFolder is host + "ú" + current path, and becomes the current folder.
  ComPtr<IFolder> current, cur;
  ASSERT_EQ(model->get_CurFtpFolder(cur.put()), S_OK);
  folders->get_Folder(current.put());
  EXPECT_EQ(cur, current);
  model->put_CurrentPath(u"/nowhere");
  EXPECT_EQ(model->get_CurFtpFolder(cur.put()), basicError(5));

  // Removing a folder releases its files and does not lower the count; Clear resets it.
  ASSERT_EQ(folders->Remove(Variant::i4(1)), S_OK);
  std::int32_t size = 0;
  folders->get_Count(&size);
  EXPECT_EQ(size, 1);
  model->get_FolderCount(&count);
  EXPECT_EQ(count, 2);
  ASSERT_EQ(model->Clear(), S_OK);
  folders->get_Count(&size);
  model->get_FolderCount(&count);
  EXPECT_EQ(size, 0);
  EXPECT_EQ(count, 0);
  ComPtr<IFiles> released;
  second->get_colFiles(released.put());
  EXPECT_FALSE(released);

  // Without a folder collection the model fails cleanly (91) instead of crashing.
  ASSERT_EQ(model->putref_colFolders(nullptr), S_OK);
  EXPECT_EQ(model->Clear(), S_OK);
  VariantBool yes = 0;
  EXPECT_EQ(model->ReadPriv(Variant::i4(1), &yes), basicError(91));
  EXPECT_EQ(model->get_CurFtpFolder(cur.put()), basicError(91));
}

TEST_F(KestrelModel, FilesAddRenamesTakenKeysAndSortsFoldersFirst) {
  auto files = enterFolder(u"host", 3, u"/pub");
  std::u16string renamed[3];
  for (auto& r : renamed) {
    WString key(u"k");
    ASSERT_EQ(addFile(files.get(), key, u"k", 1, acIsFile), S_OK);
    r = key.str();
  }
  EXPECT_EQ(renamed[0], u"k");
  EXPECT_EQ(renamed[1], u"k|1");
  EXPECT_EQ(renamed[2], u"k|2");
  for (int i = 1; i <= 3; ++i) EXPECT_EQ(keyAt(files.get(), i), u"k");  // File.Key keeps the given key
  ComPtr<IFile> third;
  EXPECT_EQ(files->get_item(Variant::string(u"k|2"), third.put()), S_OK);

  // By dispatch the caller's key variable is renamed as well.
  LateBound late(ComPtr<IDispatch>(files.get()));
  WString key(u"k"), name(u"k"), date(u""), ext(u""), owner(u""), group(u""), perms(u""), time(u""), shortName(u"");
  std::int32_t size = 0, links = 0, attrib = acIsFile;
  late.call(DISPID_Files_Add, {Variant::refString(&key), Variant::refString(&name), Variant::refI4(&size),
                               Variant::refI4(&links), Variant::refString(&date), Variant::refString(&ext),
                               Variant::refString(&owner), Variant::refString(&group), Variant::refString(&perms),
                               Variant::refString(&time), Variant::refI4(&attrib), Variant::refString(&shortName)});
  EXPECT_EQ(key.str(), u"k|3");

  // Sorted: file A, folder B, file C, folder D give D, B, A, C.
  auto sorted = enterFolder(u"host", 3, u"/sorted");
  sorted->put_Sorted(VARIANT_TRUE);
  for (auto [k, attrib] : {std::pair{u"A", acIsFile}, {u"B", acIsFolder}, {u"C", acIsFile}, {u"D", acIsFolder}}) {
    WString wk(k);
    ASSERT_EQ(addFile(sorted.get(), wk, k, 0, attrib), S_OK);
  }
  std::u16string order;
  for (int i = 1; i <= 4; ++i) order += keyAt(sorted.get(), i);
  EXPECT_EQ(order, u"DBAC");

  // NewEnum walks the same order.
  IUnknown* raw = nullptr;
  ASSERT_EQ(sorted->get_NewEnum(&raw), S_OK);
  auto items = ComPtr<IUnknown>::adopt(raw).query<IEnumVARIANT>();
  ASSERT_TRUE(items);
  Variant got[5];
  std::uint32_t fetched = 0;
  EXPECT_EQ(items->Next(5, got, &fetched), S_FALSE);
  ASSERT_EQ(fetched, 4u);
  EXPECT_EQ(*LateBound(got[0].getObject()).get(DISPID_File_Name).getString(), WString(u"D"));
}

TEST_F(KestrelModel, FilesAddedWithoutAskingForTheFileAreMadeWhenFirstRead) {
  auto files = enterFolder(u"host", 3, u"/pub");
  files->put_Sorted(VARIANT_TRUE);
  struct Added {
    std::u16string key, name;
    std::int32_t attrib;
    std::u16string perms;
  } added[] = {
      {u"a", u"a", acIsFile, u"rwxdrw-rr--rr---"},
      {u"写真 \U0001F600", u"写真 \U0001F600", acIsFile, u"rwxdrwxdrwxdrwxd"},  // wide texts
      {u"a", u"again", acIsFile, u""},                                      // renamed a|1
      {u"dir", u"dir", acIsFolder, u"rwxdr-x-r-x-r-x-"},                     // sorted to the top
  };
  for (const Added& a : added) {
    WString key(a.key);
    ASSERT_EQ(addFile(files.get(), key, a.name, 7, a.attrib, a.perms, false), S_OK);
  }
  std::int32_t count = 0;
  files->get_Count(&count);
  EXPECT_EQ(count, 4);
  EXPECT_EQ(keyAt(files.get(), 1), u"dir");
  EXPECT_EQ(keyAt(files.get(), 4), u"a");  // the renamed entry keeps the key it was given

  // Every value comes back, and a File once made is the same object on every read.
  ComPtr<IFile> wide, again;
  ASSERT_EQ(files->get_item(Variant::string(u"写真 \U0001F600"), wide.put()), S_OK);
  WString text;
  wide->get_Name(&text);
  EXPECT_EQ(text.str(), u"写真 \U0001F600");
  wide->get_sDate(&text);
  EXPECT_EQ(text.str(), u"03/05/1999");
  wide->get_sTime(&text);
  EXPECT_EQ(text.str(), u"10:15");
  std::int32_t size = 0;
  wide->get_Size(&size);
  EXPECT_EQ(size, 7);
  VariantBool worldDelete = VARIANT_FALSE;
  wide->get_WorldDelete(&worldDelete);
  EXPECT_EQ(worldDelete, VARIANT_TRUE);
  wide->put_Owner(u"me");
  ASSERT_EQ(files->get_item(Variant::i4(3), again.put()), S_OK);
  EXPECT_EQ(again.get(), wide.get());
  again->get_Owner(&text);
  EXPECT_EQ(text.str(), u"me");

  ASSERT_EQ(files->get_item(Variant::string(u"a|1"), again.put()), S_OK);
  again->get_Name(&text);
  EXPECT_EQ(text.str(), u"again");
  EXPECT_EQ(files->Remove(Variant::string(u"a")), S_OK);
  ASSERT_EQ(files->get_item(Variant::string(u"a|1"), again.put()), S_OK);

  // After Clear the collection fills again; Files made before keep their values.
  Variant cleared;
  EXPECT_EQ(files->Clear(&cleared), S_OK);
  WString key(u"b");
  ASSERT_EQ(addFile(files.get(), key, u"b", 1, acIsFile, u"", false), S_OK);
  EXPECT_EQ(keyAt(files.get(), 1), u"b");
  wide->get_Name(&text);
  EXPECT_EQ(text.str(), u"写真 \U0001F600");
}

TEST_F(KestrelModel, CountsFilesAndBytesButNotFoldersOrLinks) {
  auto files = enterFolder(u"host", 3, u"/pub");
  struct Entry {
    const char16_t* name;
    std::int32_t size;
    std::int32_t attrib;
  } entries[] = {{u".hidden", 10, acIsFile | acIsSystem}, {u"dir", 512, acIsFolder}, {u"link", 7, acIsLink}, {u"big", 2147483647, acIsFile}};
  for (const auto& e : entries) {
    WString key(e.name);
    ASSERT_EQ(addFile(files.get(), key, e.name, e.size, e.attrib), S_OK);
  }
  std::int16_t count = 0;
  std::int64_t bytes = 0;
  model->get_FileCount(&count);
  model->get_TotalBytes(&bytes);
  EXPECT_EQ(count, 2);
  EXPECT_EQ(bytes, (10 + 2147483647LL) * 10000);
  EXPECT_EQ(*LateBound(ComPtr<IDispatch>(model.get())).get(DISPID_Kestrel_TotalBytes).getCurrency(), bytes);

  // Clear and Remove on Files keep the counts.
  Variant cleared;
  ASSERT_EQ(files->Clear(&cleared), S_OK);
  std::int32_t left = -1;
  files->get_Count(&left);
  model->get_FileCount(&count);
  EXPECT_EQ(left, 0);
  EXPECT_EQ(count, 2);
}

TEST_F(KestrelModel, HundredThousandFilesListAndTheCountStopsAt32767) {
  auto files = enterFolder(u"host", 3, u"/big");
  constexpr int n = 100000;
  for (int i = 0; i < n; ++i) {
    const std::string name = "file" + std::to_string(i);
    WString key(u"hostú/big/" + std::u16string(name.begin(), name.end()));
    ASSERT_EQ(addFile(files.get(), key, key.str(), 1, acIsFile), S_OK);
  }
  std::int32_t size = 0;
  std::int16_t count = 0;
  std::int64_t bytes = 0;
  files->get_Count(&size);
  model->get_FileCount(&count);
  model->get_TotalBytes(&bytes);
  EXPECT_EQ(size, n);
  EXPECT_EQ(count, 32767);
  EXPECT_EQ(bytes, static_cast<std::int64_t>(n) * 10000);  // the bytes are counted in full
  EXPECT_EQ(keyAt(files.get(), 54321), u"hostú/big/file54320");
  for (int i = 0; i < n; i += 2) {
    const std::string name = "hostú/big/file" + std::to_string(i);
    ASSERT_EQ(files->Remove(Variant::string(WString::fromUtf8(name))), S_OK);
  }
  files->get_Count(&size);
  EXPECT_EQ(size, n / 2);
  EXPECT_EQ(keyAt(files.get(), 1), u"hostú/big/file1");
}

TEST_F(KestrelModel, HostTypesSeparatorsAndRoots) {
  struct Case {
    std::int32_t code;
    std::int32_t type;
    std::u16string dirSep, fileSep, root;
  } cases[] = {{8, UnixHType, u"/", u"/", u"/"}, {11, VMSHType, u".", u"]", u"[000000]"}, {17, DosHType, u"\\", u"\\", u"\\"}};
  for (const auto& c : cases) {
    model->put_HostType(c.code);
    WString dirSep, fileSep, root;
    std::int32_t type = 0;
    ASSERT_EQ(model->GetGenHType(&dirSep, &fileSep, &type), S_OK);
    model->get_RootPath(&root);
    EXPECT_EQ(type, c.type);
    EXPECT_EQ(dirSep.str(), c.dirSep);
    EXPECT_EQ(fileSep.str(), c.fileSep);
    EXPECT_EQ(root.str(), c.root);
  }
  VariantBool root = 0;
  model->put_HostType(11);
  model->IsRoot(u"DISK$USER:[000000]", &root);
  EXPECT_EQ(root, VARIANT_TRUE);
  model->put_HostType(3);
  model->IsRoot(u"/pub", &root);
  EXPECT_EQ(root, VARIANT_FALSE);
  model->IsRoot(u"/", &root);
  EXPECT_EQ(root, VARIANT_TRUE);

  // An unknown code: ecNotImplemented with message 1003, by interface and by dispatch.
  model->put_HostType(4);
  std::int32_t type = -1;
  EXPECT_EQ(model->GetGenHType(nullptr, nullptr, &type), ecNotImplemented);
  LateBound late(ComPtr<IDispatch>(model.get()));
  const AutomationError e = failureOf([&] { late.call(DISPID_Kestrel_GetGenHType); });
  EXPECT_EQ(e.number(), ecNotImplemented);
  EXPECT_EQ(e.source().str(), u"CKestrel.GetGenHType");
  EXPECT_EQ(e.description().str(),
            u"In Module.Proc: CKestrel.GetGenHType\r\n\r\nThe Parser For the designated HostType has not\r\nyet been implemented.\r\n");
  EXPECT_EQ(failureOf([&] { late.get(DISPID_Kestrel_RootPath); }).number(), ecNotImplemented);
}

TEST_F(KestrelModel, FilterStrings) {
  LateBound late(ComPtr<IDispatch>(model.get()));
  late.put(DISPID_Kestrel_Filter, Variant::string(u"Text Files (*.txt)|*.txt;*.asc|All Files (*.*)|*.*"));
  ComPtr<IFilters> filters;
  model->get_colFilters(filters.put());
  ASSERT_TRUE(filters);
  std::int32_t count = 0;
  filters->get_Count(&count);
  EXPECT_EQ(count, 2);
  ComPtr<IExts> exts;
  filters->get_Exts(exts.put());
  exts->get_Count(&count);
  EXPECT_EQ(count, 3);
  ComPtr<IExt> asc;
  ASSERT_EQ(exts->get_item(Variant::string(u"asc"), asc.put()), S_OK);
  WString display;
  asc->get_Key(&display);
  EXPECT_EQ(display.str(), u"Text Files (*.txt)");
  ASSERT_EQ(exts->get_item(Variant::string(u"*"), asc.put()), S_OK);

  // One part: accepted, no filter built.
  ASSERT_EQ(model->put_Filter(u"Text"), S_OK);
  model->get_colFilters(filters.put());
  filters->get_Count(&count);
  EXPECT_EQ(count, 0);

  // An empty extension list: ecBadFilterFormat; the last accepted string stays.
  const AutomationError bad = failureOf([&] { late.put(DISPID_Kestrel_Filter, Variant::string(u"Text|")); });
  EXPECT_EQ(bad.number(), ecBadFilterFormat);
  EXPECT_EQ(bad.source().str(), u"CKestrel.ParseFilter");
  // An extension in two filters: the collection's 457, decorated.
  const AutomationError twice = failureOf([&] { late.put(DISPID_Kestrel_Filter, Variant::string(u"A|*.txt|B|*.txt")); });
  EXPECT_EQ(twice.number(), 457);
  EXPECT_EQ(twice.description().str().rfind(u"Error: 457\r\nIn Module.Proc: CKestrel.ParseFilter\r\n", 0), 0u);
  EXPECT_EQ(*late.get(DISPID_Kestrel_Filter).getString(), WString(u"Text"));
}

TEST_F(KestrelModel, WorldPrivilegesAndEntryExists) {
  auto files = enterFolder(u"host", 3, u"/pub/");
  WString key(u"hostú/pub/a.txt");
  ASSERT_EQ(addFile(files.get(), key, u"a.txt", 5, acIsFile, u"rwxdrwxdr-x-r-xd"), S_OK);
  VariantBool yes = 0;
  ASSERT_EQ(model->ReadPriv(Variant::string(key), &yes), S_OK);
  EXPECT_EQ(yes, VARIANT_TRUE);
  model->WritePriv(Variant::string(key), &yes);
  EXPECT_EQ(yes, VARIANT_FALSE);
  model->ExecPriv(Variant::string(key), &yes);
  EXPECT_EQ(yes, VARIANT_TRUE);
  EXPECT_EQ(model->ReadPriv(Variant::string(u"nothing"), &yes), basicError(5));

  // World delete stays with the file; GetPriv of the 16-bit value cannot hold it.
  ComPtr<IFile> file;
  files->get_item(Variant::i4(1), file.put());
  file->get_WorldDelete(&yes);
  EXPECT_EQ(yes, VARIANT_TRUE);
  std::int16_t perms = 0;
  file->get_Perms(&perms);
  std::int32_t what = wcWrite, who = wcOwner;
  files->GetPriv(&what, &who, &perms, &yes);
  EXPECT_EQ(yes, VARIANT_TRUE);

  WString sel(u"a.txt"), name(u"a.txt"), other(u"b.txt");
  Variant exists;
  ASSERT_EQ(model->EntryExists(&sel, &name, &exists), S_OK);
  EXPECT_EQ(exists.getBool(), std::optional<bool>(true));
  ASSERT_EQ(model->EntryExists(&sel, &other, &exists), S_OK);
  EXPECT_TRUE(exists.isEmpty());
  model->put_CurrentPath(u"/elsewhere");
  EXPECT_EQ(model->EntryExists(&sel, &name, &exists), basicError(5));
}

TEST_F(KestrelModel, ServerCommands) {
  ComPtr<ICMDS> commands;
  model->get_colCmds(commands.put());
  ComPtr<ICMD> cmd;
  ASSERT_EQ(commands->Add(u"STOR", u"STOR", cmd.put()), S_OK);
  LateBound late(ComPtr<IDispatch>(commands.get()));
  EXPECT_EQ(late.call(DISPID_CMDS_HELPSupported, {Variant::string(u"stor")}).getBool(), std::optional<bool>(true));
  EXPECT_EQ(late.call(DISPID_CMDS_HELPSupported, {Variant::string(u"retr")}).getBool(), std::optional<bool>(false));
  EXPECT_EQ(commands->Add(u"STOR", u"again", cmd.put()), basicError(457));
  ASSERT_EQ(commands->Clear(), S_OK);
  std::int32_t count = -1;
  commands->get_Count(&count);
  EXPECT_EQ(count, 0);
}

TEST_F(KestrelModel, FileNamesAreCheckedPerHostType) {
  struct Case {
    std::int32_t code;
    std::u16string name;
    bool valid;
  } cases[] = {
      {3, u"a b.txt", true}, {3, u"a;b", false}, {3, u"a=b", false}, {3, u"$x", false}, {3, u"", false},
      {3, u"report-2024.txt", true}, {11, u"FILE.TXT", false}, {11, u"FILE_1", true},
      {17, u"README.TXT", true}, {17, u"AUTOEXEC", true}, {17, u"A B.TXT", false}, {17, u"A.B.TXT", false},
      {17, u"A+B.TXT", false},
  };
  for (const auto& c : cases) {
    model->put_HostType(c.code);
    WString name(c.name);
    VariantBool valid = 0;
    ASSERT_EQ(model->IsValidFileName(&name, &valid), S_OK) << name.toUtf8();
    EXPECT_EQ(valid != 0, c.valid) << c.code << " " << name.toUtf8();
  }
  model->put_HostType(17);
  LateBound late(ComPtr<IDispatch>(model.get()));
  for (const char16_t* tooLong : {u"LONGFILENAME.TXT", u"A.HTML"}) {
    const AutomationError e = failureOf([&] { late.call(DISPID_Kestrel_IsValidFileName, {Variant::string(tooLong)}); });
    EXPECT_EQ(e.number(), ecBadFNameLen);
    EXPECT_EQ(e.source().str(), u"CKestrel.IsValidFileName");
  }
}

TEST_F(KestrelModel, FileFmNameFindsFilesOfTheCurrentFolder) {
  auto files = enterFolder(u"host", 3, u"/pub");
  WString key(u"hostú/pub/a (1).txt");
  ASSERT_EQ(addFile(files.get(), key, u"a (1).txt", 5, acIsFile), S_OK);
  ComPtr<IFile> found;
  VariantBool ok = 0;
  ASSERT_EQ(model->FileFmName(u"a (1).txt", 0, found.put(), &ok), S_OK);
  EXPECT_EQ(ok, VARIANT_TRUE);
  ASSERT_TRUE(found);
  ASSERT_EQ(model->FileFmName(u"b.txt", 0, found.put(), &ok), S_OK);
  EXPECT_EQ(ok, VARIANT_FALSE);
  EXPECT_FALSE(found);
}

TEST(KestrelLibrary, DoesNotLinkTheStringLibrary) {
  const std::string command = "readelf -d '" + std::string(KESTREL_LIBRARY) + "'";
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(::popen(command.c_str(), "r"), ::pclose);
  ASSERT_TRUE(pipe);
  std::string output;
  char buffer[512];
  while (std::fgets(buffer, sizeof buffer, pipe.get())) output += buffer;
  EXPECT_NE(output.find("NEEDED"), std::string::npos) << output;
  EXPECT_EQ(output.find("Tessel"), std::string::npos) << output;
}
