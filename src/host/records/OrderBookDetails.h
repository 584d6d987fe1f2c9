#pragma once
// One row of the host's order store. The store owns every record; views hold pointers only.
// Text fields are NUL-terminated arrays whose capacities the store fixes; `CopyText` is the one
// way the host fills them, so a long text is cut rather than spilling into the next field.
#include "host/platform/OleDateTime.h"
#include "host/records/OrderEntryPacket.h"
#include "host/records/RecordText.h"
#include "host/records/ScriptDesc.h"

#include <cstdint>
#include <cstring>
#include <string_view>

enum OrderLegType : std::int32_t {
  eNormalLeg = 0,
  eSpreadLeg = 1,  // the row belongs to a spread order (order row and leg rows share RefNo)
};

// Codes chosen so that 1 is "Pending" and 0 and 4 are the two not yet confirmed kinds, which the
// cancel path lets through whatever the market state.
enum OrderStatusIdentifier : std::int32_t {
  eUnConfirmed = 0,
  ePending = 1,
  eCancelled = 2,
  eRejected = 3,
  eAMOUnconfirmed = 4,
  eCompleted = 5,
};

struct TimeTextPair {
  char c12Hr[24] = {};  // "hh:mm:ss AM"
  char c24Hr[24] = {};  // "HH:mm:ss"
};

struct OrderBookDetails {
  ORVEL_ORDER_ENTRY objOrderEntry;  // must stay first: cancellation copies it as sent

  // The fields every refresh and the common filters read sit together right after the packet,
  // so a pass over a million records touches two cache lines per record.
  OrderLegType eOrderLeg = eNormalLeg;
  OrderStatusIdentifier eOrderStatus = ePending;
  ScriptDesc* pContract = nullptr;
  std::uint32_t RefNo = 0;
  std::int32_t lOurToken = 0;
  std::int32_t iOrvelCode = 0;
  char Order_Type[4] = {};
  char B_S[5] = {};
  char Order_Status[32] = {};
  char OrvelClientId[16] = {};
  char MemberID[12] = {};
  char TraderID[12] = {};
  std::int32_t Pending_Qty = 0;
  double Price = 0.0;
  std::int32_t Total_Qty = 0;
  char Pro_Client[4] = {};
  char Client[16] = {};
  char Client_Name[40] = {};
  char ParticipantID[16] = {};
  char Misc[24] = {};
  char ExchOrder_No[24] = {};
  char Status[24] = {};
  std::int32_t Disclose_Qty = 0;
  char Settlor[16] = {};
  char Validity[8] = {};
  char TillDays_Dates[16] = {};
  char MF_AON[8] = {};
  std::int32_t MF_Qty = 0;
  double Trig_Price = 0.0;
  char CP_Brok_ID[12] = {};
  char Auc_No[8] = {};
  TimeTextPair Last_Modified;
  std::int32_t Traded_Qty = 0;
  double Avg_Price = 0.0;
  std::int32_t Reason = 0;
  char Remarks[32] = {};
  char Part_Type[8] = {};
  char Prod_Type[12] = {};
  std::int16_t iProductTypeCode = 0;
  TimeTextPair Server_Entry_Time;
  char AMO_OrderID[24] = {};
  char Order_Style[12] = {};
  char Strategy[24] = {};
  std::int16_t ReqID = 0;
  char OrderNo[24] = {};
  char COL_Order[2] = {};
  char Exch_ClientId[16] = {};
  char Record_Type[8] = {};
  double Asset_Price = 0.0;
  std::int32_t IOM_RuleNo = 0;
  char Pan_Number[12] = {};
  std::int32_t Disclose_Lot = 0;
  char Error_Discriptions[128] = {};
  double Target_Price = 0.0;
  double SL_Price = 0.0;
  double BR_TrigPrice = 0.0;
  char TransType[3] = {};
  char AlgoID[16] = {};
  char Variant[12] = {};
  std::int64_t NNFID = 0;
  orv::platform::OleDateTime dtServerEntryTime;

  // Read only by cancellation and the totals.
  double dOrderNumber = 0.0;       // exchange order number
  std::int16_t nNoOfLegs = 0;      // legs of a spread order

  // GTD book only.
  std::uint64_t GTDOrderNo = 0;
  std::uint32_t LastTradedQty = 0;
  char GTDOrderStatus[24] = {};
  orv::platform::OleDateTime dtOrderInitiateTime;
  TimeTextPair Order_Initiate_Time;

  // Kept by the store while its change journal is on: the record's index in the displayed
  // vector, so that a view can place a changed record without searching for it.
  std::uint32_t nDisplayedIndex = kNotDisplayed;
  static constexpr std::uint32_t kNotDisplayed = 0xFFFFFFFFu;

  bool IsLegRow() const { return std::strstr(Order_Status, "Leg") != nullptr; }
};


