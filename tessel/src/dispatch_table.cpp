// The dispatch table of CTesselDLL: every member by id and name, with its arguments turned into
// values by the separator, integer and global-flag rules.
#include <memory>

#include "arguments.h"
#include "arrays.h"
#include "errors.h"
#include "parse_file.h"
#include "paths.h"
#include "search.h"
#include "tessel_object.h"
#include "pattern_methods.h"
#include "tokens.h"

namespace tessel {

using namespace automation;

namespace {

using Member = DispatchMember<CTesselDLL>;

// Properties answer a method call as a get, as late-bound clients may ask that way.
constexpr std::uint16_t kProperty = DISPATCH_PROPERTYGET | DISPATCH_PROPERTYPUT | DISPATCH_METHOD;

WString putString(const CallArgs& args) {
  auto s = args.putValue().toString();
  if (!s) throw AutomationError(DISP_E_TYPEMISMATCH);
  return *s;
}

VariantBool putBool(const CallArgs& args) {
  auto b = args.putValue().toBool();
  if (!b) throw AutomationError(DISP_E_TYPEMISMATCH);
  return *b ? VARIANT_TRUE : VARIANT_FALSE;
}

Member stringProperty(DispId id, const char16_t* name, WString TesselState::*field) {
  return {id, name, kProperty, 0, 0, [field](CTesselDLL& self, CallArgs& args) {
            if (!args.isPut()) return Variant::string(self.state.*field);
            self.state.*field = putString(args);
            return Variant();
          }};
}

Member boolProperty(DispId id, const char16_t* name, VariantBool TesselState::*field) {
  return {id, name, kProperty, 0, 0, [field](CTesselDLL& self, CallArgs& args) {
            if (!args.isPut()) return Variant::boolean(self.state.*field != VARIANT_FALSE);
            self.state.*field = putBool(args);
            return Variant();
          }};
}

Member countProperty(DispId id, const char16_t* name, std::int32_t TesselState::*field) {
  return {id, name, kProperty, 0, 0, [field](CTesselDLL& self, CallArgs& args) {
            if (args.isPut()) fail(basicError(382));
            return Variant::i4(self.state.*field);
          }};
}

std::u16string separators(const CTesselDLL& self, const CallArgs& args, std::size_t i, std::u16string_view builtIn) {
  return separatorArgument(args[i], self.state.separators, builtIn);
}

// The array an array argument holds, to be filled in place: by reference to a variant that
// holds it, or by a typed reference (an undimensioned one gets an empty array of its type). An
// array passed by value is filled in a copy, which the caller does not see. Null when the
// argument holds no array.
SafeArray* arrayArgument(const Variant& arg, ArrayHandle& copy) {
  if (ArrayHandle* target = arg.arrayTarget()) {
    if (!*target && arg.baseType() != (VT_ARRAY | VT_VARIANT)) {
      *target = std::make_unique<SafeArray>(SafeArray::vector(static_cast<VarType>(arg.baseType() & VT_TYPEMASK), 0, 0));
    }
    return target->get();
  }
  if (const SafeArray* a = arg.getArray()) {
    copy = std::make_unique<SafeArray>(*a);
    return copy.get();
  }
  return nullptr;
}

Variant parseFileMember(CTesselDLL& self, CallArgs& args) {
  TesselState& state = self.state;
  if (const WString* name = args[0].getString()) state.fileName = *name;
  const WString fileName = state.fileName;
  const auto chunkSize = static_cast<std::uint32_t>(integerArgument(args[1]));
  const std::u16string recordSeps = separators(self, args, 2, kRecordSeparators);
  const std::u16string fieldSeps = separators(self, args, 3, kParseFieldSeparators);
  // The record cutting trims the rest after each record; TrimRest reads true meanwhile and gets
  // its old value back however the parse ends.
  struct RestoreTrimRest {
    VariantBool& field;
    VariantBool saved;
    ~RestoreTrimRest() { field = saved; }
  } restore{state.trimRest, state.trimRest};
  state.cancel = VARIANT_FALSE;
  state.numRecs = 0;
  state.trimRest = VARIANT_TRUE;
  const ParseFileRequest request{fileName, chunkSize, recordSeps, fieldSeps};
  // One set of event arguments for the whole parse; the field array is moved into it and
  // back, never copied.
  DispParams event{{Variant::i4(0), Variant(), Variant::boolean(false), Variant::refBool(&state.cancel)}};
  parseFile(request, state.numRecs, state.cancel, [&](std::int32_t recNo, Variant& fields, bool completed) {
    event.args[0] = Variant::i4(recNo);
    event.args[1] = std::move(fields);
    if (completed) event.args[2] = Variant::boolean(true);
    self.events.fire(DISPID_ParseEvent, event);
    fields = std::move(event.args[1]);
  });
  return Variant::boolean(true);
}

}  // namespace

const DispatchTable<CTesselDLL>& CTesselDLL::dispatchTable() {
  static const DispatchTable<CTesselDLL> table{
      stringProperty(DISPID_Separators, u"Separators", &TesselState::separators),
      countProperty(DISPID_NumRecs, u"NumRecs", &TesselState::numRecs),
      countProperty(DISPID_NumFlds, u"NumFlds", &TesselState::numFlds),
      stringProperty(DISPID_RecordSeps, u"RecordSeps", &TesselState::recordSeps),
      boolProperty(DISPID_TrimRest, u"TrimRest", &TesselState::trimRest),
      boolProperty(DISPID_Cancel, u"Cancel", &TesselState::cancel),
      stringProperty(DISPID_FileName, u"FileName", &TesselState::fileName),
      {DISPID_FileExt, u"FileExt", DISPATCH_METHOD, 3, 3,
       [](CTesselDLL&, CallArgs& args) {
         return Variant::boolean(fileExt(*args.stringTarget(0), *args.stringTarget(1), *args.stringTarget(2)));
       }},
      {DISPID_InStrR, u"InStrR", DISPATCH_METHOD, 3, 4,
       [](CTesselDLL&, CallArgs& args) {
         return Variant::i4(inStrR(args.i4(0), args.string(1), args.string(2), ignoreCaseArgument(args[3])));
       }},
      {DISPID_ReplaceStr, u"ReplaceStr", DISPATCH_METHOD, 3, 5,
       [](CTesselDLL&, CallArgs& args) {
         return Variant::i4(replaceStr(*args.stringTarget(0), args.string(1), args.string(2),
                                       ignoreCaseArgument(args[3]), globalFlagArgument(args[4])));
       }},
      {DISPID_InsertStr, u"InsertStr", DISPATCH_METHOD, 3, 3,
       [](CTesselDLL&, CallArgs& args) {
         insertStr(*args.stringTarget(0), args.string(1), args.i4(2));
         return Variant::boolean(true);
       }},
      {DISPID_ReplaceAt, u"ReplaceAt", DISPATCH_METHOD, 4, 4,
       [](CTesselDLL&, CallArgs& args) {
         replaceAt(*args.stringTarget(0), args.string(1), args.i4(2), args.i4(3));
         return Variant::boolean(true);
       }},
      {DISPID_DeleteAt, u"DeleteAt", DISPATCH_METHOD, 3, 3,
       [](CTesselDLL&, CallArgs& args) {
         deleteAt(*args.stringTarget(0), args.i4(1), args.i4(2));
         return Variant::boolean(true);
       }},
      {DISPID_GetFieldCount, u"GetFieldCount", DISPATCH_METHOD, 1, 3,
       [](CTesselDLL& self, CallArgs& args) {
         return Variant::i4(getFieldCount(args.string(0), separators(self, args, 1, kFieldDelimiter),
                                          ignoreCaseArgument(args[2])));
       }},
      {DISPID_GetDelimField, u"GetDelimField", DISPATCH_METHOD, 4, 5,
       [](CTesselDLL&, CallArgs& args) {
         return Variant::string(WString(getDelimField(args.string(0), args.string(1), args.string(2), args.i4(3),
                                                      ignoreCaseArgument(args[4]))));
       }},
      {DISPID_GetField, u"GetField", DISPATCH_METHOD, 2, 4,
       [](CTesselDLL& self, CallArgs& args) {
         return Variant::string(WString(getField(args.string(0), args.i4(1), separators(self, args, 2, kFieldDelimiter),
                                                 ignoreCaseArgument(args[3]))));
       }},
      {DISPID_StrTokl, u"StrTokl", DISPATCH_METHOD, 2, 3,
       [](CTesselDLL& self, CallArgs& args) {
         const WString inString = args.string(0);
         const std::u16string seps = separators(self, args, 2, kTokenSeparators);
         ArrayHandle copy;
         return Variant::boolean(strTokl(inString, arrayArgument(args[1], copy), seps, self.state.numFlds));
       }},
      {DISPID_FrontToken, u"FrontToken", DISPATCH_METHOD, 3, 4,
       [](CTesselDLL& self, CallArgs& args) {
         return Variant::boolean(frontToken(*args.stringTarget(0), *args.stringTarget(1), *args.stringTarget(2),
                                            separators(self, args, 3, kTokenSeparators),
                                            self.state.trimRest != VARIANT_FALSE));
       }},
      {DISPID_FrontTokenEx, u"FrontTokenEx", DISPATCH_METHOD, 2, 3,
       [](CTesselDLL& self, CallArgs& args) {
         return Variant::string(WString(frontTokenEx(args.string(0), *args.stringTarget(1),
                                                     separators(self, args, 2, kTokenSeparators),
                                                     self.state.trimRest != VARIANT_FALSE)));
       }},
      {DISPID_RegInStr, u"RegInStr", DISPATCH_METHOD, 4, 5,
       [](CTesselDLL&, CallArgs& args) {
         std::int32_t length = args[3].toI4().value_or(0);
         const std::int32_t at = regInStr(args.i4(0), args.string(1), args.string(2), length, ignoreCaseArgument(args[4]));
         if (at >= 0 && args[3].isByRef()) args[3].assignThrough(Variant::i4(length));
         return Variant::i4(at);
       }},
      {DISPID_StrChrl, u"StrChrl", DISPATCH_METHOD, 2, 2,
       [](CTesselDLL& self, CallArgs& args) {
         const WString inStr = args.string(0);
         ArrayHandle copy;
         return Variant::boolean(strChrl(inStr, arrayArgument(args[1], copy), self.state.numFlds));
       }},
      {DISPID_RegReplaceStr, u"RegReplaceStr", DISPATCH_METHOD, 3, 5,
       [](CTesselDLL&, CallArgs& args) {
         return Variant::i4(regReplaceStr(*args.stringTarget(0), args.string(1), args.string(2),
                                          ignoreCaseArgument(args[3]), globalFlagArgument(args[4])));
       }},
      {DISPID_RegNumMatches, u"RegNumMatches", DISPATCH_METHOD, 2, 3,
       [](CTesselDLL&, CallArgs& args) {
         return Variant::i4(regNumMatches(args.string(0), args.string(1), ignoreCaseArgument(args[2])));
       }},
      {DISPID_NumMatches, u"NumMatches", DISPATCH_METHOD, 2, 3,
       [](CTesselDLL&, CallArgs& args) {
         return Variant::i4(numMatches(args.string(0), args.string(1), ignoreCaseArgument(args[2])));
       }},
      {DISPID_DeleteStr, u"DeleteStr", DISPATCH_METHOD, 2, 4,
       [](CTesselDLL&, CallArgs& args) {
         return Variant::i4(deleteStr(*args.stringTarget(0), args.string(1), ignoreCaseArgument(args[2]),
                                      globalFlagArgument(args[3])));
       }},
      {DISPID_RegDeleteStr, u"RegDeleteStr", DISPATCH_METHOD, 2, 4,
       [](CTesselDLL&, CallArgs& args) {
         return Variant::i4(regDeleteStr(*args.stringTarget(0), args.string(1), ignoreCaseArgument(args[2]),
                                         globalFlagArgument(args[3])));
       }},
      {DISPID_FileFromPath, u"FileFromPath", DISPATCH_METHOD, 1, 2,
       [](CTesselDLL& self, CallArgs& args) {
         return Variant::string(WString(fileFromPath(args.string(0), separators(self, args, 1, kPathSeparator))));
       }},
      {DISPID_PathFromFPath, u"PathFromFPath", DISPATCH_METHOD, 1, 2,
       [](CTesselDLL& self, CallArgs& args) {
         return Variant::string(WString(pathFromFPath(args.string(0), separators(self, args, 1, kPathSeparator))));
       }},
      {DISPID_ParseFile, u"ParseFile", DISPATCH_METHOD, 0, 4, &parseFileMember},
      {DISPID_FilePath, u"FilePath", DISPATCH_METHOD, 3, 4,
       [](CTesselDLL& self, CallArgs& args) {
         return Variant::boolean(filePath(*args.stringTarget(0), *args.stringTarget(1), *args.stringTarget(2),
                                          separators(self, args, 3, kPathSeparator)));
       }},
  };
  return table;
}

}  // namespace tessel
