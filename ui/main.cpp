#include "ui/application.h"
#include "ui/mainwindow.h"
#include "ui/program.h"
#include "ui/terminationsignal.h"
#include "ui/widgets/programicon.h"

#include <QDir>
#include <QFileInfo>

int main(int argc, char** argv) {
    zadrovec::ui::Application app(argc, argv);
    app.setWindowIcon(zadrovec::ui::programIcon());
    // The data files lie beside the program (links resolved).
    const QString folder =
        QFileInfo(QFileInfo(QCoreApplication::applicationFilePath()).canonicalFilePath())
            .absolutePath();
    zadrovec::ui::Program program(folder);
    program.mainWindow().show();
    zadrovec::ui::closeOnTerminationSignal(program.mainWindow());
    return app.exec();
}
