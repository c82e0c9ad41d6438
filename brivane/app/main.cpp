#include "app/CConverterApp.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Brivane"));
    CConverterApp app;
    return app.Run();
}
