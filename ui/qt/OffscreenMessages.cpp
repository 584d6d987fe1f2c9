#include "ui/qt/OffscreenMessages.h"

#include <QString>
#include <QtGlobal>

namespace orv::ui {

namespace {

QtMessageHandler g_previous = nullptr;

void Filter(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type == QtWarningMsg && (message.startsWith(QLatin1String("This plugin does not support")) ||
                               message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set"))))
    return;
  if (g_previous) g_previous(type, context, message);
}

}  // namespace

void QuietOffscreenWarnings() {
  QtMessageHandler previous = qInstallMessageHandler(Filter);
  if (previous != Filter) g_previous = previous;
}

}  // namespace orv::ui
