// Writes an image without its alpha channel: norvik_skin_flatten <in.png> <out.png>.
#include <QImage>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <in.png> <out.png>\n", argv[0]);
        return 2;
    }
    const QImage in(QString::fromLocal8Bit(argv[1]));
    if (in.isNull()) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    if (!in.convertToFormat(QImage::Format_RGB888).save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
