#pragma once
// The host's modification window: price, trigger price, quantity and disclosed quantity of the
// first listed order, and the orders the change goes to. OK hands the values to the host.
#include "ui/qt/TerminalHost.h"

#include <QDialog>

#include <functional>

class QDoubleSpinBox;
class QLabel;
class QSpinBox;

namespace orv::ui {

class ModifyOrderDialog final : public QDialog {
  Q_OBJECT
 public:
  using Apply = std::function<void(const ModificationValues&)>;
  // `apply` runs when the user confirms with OK.
  ModifyOrderDialog(QWidget* parent, Apply apply);

  // Fills the fields for a new request (the text lists the orders).
  void Present(const ModificationValues& start, const QString& orders);
  ModificationValues Values() const;

 private:
  Apply m_apply;
  QLabel* m_orders;
  QDoubleSpinBox* m_price;
  QDoubleSpinBox* m_triggerPrice;
  QSpinBox* m_quantity;
  QSpinBox* m_disclosedQuantity;
};

}  // namespace orv::ui
