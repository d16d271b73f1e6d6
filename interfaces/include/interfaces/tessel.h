#pragma once
// The published interface of the string library TesselDLL: identities, dispatch ids, the event
// interface and the enumerations. Clients call CTesselDLL late-bound by these dispatch ids.
#include <cstdint>

#include "automation/dispatch.h"

namespace tessel {

inline constexpr automation::Guid CLSID_CTesselDLL = automation::Guid::fromString("{494D1179-9AE9-11D1-ADB8-00A024122F93}");
inline constexpr const char* PROGID_CTesselDLL = "CTesselDLL.CTesselDLL";
inline constexpr automation::Guid LIBID_TesselDLL = automation::Guid::fromString("{494D1168-9AE9-11D1-ADB8-00A024122F93}");

// The dispatch interface of CTesselDLL; its members are reached by the dispatch ids below.
struct ITesselDLL : automation::IDispatch {
  static constexpr automation::Guid IID = automation::Guid::fromString("{494D1178-9AE9-11D1-ADB8-00A024122F93}");

 protected:
  ~ITesselDLL() = default;
};

// The event interface a sink offers (or plain IDispatch): ParseEvent(RecNo long, Tokl variant,
// Completed boolean, Cancel boolean by ref).
struct IEventNotifySink : automation::IDispatch {
  static constexpr automation::Guid IID = automation::Guid::fromString("{8247DAA0-0A0F-11D2-AF86-EB555B1380DD}");

 protected:
  ~IEventNotifySink() = default;
};

inline constexpr automation::DispId DISPID_ParseEvent = 1;

enum TesselCompare : std::int32_t {
  TesselBinaryCompare = 0,  // Do a Binary Compare (Case Sensitive)
  TesselTextCompare = 1,    // Case-Insensitive Compare
};

enum TesselErrs : std::int32_t {
  IDS_ERR_BYREF = 2001,
  IDS_ERR_WRONGDIM = 2002,
  IDS_ERR_DYNAMIC = 2003,
  IDS_ERR_HEAPALLOC = 2004,
  IDP_UNABLE_TO_CREATE_INPROC = 2005,
  IDS_ERR_STRTOKL = 2006,
  IDS_ERR_PARSEFILE = 2007,
  IDS_ERR_RANGE = 2008,
  IDS_ERR_ARGUMENT_EMPTY = 2009,
  IDS_ERR_STRCHRL = 2010,
  IDS_ERR_STRTYPEMISMATCH = 2011,
  IDS_ERR_INTTYPEMISMATCH = 2012,
  IDS_ERR_TYPEMISMATCH = 2013,
  IDS_ERR_PARAMTYPE = 2014,
};

// Dispatch ids of CTesselDLL. 1 to 7 are properties, the rest methods.
enum TesselDispId : automation::DispId {
  DISPID_Separators = 1,
  DISPID_NumRecs = 2,
  DISPID_NumFlds = 3,
  DISPID_RecordSeps = 4,
  DISPID_TrimRest = 5,
  DISPID_Cancel = 6,
  DISPID_FileName = 7,
  DISPID_FileExt = 8,
  DISPID_InStrR = 9,
  DISPID_ReplaceStr = 10,
  DISPID_InsertStr = 11,
  DISPID_ReplaceAt = 12,
  DISPID_DeleteAt = 13,
  DISPID_GetFieldCount = 14,
  DISPID_GetDelimField = 15,
  DISPID_GetField = 16,
  DISPID_StrTokl = 17,
  DISPID_FrontToken = 18,
  DISPID_FrontTokenEx = 19,
  DISPID_RegInStr = 20,
  DISPID_StrChrl = 21,
  DISPID_RegReplaceStr = 22,
  DISPID_RegNumMatches = 23,
  DISPID_NumMatches = 24,
  DISPID_DeleteStr = 25,
  DISPID_RegDeleteStr = 26,
  DISPID_FileFromPath = 27,
  DISPID_PathFromFPath = 28,
  DISPID_ParseFile = 29,
  DISPID_FilePath = 30,
};

}  // namespace tessel
