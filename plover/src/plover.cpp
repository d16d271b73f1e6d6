// CPlover: turns the text of an FTP directory listing into folders and files of a CKestrel.
#include <array>

#include "automation/connection.h"
#include "automation/factory.h"
#include "com_support.h"
#include "conversions.h"
#include "error_module.h"
#include "format_parsers.h"
#include "interfaces/plover.h"
#include "tessel_client.h"

namespace plover {

using automation::AutomationError;
using automation::ComPtr;
using automation::DispParams;
using automation::HRESULT;
using automation::S_OK;
using automation::Variant;
using kestrel::check;
using kestrel::IFile;
using kestrel::IFiles;
using kestrel::IFolder;
using kestrel::IFolders;
using kestrel::IKestrel;

namespace {

// The string library's default token separators.
constexpr char16_t kDefaultSeparators[] = u" \n\r\t\v";

// The model's generic host type and the separator that joins a folder and a file name.
struct Host {
  kestrel::KestrelGenHostType type;
  std::u16string fileSep;
};

// Enough of a reply to read its first token as far as telling "total" apart: up to one
// character past it (a long reply is not copied whole for that).
std::u16string head(const std::u16string& text) {
  const std::size_t first = text.find_first_not_of(kDefaultSeparators);
  return first == std::u16string::npos ? std::u16string() : text.substr(0, first + 6);
}

bool isBlank(std::u16string_view text) {
  return text.find_first_not_of(u" \t\r\n\f\v") == std::u16string_view::npos;
}

// The by-reference arguments of Files.Add, kept from entry to entry so that their buffers are
// reused rather than allocated for every entry.
struct EntryArguments {
  WString key{u""}, name{u""}, sDate{u""}, ext{u""}, owner{u""}, group{u""}, perms{u""}, sTime{u""}, shortName{u""},
      targetPath{u""}, targetName{u""};

  void add(IFiles* files, const ListingEntry& e) {
    auto set = [](WString& argument, std::u16string_view text) { argument.str().assign(text); };
    set(name, e.name);
    set(sDate, e.sDate);
    set(ext, e.ext);
    set(owner, e.owner);
    set(group, e.group);
    set(perms, e.perms);
    set(sTime, e.sTime);
    set(shortName, e.shortName);
    std::int32_t size = e.size, nLinks = e.nLinks, attrib = e.attrib;
    check(files->Add(&key, &name, &size, &nLinks, &sDate, &ext, &owner, &group, &perms, &sTime, &attrib, &shortName,
                     &targetPath, &targetName, nullptr));
  }
};

class CPlover final : public automation::DispatchObject<CPlover, IPlover, automation::IConnectionPointContainer> {
 public:
  void* castTo(const Guid& iid) {
    if (iid == automation::IUnknown::IID || iid == automation::IDispatch::IID || iid == IPlover::IID)
      return static_cast<IPlover*>(this);
    if (iid == automation::IConnectionPointContainer::IID) return static_cast<automation::IConnectionPointContainer*>(this);
    return nullptr;
  }

  HRESULT Cancel() override {
    cancelled_ = true;
    return S_OK;
  }
  HRESULT putref_Kestrel(IKestrel* model) override {
    model_ = ComPtr<IKestrel>(model);
    return S_OK;
  }
  HRESULT putref_YieldHook(IParseYieldHook* hook) override {
    hook_ = ComPtr<IParseYieldHook>(hook);
    return S_OK;
  }

  HRESULT ParseDirList(WString* dirString) override {
    if (!dirString) return automation::E_POINTER;
    const ComPtr<IPlover> keepAlive(this);  // a sink may drop its reference during the parse
    return kestrel::guarded([&] { parseDirList(*dirString); });
  }

  HRESULT EnumConnectionPoints(void** points) override {
    if (points) *points = nullptr;
    return automation::E_NOTIMPL;
  }
  HRESULT FindConnectionPoint(const Guid& iid, automation::IConnectionPoint** point) override {
    if (!point) return automation::E_POINTER;
    *point = nullptr;
    if (iid != IID_CPloverEvents) return automation::CONNECT_E_NOCONNECTION;
    events_.AddRef();
    *point = &events_;
    return S_OK;
  }

  static const automation::DispatchTable<CPlover>& dispatchTable();

 private:
  void parseDirList(WString& dirString) {
    std::vector<std::u16string_view> lines;
    try {
      const Host rules = hostRules();
      cancelled_ = false;
      std::u16string& text = dirString.str();
      if (rules.type == kestrel::UnixHType && lowerCase(tessel_.frontToken(head(text), kDefaultSeparators).first) == u"total")
        text = std::u16string(afterFirstLine(text));
      if (isBlank(text)) {
        addCurrentFolder();
        fireComplete(true);
        return;
      }
      // Runs of line ends (CR LF, LF or CR) separate the lines, so empty lines disappear. The
      // lines are views into the reply, which stays untouched until the parse ends.
      lines = columnsOf(text, SeparatorSet(u"\r\n"));
      if (lines.empty() || lines.front().empty()) {
        fireComplete(false);
        return;
      }
    } catch (const AutomationError& e) {
      reportError(e, u"CPlover.ParseDirList");
      fireComplete(false);
      return;
    }
    // A first reading checks the whole listing (and may be cancelled) before the model is
    // touched; the entries then go into the model from a second reading, so they are never
    // held twice.
    const ParseContext checking{tessel_, [this] { return beforeLine(); }, [](const ListingEntry&) { return true; }};
    if (parseListing(lines, checking)) updateCollection(lines);
    fireComplete(true);
  }

  bool parseListing(const std::vector<std::u16string_view>& lines, const ParseContext& context) {
    switch (hostRules().type) {
      case kestrel::UnixHType: return parseUnix(lines, context);
      case kestrel::DosHType: return parseDos(lines, context);
      case kestrel::VMSHType: return parseVms(lines, context);
      default: kestrel::raiseLibraryError(kestrel::ecNotImplemented, u"CPlover.ParseDir");
    }
  }

  bool beforeLine() {
    if (hook_) hook_->OnLine();
    return cancelled_;
  }

  Host hostRules() const {
    if (!model_) throw AutomationError(automation::basicError(91));
    WString dirSep, fileSep;
    std::int32_t type = 0;
    check(model_->GetGenHType(&dirSep, &fileSep, &type));
    return {static_cast<kestrel::KestrelGenHostType>(type), fileSep.str()};
  }

  WString currentFolderKey() const {
    WString host, path;
    check(model_->get_RemoteHost(&host));
    check(model_->get_CurrentPath(&path));
    return WString(host.str() + kestrel::kFolderKeySeparator + path.str());
  }

  // Adds the model's current folder (a folder read again replaces its old entry).
  ComPtr<IFolder> addCurrentFolder() {
    try {
      ComPtr<IFolders> folders;
      check(model_->get_colFolders(folders.put()));
      automation::VariantBool storeDirs = 0;
      std::int32_t hostType = 0, count = 0;
      check(model_->get_StoreDirs(&storeDirs));
      check(model_->get_HostType(&hostType));
      WString path;
      check(model_->get_CurrentPath(&path));
      const WString key = currentFolderKey();
      if (!storeDirs) {
        check(folders->Clear());
      } else if (check(folders->get_Count(&count)), count > 0) {
        ComPtr<IFolder> old;
        std::int32_t oldType = 0;
        if (automation::succeeded(folders->get_item(Variant::string(key), old.put())) &&
            automation::succeeded(old->get_HostType(&oldType)) && oldType == hostType)
          check(folders->Remove(Variant::string(key)));
      }
      ComPtr<IFolder> folder;
      check(folders->Add(key, path, hostType, Variant::missing(), Variant::missing(), folder.put()));
      return folder;
    } catch (const AutomationError& e) {
      kestrel::raiseAgain(e, u"CPlover.AddCurFolder", kLibrary);
    }
  }

  void updateCollection(const std::vector<std::u16string_view>& lines) {
    const Host rules = hostRules();
    ComPtr<IFolder> folder = addCurrentFolder();
    if (!folder) return;
    std::optional<AutomationError> failure;
    try {
      WString folderKey;
      check(folder->get_Key(&folderKey));
      ComPtr<IFiles> files;
      check(folder->get_colFiles(files.put()));
      EntryArguments arguments;
      auto add = [&](const ListingEntry& entry) {
        if (cancelled_) return false;
        if (entry.name == u"." || entry.name == u"..") return true;
        try {
          joinKey(folderKey.view(), entry.name, rules.fileSep, arguments.key.str());
          arguments.add(files.get(), entry);
          return true;
        } catch (const AutomationError& e) {
          failure = e;
          return false;
        }
      };
      parseListing(lines, ParseContext{tessel_, [] { return false; }, add});
    } catch (const AutomationError& e) {
      failure = e;
    }
    if (failure) {
      ComPtr<IFolders> folders;
      if (automation::succeeded(model_->get_colFolders(folders.put()))) {
        WString key;
        folder->get_Key(&key);
        folders->Remove(Variant::string(key));
      }
      kestrel::raiseAgain(*failure, u"CPlover.UpdateCollection", kLibrary);
    }
  }

  // The library shows no window: the prompt of the error goes to the client's sinks.
  void reportError(const AutomationError& e, std::u16string_view source) {
    const std::u16string prompt = decimal(kestrel::errorNumberOf(e)) + u"\r\n" + kestrel::standardMessage(e) +
                                  u"\r\nOccurred In Module.Proc: " + std::u16string(source) + u"\r\n";
    DispParams params{{Variant::string(WString(prompt)), Variant::string(u"Error")}};
    events_.fire(DISPID_ErrorMessage, params);
  }

  void fireComplete(bool status) {
    DispParams params{{Variant::boolean(status)}};
    events_.fire(DISPID_ParseCompleteEvent, params);
  }

  kestrel::TesselClient tessel_;
  ComPtr<IKestrel> model_;
  ComPtr<IParseYieldHook> hook_;
  bool cancelled_ = false;
  automation::ConnectionPoint events_{*this, IID_CPloverEvents};
};

const automation::DispatchTable<CPlover>& CPlover::dispatchTable() {
  static const automation::DispatchTable<CPlover> table{
      {DISPID_Plover_Cancel, u"Cancel", automation::DISPATCH_METHOD, 0, 0,
       [](CPlover& self, automation::CallArgs&) {
         check(self.Cancel());
         return Variant();
       }},
      {DISPID_Plover_Kestrel, u"Kestrel", automation::DISPATCH_PROPERTYPUT | automation::DISPATCH_PROPERTYPUTREF, 0, 0,
       [](CPlover& self, automation::CallArgs& args) {
         check(self.putref_Kestrel(kestrel::objectArgument<IKestrel>(args.putValue()).get()));
         return Variant();
       }},
      {DISPID_Plover_ParseDirList, u"ParseDirList", automation::DISPATCH_METHOD, 1, 1,
       [](CPlover& self, automation::CallArgs& args) {
         check(self.ParseDirList(args.stringTarget(0)));
         return Variant();
       }},
  };
  return table;
}

const std::array<automation::ClassEntry, 1> kClasses{{
    {CLSID_CPlover, PROGID_CPlover, &automation::createObjectOf<CPlover>},
}};

}  // namespace
}  // namespace plover

AUTOMATION_SERVER_ENTRY_POINTS(plover::kClasses)
