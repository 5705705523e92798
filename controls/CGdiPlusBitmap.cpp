#include "controls/CGdiPlusBitmap.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>


CGdiPlusBitmap::~CGdiPlusBitmap() = default;

int CGdiPlusBitmap::Width() const { return m_pBitmap ? m_pBitmap->width() : 0; }
int CGdiPlusBitmap::Height() const { return m_pBitmap ? m_pBitmap->height() : 0; }
QImage CGdiPlusBitmap::Image() const { return m_pBitmap ? *m_pBitmap : QImage(); }

QImage CGdiPlusBitmap::ImageForRatio(qreal devicePixelRatio) const {
    if (devicePixelRatio >= 1.5 && m_pBitmap2x)
        return *m_pBitmap2x;
    return Image();
}

CGdiPlusBitmapResource::CGdiPlusBitmapResource(unsigned id, const QString& type) { Load(id, type); }

QString CGdiPlusBitmapResource::ResourcePath(unsigned id, const QString& type, bool twice) {
    QString folder;
    if (type.compare(QLatin1String(kTypePng), Qt::CaseInsensitive) == 0)
        folder = QStringLiteral("png");
    else if (type.compare(QLatin1String(kTypeBitmap), Qt::CaseInsensitive) == 0)
        folder = QStringLiteral("bmp");
    else
        return {};
    return QStringLiteral(":/%1/%2%3.png").arg(folder).arg(id).arg(twice ? QStringLiteral("@2x") : QString());
}

namespace {

// Decodes one resource file; a null image when it is missing or no image.
std::unique_ptr<QImage> Decode(const QString& path) {
    if (path.isEmpty())
        return nullptr;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return nullptr;
    const QByteArray bytes = file.readAll();
    if (bytes.isEmpty())
        return nullptr;
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    QImage image = reader.read();
    if (image.isNull())
        return nullptr;
    return std::make_unique<QImage>(image.convertToFormat(QImage::Format_ARGB32));
}

}  // namespace

bool CGdiPlusBitmapResource::Load(unsigned id, const QString& type) {
    m_pBitmap.reset();
    m_pBitmap2x.reset();
    m_pBitmap = Decode(ResourcePath(id, type));
    if (!m_pBitmap)
        return false;
    m_pBitmap2x = Decode(ResourcePath(id, type, true));
    if (m_pBitmap2x)
        m_pBitmap2x->setDevicePixelRatio(2.0);
    return true;
}
