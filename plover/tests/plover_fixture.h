#pragma once
// A CKestrel and a CPlover made by class identity, an event sink, and readers of the result.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "automation/activation.h"
#include "automation/client.h"
#include "automation/connection.h"
#include "automation/event_sink.h"
#include "interfaces/plover.h"
#include "sandbox.h"

namespace plover_test {

using namespace automation;
using namespace kestrel;
using plover::IPlover;

// Records ParseCompleteEvent and ErrorMessage; may cancel the parse from the yield hook.
class Sink final : public EventSink<Sink, IDispatch, plover::IParseYieldHook> {
 public:
  void* castTo(const Guid& iid) {
    if (iid == IUnknown::IID || iid == IDispatch::IID || iid == plover::IID_CPloverEvents) return static_cast<IDispatch*>(this);
    if (iid == plover::IParseYieldHook::IID) return static_cast<plover::IParseYieldHook*>(this);
    return nullptr;
  }
  HRESULT Invoke(DispId id, const Guid&, std::uint32_t, std::uint16_t, DispParams* params, Variant*, ExcepInfo*,
                 std::uint32_t*) override {
    if (id == plover::DISPID_ParseCompleteEvent) completions.push_back(*params->args[0].getBool());
    if (id == plover::DISPID_ErrorMessage) {
      prompts.push_back(params->args[0].getString()->str());
      titles.push_back(params->args[1].getString()->str());
    }
    return S_OK;
  }
  void OnLine() override {
    if (++lines == cancelAtLine && parser) parser->Cancel();
  }

  std::vector<bool> completions;
  std::vector<std::u16string> prompts, titles;
  int lines = 0;
  int cancelAtLine = -1;
  IPlover* parser = nullptr;
};

struct Entry {
  std::u16string key, name, sDate, sTime, ext, owner, group, shortName;
  std::int32_t size = 0, nLinks = 0, attrib = 0;
  std::int16_t perms = 0;
};

class PloverTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    for (const char* library : {TESSEL_LIBRARY, KESTREL_LIBRARY, PLOVER_LIBRARY})
      albryn::testing::registerComponentLibrary(library);
  }

  void SetUp() override {
    model = createObject<IKestrel>(CLSID_CKestrel.toString());
    parser = createObject<IPlover>(plover::CLSID_CPlover.toString());
    sink = makeObject<Sink>();
    sink->parser = parser.get();
    auto container = parser.query<IConnectionPointContainer>();
    ASSERT_EQ(container->FindConnectionPoint(plover::IID_CPloverEvents, events.put()), S_OK);
    ASSERT_EQ(events->Advise(static_cast<IDispatch*>(sink.get()), &cookie), S_OK);
    ASSERT_EQ(parser->putref_YieldHook(sink.get()), S_OK);
    ASSERT_EQ(parser->putref_Kestrel(model.get()), S_OK);
    model->put_RemoteHost(u"host");
  }
  void TearDown() override {
    if (events) events->Unadvise(cookie);
    parser->putref_YieldHook(nullptr);
  }

  void setPlace(std::int32_t hostType, const std::u16string& path) {
    model->put_HostType(hostType);
    model->put_CurrentPath(path);
  }

  // ParseDirList by dispatch, as a late-bound client calls it; rethrows its error.
  void parse(std::int32_t hostType, std::u16string text, const std::u16string& path = u"/pub") {
    setPlace(hostType, path);
    WString reply(std::move(text));
    LateBound(ComPtr<IDispatch>(parser.get())).call(plover::DISPID_Plover_ParseDirList, {Variant::refString(&reply)});
  }

  // The error of a parse expected to fail.
  AutomationError parseError(std::int32_t hostType, std::u16string text) {
    try {
      parse(hostType, std::move(text));
    } catch (const AutomationError& e) {
      return e;
    }
    ADD_FAILURE() << "the parse did not fail";
    return AutomationError(S_OK);
  }

  std::int32_t folderCount() {
    ComPtr<IFolders> folders;
    model->get_colFolders(folders.put());
    std::int32_t n = 0;
    folders->get_Count(&n);
    return n;
  }

  // The files of the model's current remote folder, in order.
  std::vector<Entry> files() {
    std::vector<Entry> out;
    ComPtr<IFolder> folder;
    if (model->get_CurFtpFolder(folder.put()) != S_OK) return out;
    ComPtr<IFiles> list;
    folder->get_colFiles(list.put());
    std::int32_t n = 0;
    list->get_Count(&n);
    for (std::int32_t i = 1; i <= n; ++i) {
      ComPtr<IFile> f;
      list->get_item(Variant::i4(i), f.put());
      Entry e;
      WString s;
      f->get_Key(&s), e.key = s.str();
      f->get_Name(&s), e.name = s.str();
      f->get_sDate(&s), e.sDate = s.str();
      f->get_sTime(&s), e.sTime = s.str();
      f->get_Ext(&s), e.ext = s.str();
      f->get_Owner(&s), e.owner = s.str();
      f->get_Group(&s), e.group = s.str();
      f->get_ShortName(&s), e.shortName = s.str();
      f->get_Size(&e.size);
      f->get_nLinks(&e.nLinks);
      f->get_AttribFlags(&e.attrib);
      f->get_Perms(&e.perms);
      out.push_back(e);
    }
    return out;
  }

  ComPtr<IKestrel> model;
  ComPtr<IPlover> parser;
  ComPtr<Sink> sink;
  ComPtr<IConnectionPoint> events;
  std::uint32_t cookie = 0;
};

inline std::string utf8(const std::u16string& s) { return WString(s).toUtf8(); }

}  // namespace plover_test
