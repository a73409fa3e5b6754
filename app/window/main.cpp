#include <QApplication>
#include <QStyleFactory>

#include "window/main_window.h"
#include "window/window_fonts.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // One look on every desktop, so the fixed layout holds.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setFont(tavrel::fonts::standard());
    tavrel::MainWindow window;
    window.show();
    return app.exec();
}
