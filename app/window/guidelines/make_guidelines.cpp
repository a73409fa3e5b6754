// Typesets the guidelines document from its HTML source into a Letter-size PDF.
// Usage: make_guidelines <source.html> <output.pdf>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>
#include <QTextStream>
#include <cstdio>

int main(int argc, char* argv[]) {
    // Runs during the build, where there may be no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    if (argc != 3) {
        std::fprintf(stderr, "usage: make_guidelines <source.html> <output.pdf>\n");
        return 2;
    }
    QFile source(QString::fromLocal8Bit(argv[1]));
    if (!source.open(QIODevice::ReadOnly | QIODevice::Text)) {
        std::fprintf(stderr, "make_guidelines: cannot read %s\n", argv[1]);
        return 1;
    }
    const QString html = QString::fromUtf8(source.readAll());

    const QString outputPath = QString::fromLocal8Bit(argv[2]);
    QPdfWriter writer(outputPath);
    writer.setTitle(QStringLiteral("Tavrel Dowel Design Guidelines"));
    writer.setCreator(QStringLiteral("Tavrel"));
    writer.setResolution(300);
    // Printing adds its own 2 cm margin and the page numbers, so the page itself has none.
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                                     QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));

    QTextDocument document;
    QFont font(QStringLiteral("Liberation Serif"));
    font.setPointSizeF(10.5);
    document.setDefaultFont(font);
    document.setHtml(html);
    document.print(&writer);

    if (QFile(outputPath).size() == 0) {
        std::fprintf(stderr, "make_guidelines: nothing written to %s\n", argv[2]);
        return 1;
    }
    return 0;
}
