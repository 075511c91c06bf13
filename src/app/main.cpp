// oskava-data-viewer: the desktop program.
#include <QApplication>
#include <QFile>
#include <string>
#include <vector>

#include "app/DatApp.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    // Qt has taken its own options out; the program's name goes too.
    QStringList given = QApplication::arguments();
    given.removeFirst();
    std::vector<std::string> arguments;
    for (const QString& argument : given) {
        arguments.push_back(QFile::encodeName(argument).toStdString());
    }
    oskava::CDatApp app;
    if (const std::optional<int> status = app.InitInstance(arguments)) {
        return *status;
    }
    return QApplication::exec();
}
