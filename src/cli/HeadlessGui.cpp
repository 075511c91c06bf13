#include "cli/HeadlessGui.h"

#include <clocale>
#include <cstdio>

namespace oskava::cli {

namespace {

// Qt's own notices (a missing runtime folder, font fallbacks) would mix with the
// tool's messages on standard error; only the fatal ones, after which Qt aborts, are
// shown.
void IgnoreQtNotices(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "error: %s\n", text.toLocal8Bit().constData());
    }
}

}  // namespace

HeadlessGui::HeadlessGui() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    qInstallMessageHandler(IgnoreQtNotices);
    application_ = std::make_unique<QGuiApplication>(argc_, argv_);
    std::setlocale(LC_NUMERIC, "C");
}

HeadlessGui::~HeadlessGui() = default;

}  // namespace oskava::cli
