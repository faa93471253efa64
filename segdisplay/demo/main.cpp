// glintar-demo: a small designer for one Glintar display (its property pages, its style library,
// its form saved to and loaded from a file), and a gallery of every mode.
//
//   glintar-demo [form.glintar]          design a display, starting from a saved form
//   glintar-demo --gallery               every mode side by side
//   --screenshot file.png                paint the window once into a PNG and exit
//   --pages-screenshots folder           save each property page as a PNG and exit

#include "segdisplay/demo/DesignerWindow.h"
#include "segdisplay/demo/Gallery.h"

#include <QApplication>
#include <QCommandLineParser>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("glintar-demo"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Design a Glintar display."));
    parser.addHelpOption();
    const QCommandLineOption gallery(QStringLiteral("gallery"),
                                     QStringLiteral("Show every mode side by side."));
    const QCommandLineOption screenshot(QStringLiteral("screenshot"),
                                        QStringLiteral("Save the window to <file> and exit."),
                                        QStringLiteral("file"));
    const QCommandLineOption pages(QStringLiteral("pages-screenshots"),
                                   QStringLiteral("Save each property page into <folder>."),
                                   QStringLiteral("folder"));
    parser.addOptions({gallery, screenshot, pages});
    parser.addPositionalArgument(QStringLiteral("form"), QStringLiteral("A saved display form."));
    parser.process(app);

    std::unique_ptr<QWidget> window;
    if (parser.isSet(gallery)) {
        window = makeGallery();
    } else {
        auto designer = std::make_unique<DesignerWindow>();
        if (!parser.positionalArguments().isEmpty() &&
            !designer->open(parser.positionalArguments().constFirst()))
            return 1;
        if (parser.isSet(pages))
            return designer->savePageScreenshots(parser.value(pages)) ? 0 : 1;
        window = std::move(designer);
    }

    if (parser.isSet(screenshot)) {
        if (parser.isSet(gallery))
            window->adjustSize();
        return window->grab().save(parser.value(screenshot)) ? 0 : 1;
    }
    window->show();
    return QApplication::exec();
}
