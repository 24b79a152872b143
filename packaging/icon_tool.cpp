// Draws the application's icon, the start menu's picture, as PNG files of
// the sizes the desktop menus use, for the installation:
//   icon_tool PICTURE.svg OUTPUT_FOLDER SIZE...
// writes OUTPUT_FOLDER/<SIZE>x<SIZE>/corvelo.png for each SIZE.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: icon_tool PICTURE.svg OUTPUT_FOLDER SIZE...\n");
        return 2;
    }
    // No screen is needed to draw into an image.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QSvgRenderer picture(QString::fromLocal8Bit(argv[1]));
    if (!picture.isValid()) {
        std::fprintf(stderr, "icon_tool: cannot read %s\n", argv[1]);
        return 1;
    }
    const QDir out(QString::fromLocal8Bit(argv[2]));
    for (int i = 3; i < argc; ++i) {
        const int size = QString::fromLatin1(argv[i]).toInt();
        if (size <= 0) {
            std::fprintf(stderr, "icon_tool: not a size: %s\n", argv[i]);
            return 2;
        }
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        picture.render(&painter, QRectF(0, 0, size, size));
        painter.end();
        const QString folder = QStringLiteral("%1x%1").arg(size);
        if (!out.mkpath(folder) ||
            !image.save(out.filePath(folder + QStringLiteral("/corvelo.png")), "PNG")) {
            std::fprintf(stderr, "icon_tool: cannot write the %dx%d icon\n", size, size);
            return 1;
        }
    }
    return 0;
}
