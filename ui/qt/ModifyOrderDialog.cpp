#include "ui/qt/ModifyOrderDialog.h"

#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

#include <limits>

namespace orv::ui {

namespace {

QDoubleSpinBox* PriceBox(QWidget* parent, const char* name) {
  auto* box = new QDoubleSpinBox(parent);
  box->setObjectName(QString::fromLatin1(name));
  box->setDecimals(2);
  box->setRange(0.0, 1e9);
  box->setSingleStep(0.05);
  return box;
}

QSpinBox* QuantityBox(QWidget* parent, const char* name) {
  auto* box = new QSpinBox(parent);
  box->setObjectName(QString::fromLatin1(name));
  box->setRange(0, std::numeric_limits<int>::max());
  return box;
}

}  // namespace

ModifyOrderDialog::ModifyOrderDialog(QWidget* parent, Apply apply) : QDialog(parent), m_apply(std::move(apply)) {
  setObjectName(QStringLiteral("modifyOrderDialog"));
  setWindowTitle(QStringLiteral("Modify Order"));
  auto* layout = new QVBoxLayout(this);
  m_orders = new QLabel(this);
  m_orders->setObjectName(QStringLiteral("modifyOrders"));
  layout->addWidget(m_orders);
  auto* form = new QFormLayout;
  m_price = PriceBox(this, "modifyPrice");
  m_triggerPrice = PriceBox(this, "modifyTriggerPrice");
  m_quantity = QuantityBox(this, "modifyQuantity");
  m_disclosedQuantity = QuantityBox(this, "modifyDisclosedQuantity");
  form->addRow(QStringLiteral("&Price"), m_price);
  form->addRow(QStringLiteral("&Trigger price"), m_triggerPrice);
  form->addRow(QStringLiteral("&Quantity"), m_quantity);
  form->addRow(QStringLiteral("&Disclosed quantity"), m_disclosedQuantity);
  layout->addLayout(form);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  layout->addWidget(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(this, &QDialog::accepted, this, [this] {
    if (m_apply) m_apply(Values());
  });
}

void ModifyOrderDialog::Present(const ModificationValues& start, const QString& orders) {
  m_orders->setText(orders);
  m_price->setValue(start.price);
  m_triggerPrice->setValue(start.triggerPrice);
  m_quantity->setValue(start.quantity);
  m_disclosedQuantity->setValue(start.disclosedQuantity);
  m_price->setFocus();
  m_price->selectAll();
}

ModificationValues ModifyOrderDialog::Values() const {
  return {m_price->value(), m_triggerPrice->value(), m_quantity->value(), m_disclosedQuantity->value()};
}

}  // namespace orv::ui
