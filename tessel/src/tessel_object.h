#pragma once
// CTesselDLL: the library's one creatable class. Its state is plain fields; its members are
// reached through the dispatch table (dispatch_table.cpp), and it fires ParseEvent to the sinks
// connected to its IEventNotifySink connection point.
#include "automation/connection.h"
#include "automation/dispatch_object.h"
#include "interfaces/tessel.h"

namespace tessel {

struct TesselState {
  std::int32_t numRecs = 0;
  std::int32_t numFlds = 0;
  automation::WString separators{u""};
  automation::WString recordSeps{u""};
  automation::WString fileName{u""};
  automation::VariantBool cancel = automation::VARIANT_FALSE;
  automation::VariantBool trimRest = automation::VARIANT_FALSE;
};

class CTesselDLL final
    : public automation::DispatchObject<CTesselDLL, ITesselDLL, automation::IConnectionPointContainer> {
 public:
  void* castTo(const automation::Guid& iid);

  automation::HRESULT EnumConnectionPoints(void** points) override;
  automation::HRESULT FindConnectionPoint(const automation::Guid& iid, automation::IConnectionPoint** point) override;

  static const automation::DispatchTable<CTesselDLL>& dispatchTable();

  TesselState state;
  automation::ConnectionPoint events{*this, IEventNotifySink::IID};
};

}  // namespace tessel
