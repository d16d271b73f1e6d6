#pragma once
// Plover, the FTP listing parser: identities, the dual interface _CPlover in its published
// member order (after IUnknown's three and IDispatch's four slots), dispatch ids and the event
// interface __CPlover. Conventions as in interfaces/kestrel.h.
#include "interfaces/kestrel.h"

namespace plover {

using automation::Guid;
using automation::HRESULT;
using automation::WString;

// Parses Remote Ftp Directory Listings into Kestrel.
inline constexpr Guid LIBID_Plover = Guid::fromString("{FDEF1911-6B26-11D2-AF86-444553540000}");
inline constexpr Guid CLSID_CPlover = Guid::fromString("{3D247E79-F035-11D2-AF86-DA040730DA02}");
inline constexpr const char* PROGID_CPlover = "Plover.CPlover";
// The event interface: ParseCompleteEvent and ErrorMessage, fired to connected sinks.
inline constexpr Guid IID_CPloverEvents = Guid::fromString("{3D247E7A-F035-11D2-AF86-DA040730DA02}");

// Called once for every listing line so that the client can process its pending events (and
// call Cancel meanwhile). Keep it cheap: a 100 000-line listing calls it 100 000 times.
struct IParseYieldHook : automation::IUnknown {
  static constexpr Guid IID = Guid::fromString("{6B0F3A52-2C41-4E7B-9D16-5A8E0C4F7B21}");
  virtual void OnLine() = 0;

 protected:
  ~IParseYieldHook() = default;
};

struct IPlover : automation::IDispatch {
  static constexpr Guid IID = Guid::fromString("{3D247E78-F035-11D2-AF86-DA040730DA02}");
  virtual HRESULT Cancel() = 0;
  virtual HRESULT putref_Kestrel(kestrel::IKestrel* model) = 0;
  // The reply text; by reference, as the first "total" line of a Unix reply is cut off.
  virtual HRESULT ParseDirList(WString* dirString) = 0;
  // Sets (or with null clears) the once-per-line hook.
  virtual HRESULT putref_YieldHook(IParseYieldHook* hook) = 0;

 protected:
  ~IPlover() = default;
};

enum PloverDispId : automation::DispId {
  DISPID_Plover_Cancel = 1,
  DISPID_Plover_Kestrel = 2,
  DISPID_Plover_ParseDirList = 3,
};

enum PloverEventDispId : automation::DispId {
  // ParseCompleteEvent(bStatus boolean): once at the end of every ParseDirList that does not
  // end in an error passed to the caller.
  DISPID_ParseCompleteEvent = 1,
  // ErrorMessage(Prompt string, Title string): a failure the client should show the user (the
  // library shows no window). Fired before ParseCompleteEvent(False).
  DISPID_ErrorMessage = 2,
};

}  // namespace plover
