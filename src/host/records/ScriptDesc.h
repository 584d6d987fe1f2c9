#pragma once
// Contract master entry, owned by the host's contract master and shared by every order on the
// contract.
#include <cstdint>

namespace OrvCore::OrvIntPackets {

struct ScriptDesc {
  std::int32_t lToken = 0;
  char cExchangeName[12] = {};  // "NSE", "BSE", "MCX", ...
  std::int16_t nSegment = 0;    // 6 together with "BSE" blanks AlgoID
  char Code[16] = {};
  char Symbol_ScriptID[32] = {};
  char Mkt_Seg[8] = {};         // "E", "F", "O", "SLBM", ...
  char Inst_Name[12] = {};      // "EQ", "FUTIDX", "OPTSTK", ...
  char cExpiry[16] = {};
  char cSeries[8] = {};
  char cStrike[16] = {};
  char cOptionType[4] = {};
  char cScripName[48] = {};
  std::int32_t lLotSize = 1;
  char cPriceFormat[12] = {};   // handed unchanged to GlobalFunctions::DoubleToString
  double dMultiplier = 1.0;     // turns price x quantity into money
  std::int32_t iPrecision = 2;  // decimals of the contract's prices
};

}  // namespace OrvCore::OrvIntPackets

using OrvCore::OrvIntPackets::ScriptDesc;
