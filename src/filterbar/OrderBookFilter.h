#pragma once
// The filter bar of an order-book view, one implementation for both variants: a row of filter
// fields above the grid, living in the filter frame (the upper pane of the window's splitter).
#include "host/platform/CheckBox.h"
#include "host/platform/Window.h"
#include "sortfilter/FilterBarMirror.h"
#include "view/ViewVariant.h"

class OrderBookGrid;

class OrderBookFilter : public orv::platform::Window, public FilterBarMirror {
 public:
  static constexpr int kSaveFilterCheckId = 7362;

  explicit OrderBookFilter(ViewVariant variant);
  ~OrderBookFilter() override;

  const VariantDescription& Variant() const { return *m_pVariant; }
  // The dialog template the bar is made from (7350 Pending, 61551 GTD).
  int GetTemplateId() const { return Variant().nFilterDialogResource; }

  // Creates the bar as a visible child of its frame; false when it cannot be created.
  bool Create(orv::platform::Window& frame);

  // The view's grid, handed over by the grid once it is created; every relay of the bar does
  // nothing while it is null.
  OrderBookGrid* GetGrid() const { return m_pGrid; }
  void SetGrid(OrderBookGrid* grid) { m_pGrid = grid; }

  // The "Save Filter" check box: the view keeps its filters across restarts while it is ticked.
  orv::platform::CheckBox& SaveFilterCheckBox() { return m_chkSaveFilter; }
  bool IsSaveFilterChecked() const { return m_chkSaveFilter.GetCheck() == orv::platform::BST_CHECKED; }

  // Puts the fields back to their defaults (the order status field too when withStatus).
  void ResetFilter(bool withStatus);
  // Hides the bar by collapsing the splitter row it sits in; nothing when it is not shown.
  void Close();

  // Mirrors of the column filters (see FilterBarMirror).
  void SetdataOnFilterbar(int /*column*/, const std::string& /*text*/, bool /*bAll*/) override {
    // TODO(filter bar): select the list entry or set the edit text of the column's control.
  }
  void ResetColumnControl(int /*column*/) override {
    // TODO(filter bar): put the column's list or edit back to "All" and enable the edits it governs.
  }
  void SetTimeRange(const orv::platform::OleDateTime& /*from*/, const orv::platform::OleDateTime& /*till*/) override {
    // TODO(filter bar): set the From and Till time pickers.
  }

 protected:
  OrderBookGrid* m_pGrid = nullptr;
  orv::platform::CheckBox m_chkSaveFilter{"Save Filter", kSaveFilterCheckId};

 private:
  const VariantDescription* m_pVariant;
};
