#include "ui/qt/FilterBarWidget.h"

#include "filterbar/OrderBookFilter.h"
#include "host/platform/Application.h"
#include "ui/qt/CompletionPopup.h"
#include "ui/qt/GridTableModel.h"
#include "ui/qt/KeyTranslation.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QLabel>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QWheelEvent>
#include <QSignalBlocker>
#include <QTimeEdit>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <string>

namespace orv::ui {

namespace {

namespace pf = orv::platform;
using filterbar::ControlKind;

// The module's texts are 8-bit; what the user types here is plain text.
std::string ToGridText(const QString& text) {
  const QByteArray bytes = text.toLatin1();
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

QString FromText(std::string_view text) { return GridTableModel::FromGridText(text); }

int KindOf(ControlKind kind) { return static_cast<int>(kind); }

}  // namespace

FilterBarWidget::FilterBarWidget(OrderBookFilter& bar, std::function<void()> afterInput, QWidget* parent)
    : QScrollArea(parent), m_bar(bar), m_afterInput(std::move(afterInput)) {
  setObjectName(QStringLiteral("filterBar"));
  setFrameShape(QFrame::NoFrame);
  setWidgetResizable(true);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  m_content = new QWidget(this);
  m_layout = new QGridLayout(m_content);
  m_layout->setContentsMargins(4, 2, 4, 2);
  m_layout->setHorizontalSpacing(6);
  m_layout->setVerticalSpacing(1);
  Build();
  setWidget(m_content);
  // An applied edit is brought into view in the scrolled bar.
  m_bar.SetCustomFocusObserver([this](pf::Control& control) {
    if (const Binding* b = BindingOf(&control)) ensureWidgetVisible(b->widget);
  });
  Sync();
}

FilterBarWidget::~FilterBarWidget() {
  m_bar.SetCustomFocusObserver({});
  for (auto& [id, popup] : m_popups) {
    if (auto* edit = m_bar.EditOfId(id)) edit->SetOnListChanged({});
    delete popup;
  }
}

CompletionPopup* FilterBarWidget::PopupOf(int controlId) const {
  const auto it = m_popups.find(controlId);
  return it == m_popups.end() ? nullptr : it->second;
}

void FilterBarWidget::FollowPopups() {
  for (auto& [id, popup] : m_popups) popup->Follow();
}

bool FilterBarWidget::KeyPressed(const Binding& binding, const QKeyEvent& event) {
  const int vk = VirtualKeyOf(event.key(), event.modifiers());
  if (vk == 0) return false;
  const bool ctrl = event.modifiers().testFlag(Qt::ControlModifier);
  const bool shift = event.modifiers().testFlag(Qt::ShiftModifier);
  CustomAutoCompleteEdit* edit = m_bar.EditOfId(binding.id);
  // An open list takes the arrow keys, Enter and Escape, as the host's drop-down does.
  if (edit && edit->IsDroppedDown()) {
    CompletionPopup* popup = PopupOf(binding.id);
    if (vk == pf::VK_UP || vk == pf::VK_DOWN) return popup && popup->Step(vk == pf::VK_DOWN ? 1 : -1);
    if (vk == pf::VK_RETURN) {
      if (edit->GetSelItem() >= 0) edit->PickEntry(edit->GetSelItem());
      else edit->CloseList();
      AfterInput();
      return true;
    }
    if (vk == pf::VK_ESCAPE) {
      edit->CloseList();
      AfterInput();
      return true;
    }
  }
  FocusModel(binding);
  if (m_bar.HasApp()) {
    pf::KeyState& keys = m_bar.App().Keys();
    keys.SetShift(shift);
    keys.SetCtrl(ctrl);
    keys.SetAlt(event.modifiers().testFlag(Qt::AltModifier));
  }
  pf::MSG msg{&m_bar, pf::WM_KEYDOWN, static_cast<pf::WPARAM>(vk), 0};
  bool consumed = m_bar.PreTranslateMessage(&msg);
  // The edits pass their key-downs on to the bar.
  if (!consumed && edit) m_bar.OnKeyDown(static_cast<unsigned>(vk), 1, 0);
  if (m_bar.HasApp()) m_bar.App().Keys().ReleaseAll();
  if (consumed || (edit && (vk == pf::VK_END || vk == pf::VK_DOWN))) AfterInput();
  return consumed;
}

void FilterBarWidget::contextMenuEvent(QContextMenuEvent* event) {
  if (m_beforeMenu) m_beforeMenu(event->globalPos());
  m_bar.OnContextMenu(&m_bar, event->globalPos().x(), event->globalPos().y());
  AfterInput();
  event->accept();
}

void FilterBarWidget::wheelEvent(QWheelEvent* event) {
  // The wheel scrolls the bar sideways, a tenth of what does not fit per notch; with Shift or
  // Ctrl held the bar leaves it alone.
  if (event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier)) {
    event->ignore();
    return;
  }
  QScrollBar* bar = horizontalScrollBar();
  const int range = bar->maximum() - bar->minimum();
  const int line = std::max(range / 10, 1);
  const int notches = std::max(std::abs(event->angleDelta().y()) / 120, 1);
  const int direction = event->angleDelta().y() < 0 ? 1 : -1;
  bar->setValue(bar->value() + direction * notches * line);
  event->accept();
}

void FilterBarWidget::Build() {
  int column = 0;
  QLabel* pendingLabel = nullptr;
  auto* boxes = new QVBoxLayout();
  boxes->setSpacing(0);
  for (const OrderBookFilter::TemplateControl& entry : m_bar.TemplateControls()) {
    const filterbar::ControlSpec& spec = *entry.spec;
    if (spec.kind == ControlKind::Label) {
      pendingLabel = new QLabel(FromText(spec.text), m_content);
      m_layout->addWidget(pendingLabel, 0, column);
      continue;
    }
    // The hidden Refresh button and the expiry scratch list have no place on the screen.
    if (!spec.visible) continue;
    Binding binding{spec.id, KindOf(spec.kind), entry.control, nullptr};
    binding.widget = MakeWidget(binding);
    binding.widget->setObjectName(FromText(spec.member.empty() ? std::string_view("control") : spec.member));
    binding.widget->installEventFilter(this);
    if (spec.kind == ControlKind::CheckBox) {
      boxes->addWidget(binding.widget);
    } else if (spec.kind == ControlKind::Button) {
      m_layout->addLayout(boxes, 0, column++, 2, 1);
      m_layout->addWidget(binding.widget, 1, column++);
    } else {
      m_layout->addWidget(binding.widget, 1, column++);
      if (pendingLabel) pendingLabel->setBuddy(binding.widget);
    }
    pendingLabel = nullptr;
    m_bindings.push_back(binding);
  }
  m_layout->setColumnStretch(column, 1);
}

QWidget* FilterBarWidget::MakeWidget(const Binding& binding) {
  switch (static_cast<ControlKind>(binding.kind)) {
    case ControlKind::List: {
      auto* combo = new QComboBox(m_content);
      combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
      connect(combo, &QComboBox::activated, this, [this, binding](int index) {
        FocusModel(binding);
        static_cast<pf::ComboBox*>(binding.control)->UserSelect(index);
        AfterInput();
      });
      return combo;
    }
    case ControlKind::Edit: {
      auto* edit = new QLineEdit(m_content);
      auto* model = static_cast<pf::Edit*>(binding.control);
      edit->setMaxLength(model->GetLimitText());
      edit->setMinimumWidth(binding.id == 7355 ? 96 : 72);
      auto* popup = new CompletionPopup(*static_cast<CustomAutoCompleteEdit*>(binding.control), *edit,
                                        [this] { AfterInput(); });
      m_popups[binding.id] = popup;
      static_cast<CustomAutoCompleteEdit*>(binding.control)->SetOnListChanged([popup] { popup->Follow(); });
      connect(edit, &QLineEdit::textEdited, this, [this, binding, model](const QString& text) {
        FocusModel(binding);
        model->SetSel(0, -1);
        if (text.isEmpty()) model->ReplaceSel("");
        else model->UserType(ToGridText(text));
        AfterInput();
      });
      return edit;
    }
    case ControlKind::TimePicker: {
      auto* time = new QTimeEdit(m_content);
      time->setDisplayFormat(QStringLiteral("HH:mm:ss"));
      time->setAlignment(Qt::AlignRight);
      auto* model = static_cast<pf::TimePicker*>(binding.control);
      connect(time, &QTimeEdit::timeChanged, this, [this, binding, model](const QTime& t) {
        if (m_syncing) return;
        FocusModel(binding);
        const pf::OleDateTime shown = model->GetTime();
        model->UserSetTime(pf::OleDateTime(shown.GetYear(), shown.GetMonth(), shown.GetDay(), t.hour(), t.minute(),
                                           t.second()));
        AfterInput();
      });
      return time;
    }
    case ControlKind::CheckBox: {
      auto* box = new QCheckBox(FromText(static_cast<pf::CheckBox*>(binding.control)->GetWindowText()), m_content);
      connect(box, &QCheckBox::clicked, this, [this, binding](bool) {
        FocusModel(binding);
        static_cast<pf::CheckBox*>(binding.control)->Click();
        AfterInput();
      });
      return box;
    }
    case ControlKind::Button:
    default: {
      auto* button = new QPushButton(FromText(static_cast<pf::Button*>(binding.control)->GetWindowText()), m_content);
      connect(button, &QPushButton::clicked, this, [this, binding] {
        FocusModel(binding);
        static_cast<pf::Button*>(binding.control)->Click();
        AfterInput();
      });
      return button;
    }
  }
}

const FilterBarWidget::Binding* FilterBarWidget::BindingOf(const QObject* widget) const {
  for (const Binding& b : m_bindings)
    if (b.widget == widget) return &b;
  return nullptr;
}

const FilterBarWidget::Binding* FilterBarWidget::BindingOf(const pf::Control* control) const {
  for (const Binding& b : m_bindings)
    if (b.control == control) return &b;
  return nullptr;
}

QWidget* FilterBarWidget::WidgetOf(int controlId) const {
  for (const Binding& b : m_bindings)
    if (b.id == controlId) return b.widget;
  return nullptr;
}

int FilterBarWidget::NeededHeight() const {
  return m_content->sizeHint().height() + horizontalScrollBar()->sizeHint().height() + 2;
}

void FilterBarWidget::FocusModel(const Binding& binding) {
  if (!binding.control->HasFocus()) m_bar.GotoDlgCtrl(binding.control);
}

void FilterBarWidget::AfterInput() {
  Sync();
  if (m_afterInput) m_afterInput();
}

bool FilterBarWidget::HoldsFocus() const {
  const QWidget* focus = QApplication::focusWidget();
  for (const Binding& b : m_bindings)
    if (focus && (focus == b.widget || b.widget->isAncestorOf(focus))) return true;
  return false;
}

bool FilterBarWidget::eventFilter(QObject* watched, QEvent* event) {
  if (!m_syncing && event->type() == QEvent::KeyPress) {
    if (const Binding* binding = BindingOf(watched); binding && KeyPressed(*binding, *static_cast<QKeyEvent*>(event)))
      return true;
    return QScrollArea::eventFilter(watched, event);
  }
  if (m_syncing || (event->type() != QEvent::FocusIn && event->type() != QEvent::FocusOut))
    return QScrollArea::eventFilter(watched, event);
  const Binding* binding = BindingOf(watched);
  if (binding == nullptr) return QScrollArea::eventFilter(watched, event);
  const auto reason = static_cast<QFocusEvent*>(event)->reason();
  if (event->type() == QEvent::FocusIn) {
    if (!binding->control->HasFocus()) {
      FocusModel(*binding);
      AfterInput();
    }
  } else if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) {
    // Leaving for another control of the bar is that control's focus-in; leaving the bar for a
    // place the module does not know of (another window, a menu) leaves the control too.
    QTimer::singleShot(0, this, [this] {
      if (HoldsFocus() || m_bar.GetFocusControl() == nullptr) return;
      m_bar.KillControlFocus();
      AfterInput();
    });
  }
  return QScrollArea::eventFilter(watched, event);
}

void FilterBarWidget::SyncOne(const Binding& b) {
  QWidget* w = b.widget;
  const bool enabled = b.control->IsWindowEnabled();
  if (w->isEnabled() != enabled) w->setEnabled(enabled);
  const QSignalBlocker blocker(w);
  switch (static_cast<ControlKind>(b.kind)) {
    case ControlKind::List: {
      auto* combo = static_cast<QComboBox*>(w);
      const auto& model = *static_cast<const pf::ComboBox*>(b.control);
      // Synced after every delivery of the loop: the items are compared only when they changed.
      if (b.shownListRevision != model.ListRevision()) {
        bool same = combo->count() == model.GetCount();
        for (int i = 0; same && i < model.GetCount(); ++i) same = combo->itemText(i) == FromText(model.GetLBText(i));
        if (!same) {
          combo->clear();
          for (int i = 0; i < model.GetCount(); ++i) combo->addItem(FromText(model.GetLBText(i)));
        }
        b.shownListRevision = model.ListRevision();
      }
      if (combo->currentIndex() != model.GetCurSel()) combo->setCurrentIndex(model.GetCurSel());
      break;
    }
    case ControlKind::Edit: {
      auto* edit = static_cast<QLineEdit*>(w);
      const QString text = FromText(static_cast<const pf::Edit*>(b.control)->GetWindowText());
      if (edit->text() != text) {
        const int cursor = edit->cursorPosition();
        edit->setText(text);
        edit->setCursorPosition(std::min(cursor, static_cast<int>(text.size())));
      }
      break;
    }
    case ControlKind::TimePicker: {
      auto* time = static_cast<QTimeEdit*>(w);
      const pf::OleDateTime t = static_cast<const pf::TimePicker*>(b.control)->GetTime();
      const QTime shown(t.GetHour(), t.GetMinute(), t.GetSecond());
      if (t.IsValid() && time->time() != shown) time->setTime(shown);
      break;
    }
    case ControlKind::CheckBox: {
      auto* box = static_cast<QCheckBox*>(w);
      const bool checked = static_cast<const pf::CheckBox*>(b.control)->GetCheck() == pf::BST_CHECKED;
      if (box->isChecked() != checked) box->setChecked(checked);
      break;
    }
    default:
      break;
  }
}

void FilterBarWidget::Sync() {
  if (m_syncing) return;
  m_syncing = true;
  for (const Binding& b : m_bindings) SyncOne(b);
  // The focus the bar gave a control (Tab from the grid, the filter bar command) shows on screen.
  if (const Binding* focused = BindingOf(m_bar.GetFocusControl());
      focused && isVisible() && focused->widget->isEnabled() && !focused->widget->hasFocus())
    focused->widget->setFocus(Qt::OtherFocusReason);
  // A hidden bar shows no list.
  if (isVisible()) FollowPopups();
  else
    for (auto& [id, popup] : m_popups) popup->hide();
  m_syncing = false;
}

}  // namespace orv::ui
