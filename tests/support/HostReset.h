#pragma once
// Puts every host global back to a fresh terminal, so tests cannot leak state into each other.
#include "host/AppGlobal.h"
#include "host/AppIOB.h"
#include "host/AppOrderBook.h"
#include "host/GeneralXmlSettings.h"
#include "host/EntryPointRegistry.h"
#include "host/GlobalFunctions.h"
#include "host/HostLibraries.h"
#include "host/HostWindowRegistry.h"

inline void ResetHostForTest() {
  AppGlobal::ResetForTests();
  AppOrderBook::Clear();
  for (BookKind kind : {BookKind::Pending, BookKind::GTD}) AppOrderBook::SetChangeJournal(kind, false);
  AppIOB::Clear();
  regGeneralXMLSettings.ResetToDefaults();
  GlobalFunctions::ResetForTests();
  OrvInMemory::m_orvWindowPassingQueue.Clear();
  EntryPointRegistry::Instance().RemoveLibrary(kTradeBridgeLibrary);
  EntryPointRegistry::Instance().RemoveLibrary(kCommonIncludeLibrary);
  HostLibraries::RegisterDefaults();
  HostLibraries::ResetPendingOrderFlag();
}
