#include <QApplication>
#include <QStyleFactory>

#include "window/frm_main.h"
#include "window/window_fonts.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // One look on every desktop, so the fixed layout holds.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setFont(tavrel::fonts::standard());
    tavrel::frmMain window;
    window.show();
    return app.exec();
}
