// ParseFile through the library's door: records and fields reach connected sinks as
// ParseEvent calls, Cancel stops the parse, file errors carry their cause and text, and
// chunk ends never cut or lose a record.
#include <fstream>

#include "automation/connection.h"
#include "automation/event_sink.h"
#include "tessel_client.h"

namespace tessel::testing {
namespace {

struct Event {
  std::int32_t recNo;
  std::vector<std::u16string> fields;
  bool completed;
  bool operator==(const Event&) const = default;
};

// An event sink that records what it is told; it may set Cancel on a given record, or fail.
class Sink final : public EventSink<Sink, IDispatch> {
 public:
  void* castTo(const Guid& iid) {
    const bool offered = iid == IUnknown::IID || iid == IDispatch::IID || iid == IEventNotifySink::IID;
    return offered ? static_cast<IDispatch*>(this) : nullptr;
  }
  HRESULT Invoke(DispId id, const Guid&, std::uint32_t, std::uint16_t, DispParams* params, Variant*, ExcepInfo*,
                 std::uint32_t*) override {
    if (fail) return E_FAIL;
    EXPECT_EQ(id, DISPID_ParseEvent);
    EXPECT_EQ(params->args.size(), 4u);
    const SafeArray* fields = params->args[1].getArray();
    EXPECT_TRUE(fields);
    events.push_back({*params->args[0].getI4(), fields ? elementsOf(*fields) : std::vector<std::u16string>{},
                      *params->args[2].getBool()});
    if (events.back().recNo == cancelOn) params->args[3].assignThrough(Variant::boolean(true));
    if (onEvent) onEvent();
    return S_OK;
  }

  std::vector<Event> events;
  std::int32_t cancelOn = -1;
  bool fail = false;
  std::function<void()> onEvent;
};

class TesselParseFile : public TesselTest {
 protected:
  ComPtr<Sink> connect() {
    auto sink = makeObject<Sink>();
    ComPtr<IConnectionPoint> point;
    EXPECT_EQ(tessel.object()->QueryInterface(IConnectionPointContainer::IID, reinterpret_cast<void**>(container_.put())),
              S_OK);
    EXPECT_EQ(container_->FindConnectionPoint(IEventNotifySink::IID, point.put()), S_OK);
    std::uint32_t cookie = 0;
    EXPECT_EQ(point->Advise(sink.get(), &cookie), S_OK);
    return sink;
  }

  std::string writeFile(const std::string& content, const std::string& name = "input.txt") {
    const std::string path = (albryn::testing::sandbox().newFolder() / name).string();
    std::ofstream(path, std::ios::binary) << content;
    return path;
  }

  bool parse(const std::string& path, std::vector<Variant> more = {}) {
    std::vector<Variant> args{Variant::string(WString::fromUtf8(path))};
    args.insert(args.end(), more.begin(), more.end());
    return callBool(DISPID_ParseFile, args);
  }

  // The records of a parse as "field|field" texts, the closing event checked and left out.
  static std::vector<std::u16string> records(const ComPtr<Sink>& sink) {
    std::vector<std::u16string> out;
    for (const Event& e : sink->events) {
      if (e.completed) continue;
      std::u16string joined;
      for (const auto& f : e.fields) joined += (joined.empty() ? u"" : u"|") + f;
      out.push_back(joined);
      EXPECT_EQ(e.recNo, static_cast<std::int32_t>(out.size()));
    }
    EXPECT_FALSE(sink->events.empty());
    if (!sink->events.empty()) {
      EXPECT_EQ(sink->events.back(), (Event{0, {}, true}));
    }
    return out;
  }

  std::int32_t numRecs() const { return *tessel.get(DISPID_NumRecs).getI4(); }

 private:
  ComPtr<IConnectionPointContainer> container_;
};

using Records = std::vector<std::u16string>;

TEST_F(TesselParseFile, RecordsAndFieldsReachEverySinkInOrder) {
  auto first = connect();
  auto second = connect();
  const std::string path = writeFile("a b\r\n\r\nc\n");
  EXPECT_TRUE(parse(path));
  const std::vector<Event> expected{{1, {u"a", u"b"}, false}, {2, {u"c"}, false}, {0, {}, true}};
  EXPECT_EQ(first->events, expected);
  EXPECT_EQ(second->events, expected);
  EXPECT_EQ(numRecs(), 2);
  EXPECT_EQ(tessel.get(DISPID_FileName), Variant::string(WString::fromUtf8(path)));
}

TEST_F(TesselParseFile, AFailingSinkIsSkipped) {
  auto failing = connect();
  failing->fail = true;
  auto sink = connect();
  EXPECT_TRUE(parse(writeFile("x y z")));
  EXPECT_EQ(records(sink), (Records{u"x|y|z"}));
}

TEST_F(TesselParseFile, ChunkEndsNeverCutOrLoseARecord) {
  struct Case {
    const char* content;
    std::int32_t chunk;
    Records records;
  };
  const Case cases[] = {
      {"ab\ncd\ne", 5, {u"ab", u"cd", u"e"}},
      {"ab\ncd\n", 6, {u"ab", u"cd"}},       // the file ends exactly at a chunk end
      {"ab\ncd", 5, {u"ab", u"cd"}},
      {"ab\r\ncd", 3, {u"ab", u"cd"}},       // CR and LF in different chunks
      {"abcdefghij\nk", 4, {u"abcdefghij", u"k"}},  // a record longer than the chunk
      {"\n\n\n", 1, {}},
      {"one two\tthree\vfour", 1, {u"one|two|three|four"}},
      {"  \t \nx", 2, {u"  \t ", u"x"}},      // a record without fields is its own one field
      {"", 0, {}},
      {"a b\nc", 0, {u"a|b", u"c"}},           // 0: the file's length
      {"a b\nc", -1, {u"a|b", u"c"}},          // negative: the largest chunk
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.content) + " in chunks of " + std::to_string(c.chunk));
    tessel = LateBound(createObject(PROGID_CTesselDLL));
    auto sink = connect();
    EXPECT_TRUE(parse(writeFile(c.content), {Variant::i4(c.chunk)}));
    EXPECT_EQ(records(sink), c.records);
    EXPECT_EQ(numRecs(), static_cast<std::int32_t>(c.records.size()));
  }
}

TEST_F(TesselParseFile, AFileOfManyChunks) {
  // About 2.5 default chunks of numbered records of varying length.
  std::string content;
  Records expected;
  for (int i = 0; content.size() < 1300000; ++i) {
    const std::string record = "rec" + std::to_string(i) + " " + std::string(i % 37, 'x') + " end";
    content += record + (i % 3 ? "\n" : "\r\n");
    const std::string joined = "rec" + std::to_string(i) + (i % 37 ? "|" + std::string(i % 37, 'x') : "") + "|end";
    expected.push_back(std::u16string(joined.begin(), joined.end()));
  }
  auto sink = connect();
  EXPECT_TRUE(parse(writeFile(content)));
  EXPECT_EQ(records(sink), expected);
}

TEST_F(TesselParseFile, ARecordLongerThanTheLargestChunkIsDeliveredInBoundedPieces) {
  const std::string longRecord(524280 * 2 + 10, 'q');
  auto sink = connect();
  EXPECT_TRUE(parse(writeFile("a\n" + longRecord + "\nz")));
  const Records got = records(sink);
  ASSERT_GE(got.size(), 4u);
  EXPECT_EQ(got.front(), u"a");
  EXPECT_EQ(got.back(), u"z");
  std::u16string joined;
  for (std::size_t i = 1; i + 1 < got.size(); ++i) {
    if (i + 2 < got.size()) {
      EXPECT_GE(got[i].size(), 524280u);  // only the last piece is short
    }
    EXPECT_LT(got[i].size(), 2 * 524280u);
    joined += got[i];
  }
  EXPECT_EQ(joined, std::u16string(longRecord.size(), u'q'));
}

TEST_F(TesselParseFile, BytesAreCharactersAndNulIsOneOfThem) {
  auto sink = connect();
  EXPECT_TRUE(parse(writeFile(std::string("a\0b c\n\xe9t\xe9", 9)), {Variant::i4(3)}));
  EXPECT_EQ(records(sink), (Records{std::u16string(u"a\0b|c", 5), u"\u00e9t\u00e9"}));
}

TEST_F(TesselParseFile, SeparatorArguments) {
  auto sink = connect();
  EXPECT_TRUE(parse(writeFile("a,b;c d;"), {Variant::missing(), str(u";"), str(u",")}));
  EXPECT_EQ(records(sink), (Records{u"a|b", u"c d"}));
  sink->events.clear();
  // Without separator arguments a set Separators property serves both.
  tessel.put(DISPID_Separators, str(u";"));
  EXPECT_TRUE(parse(writeFile("a b;c")));
  EXPECT_EQ(records(sink), (Records{u"a b", u"c"}));
}

TEST_F(TesselParseFile, CancelStopsAfterTheRecordAndTheClosingEventStillComes) {
  auto sink = connect();
  sink->cancelOn = 1;
  EXPECT_TRUE(parse(writeFile("r1\nr2\nr3\n")));
  EXPECT_EQ(sink->events, (std::vector<Event>{{1, {u"r1"}, false}, {0, {}, true}}));
  EXPECT_EQ(tessel.get(DISPID_Cancel), Variant::boolean(true));
  EXPECT_EQ(numRecs(), 1);
  // The next parse starts with Cancel cleared; a sink may also cancel through the property.
  sink->events.clear();
  sink->cancelOn = -1;
  sink->onEvent = [&] {
    if (sink->events.size() == 2) tessel.put(DISPID_Cancel, Variant::boolean(true));
  };
  EXPECT_TRUE(parse(writeFile("r1\nr2\nr3\n"), {Variant::i4(1)}));
  EXPECT_EQ(records(sink), (Records{u"r1", u"r2"}));
}

TEST_F(TesselParseFile, TrimRestReadsTrueDuringTheParseAndGetsItsValueBack) {
  auto sink = connect();
  std::vector<Variant> seen;
  sink->onEvent = [&] { seen.push_back(tessel.get(DISPID_TrimRest)); };
  EXPECT_TRUE(parse(writeFile("a\n")));
  EXPECT_EQ(seen, (std::vector<Variant>{Variant::boolean(true), Variant::boolean(true)}));
  EXPECT_EQ(tessel.get(DISPID_TrimRest), Variant::boolean(false));
  EXPECT_THROW(parse("/no/such/folder/f.txt"), AutomationError);
  EXPECT_EQ(tessel.get(DISPID_TrimRest), Variant::boolean(false));
}

TEST_F(TesselParseFile, FileNameComesFromTheArgumentOrTheProperty) {
  auto sink = connect();
  const std::string path = writeFile("from property");
  tessel.put(DISPID_FileName, Variant::string(WString::fromUtf8(path)));
  EXPECT_TRUE(callBool(DISPID_ParseFile, {}));
  EXPECT_EQ(records(sink), (Records{u"from|property"}));
  sink->events.clear();
  WString name = WString::fromUtf8(writeFile("by reference"));
  EXPECT_TRUE(callBool(DISPID_ParseFile, {Variant::refString(&name)}));
  EXPECT_EQ(records(sink), (Records{u"by|reference"}));
  EXPECT_EQ(tessel.get(DISPID_FileName), Variant::string(name));
}

TEST_F(TesselParseFile, FileErrorsCarryTheirCauseAndText) {
  auto sink = connect();
  const std::string folder = albryn::testing::sandbox().newFolder().string();
  const std::string unreadable = writeFile("secret");
  std::filesystem::permissions(unreadable, std::filesystem::perms::none);
  const bool runsAsRoot = std::ifstream(unreadable).good();
  struct Case {
    std::string path;
    std::int32_t cause;
    std::string text;
  };
  std::vector<Case> cases{
      {folder + "/missing.txt", 2, "File not found: "},
      {unreadable + "/below", 3, "Bad file Path: "},
      {folder, 5, "Access Denied: "},
      {"", 2, "File not found: "},
  };
  if (!runsAsRoot) cases.push_back({unreadable, 5, "Access Denied: "});
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    const AutomationError e = errorOf(DISPID_ParseFile, {Variant::string(WString::fromUtf8(c.path))});
    EXPECT_EQ(e.number(), c.cause);
    EXPECT_EQ(e.description(), WString::fromUtf8(c.text + c.path));
  }
  // No closing event after a file error.
  EXPECT_TRUE(sink->events.empty());
}

}  // namespace
}  // namespace tessel::testing
