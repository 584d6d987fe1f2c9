#pragma once
// Lookups the record cache answers for the views: product-type texts, investor client names and
// client participant ids. The host fills the maps; every call is safe from any thread.
//
// Product types start with the table 1 "NRML", 2 "MIS", 3 "CNC", 4 "MTF" (carry-forward,
// intraday, delivery, margin trading); SetProductType adds or overrides a code, and
// ResetProductTypes brings the defaults back.
#include <cstddef>
#include <string>
#include <string_view>

class RCGlobal final {
 public:
  // Writes the code's text into out (cut to size - 1 bytes, always terminated); an unknown code
  // writes an empty text. True when the code is known.
  static bool LookupProductType(short code, char* out, std::size_t size);
  // The code's text, empty when unknown; also written into out like LookupProductType when out
  // is given.
  static std::string LookupProductTypeInMap(short code, char* out = nullptr, std::size_t size = 0);
  static void SetProductType(short code, std::string_view text);
  static void ResetProductTypes();

  // The investor's name as seen by that dealer; a name filed without a dealer serves every dealer.
  // Empty when unknown.
  static std::string GetInvestorClientName(std::string_view client, std::string_view dealerId = {});
  static void SetInvestorClientName(std::string_view client, std::string_view name, std::string_view dealerId = {});
  // Files the names held in the client-mapper table (its cInvestorName column); the number filed.
  static long LoadInvestorClientNames();

  // A client's participant id on one exchange and segment ("NSE", "E", client); empty when unknown.
  static std::string GetClientParticipantID(std::string_view exchange, std::string_view segment,
                                            std::string_view client);
  static void SetClientParticipantID(std::string_view exchange, std::string_view segment, std::string_view client,
                                     std::string_view participantId);

  // Empties the names and participant ids and restores the default product types.
  static void Clear();
};
