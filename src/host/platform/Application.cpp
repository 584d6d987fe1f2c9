#include "host/platform/Application.h"
#include "host/platform/ExtensionModules.h"

#include "host/platform/Window.h"

namespace orv::platform {

namespace {
thread_local Application* t_current = nullptr;
}  // namespace

Application::Application() : m_mainWindow(*this) { AttachExtensionModules(m_resources); }

Application::~Application() {
  DetachRegistry(m_resources);
  for (Window* w : m_windows) w->DetachFromApplication();
  m_windows.clear();
  if (t_current == this) t_current = nullptr;
}

Application* Application::Current() { return t_current; }

void Application::ForgetWindow(const Window* w) {
  if (m_focus == w) m_focus = nullptr;
}

ApplicationScope::ApplicationScope(Application& app) : m_previous(t_current) { t_current = &app; }

ApplicationScope::~ApplicationScope() { t_current = m_previous; }

}  // namespace orv::platform
