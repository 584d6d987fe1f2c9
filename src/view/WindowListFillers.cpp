// List fillers of the view window that the host calls for its own lists.
#include "view/OrderBookWnd.h"

#include "host/platform/ComboBox.h"

void OrderBookWnd::FillProductTypeInCombo(orv::platform::ComboBox* pCombo, const char* pszProductType) {
  try {
    if (pCombo == nullptr || pszProductType == nullptr || *pszProductType == '\0') return;
    // A prefix search, so a type that starts an item already listed is not added.
    if (pCombo->FindString(-1, pszProductType) != orv::platform::CB_ERR) return;
    pCombo->AddString(pszProductType);
  } catch (...) {
    LogException("FillProductTypeInCombo");
  }
}
