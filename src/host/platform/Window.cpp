#include "host/platform/Window.h"

#include "host/platform/Application.h"
#include "host/platform/MessageBoxService.h"

#include <algorithm>
#include <stdexcept>

namespace orv::platform {

Window::Window() : m_app(Application::Current()) {
  if (m_app != nullptr) m_app->AttachWindow(this);
}

Window::Window(Application& app) : m_app(&app) { m_app->AttachWindow(this); }

Window::~Window() {
  DestroyNative();
  // Children that outlive this object (destroyed natively above) must not point back at it.
  for (Window* child : m_children) child->m_parent = nullptr;
  if (m_app != nullptr) {
    m_app->Loop().forget(this);
    m_app->ForgetWindow(this);
    m_app->DetachWindow(this);
  }
}

bool Window::CreateNative(Window* parent) {
  if (m_created || parent == this) return false;
  if (parent != nullptr && !parent->m_created) return false;
  m_created = true;
  m_visible = false;
  m_parent = parent;
  if (m_parent != nullptr) m_parent->m_children.push_back(this);
  return true;
}

void Window::DestroyNative() {
  if (!m_created) return;
  // A child's destruction unlinks it from m_children, so walk a copy.
  const std::vector<Window*> children = m_children;
  for (Window* child : children) child->DestroyNative();
  m_created = false;
  m_visible = false;
  if (m_parent != nullptr) m_parent->RemoveChild(this);
  m_parent = nullptr;
  if (m_app != nullptr) {
    m_app->Loop().forget(this);
    m_app->ForgetWindow(this);
  }
}

void Window::RemoveChild(const Window* child) { std::erase(m_children, child); }

void Window::ShowWindow(bool show) {
  if (!m_created || m_visible == show) return;
  m_visible = show;
  OnShowChanged(show);
}

bool Window::HasFocus() const { return m_app != nullptr && m_app->FocusWindow() == this; }

void Window::SetFocus() {
  if (m_app == nullptr || !m_created) return;
  Window* previous = m_app->FocusWindow();
  if (previous == this) return;
  m_app->SetFocusWindow(this);
  if (previous != nullptr) previous->OnKillFocus();
}

UINT_PTR Window::SetTimer(UINT_PTR id, unsigned elapseMs) {
  if (m_app == nullptr || !m_created || id == 0) return 0;
  m_app->Loop().setTimer(this, id, elapseMs);
  return id;
}

bool Window::KillTimer(UINT_PTR id) {
  if (m_app == nullptr || !m_created) return false;
  return m_app->Loop().killTimer(this, id);
}

bool Window::PostMessage(unsigned msg, WPARAM wParam, LPARAM lParam) {
  if (m_app == nullptr || !m_created) return false;
  m_app->Loop().postMessage(this, msg, wParam, lParam);
  return true;
}

Application& Window::App() const {
  if (m_app == nullptr) throw std::logic_error("window has no Application");
  return *m_app;
}

int Window::MessageBox(std::string text, std::string caption, unsigned flags) const {
  if (HasApp()) return App().MessageBoxes().Show(std::move(text), std::move(caption), flags);
  return AfxMessageBox(std::move(text), flags, std::move(caption));
}

}  // namespace orv::platform
