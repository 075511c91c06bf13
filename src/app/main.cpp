// oskava-data-viewer: the desktop program.
#include <QApplication>
#include <string>
#include <vector>

#include "app/DatApp.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    // Qt has taken its own options out of argv.
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    oskava::CDatApp app;
    if (const std::optional<int> status = app.InitInstance(arguments)) {
        return *status;
    }
    return QApplication::exec();
}
