#include "ui/lexikon.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vokabo"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/SK128.png")));
    Lexikon();
    return app.exec();
}
