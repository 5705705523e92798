// Holders of the skin images compiled into the program's resources, addressed by resource id:
// type "PNG" is ":/png/<id>.png", type "BITMAP" is ":/bmp/<id>.png"; each may have a sharper
// twin "<id>@2x.png" for high-density screens.
#pragma once

#include <QImage>
#include <QString>
#include <memory>

class CGdiPlusBitmap {
public:
    CGdiPlusBitmap() = default;
    CGdiPlusBitmap(const CGdiPlusBitmap&) = delete;
    CGdiPlusBitmap& operator=(const CGdiPlusBitmap&) = delete;
    virtual ~CGdiPlusBitmap();

    bool IsNull() const { return !m_pBitmap; }
    // Stored size in pixels; 0 when empty.
    int Width() const;
    int Height() const;
    // The decoded image (ARGB32), or a null image when empty.
    QImage Image() const;
    // The variant for a device pixel ratio: the @2x twin from 1.5 on when there is one, else Image().
    QImage ImageForRatio(qreal devicePixelRatio) const;

    std::unique_ptr<QImage> m_pBitmap;    // the decoded image at its stored size
    std::unique_ptr<QImage> m_pBitmap2x;  // the same picture at twice the size, when the resources have it
};

class CGdiPlusBitmapResource : public CGdiPlusBitmap {
public:
    static constexpr const char* kTypePng = "PNG";
    static constexpr const char* kTypeBitmap = "BITMAP";

    CGdiPlusBitmapResource() = default;
    // Loads at once; check IsNull().
    explicit CGdiPlusBitmapResource(unsigned id, const QString& type = kTypePng);

    // Releases what the holder held, then reads and decodes the resource. True when it holds a
    // usable image; an unknown id or type, or bytes that are no image, leave it empty.
    bool Load(unsigned id, const QString& type = kTypePng);

    // The resource path of an id and type, or empty for an unknown type.
    static QString ResourcePath(unsigned id, const QString& type = kTypePng, bool twice = false);
};
