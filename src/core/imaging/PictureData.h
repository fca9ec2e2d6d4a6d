// The stream payload of a picture ("Picture.Data"): graphic class name and the graphic's data.
#pragma once

#include "Result.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace quill {

// The graphic classes a picture can hold, and what follows the class name in the payload:
//   TBitmap      32-bit size + BMP file image (size 0: an empty bitmap)
//   TJPEGImage   32-bit size + JPEG file
//   TJvGIFImage  32-bit size + GIF file
//   TGIFImage    GIF file, no size (the GIF's own structure ends it)
//   TIcon        icon file, no size
//   TMetafile    32-bit size + enhanced metafile or placeable Windows metafile
//   TJvAni       animated cursor file (RIFF "ACON"), no size
enum class GraphicClass { Bitmap, Jpeg, JvGif, Gif, Icon, Metafile, JvAni };

QString graphicClassName(GraphicClass graphic);
// Matched without regard to case; nothing for a class the program cannot hold.
std::optional<GraphicClass> graphicClassFromName(const QString &name);

// The payload split at the class name. graphicData is everything after the name, unparsed.
struct PictureData {
    QString className;
    QByteArray graphicData;
};

// The longest class name the payload can carry.
constexpr int MaxGraphicClassNameLength = 63;

// Splits a payload: a short string (length byte + that many bytes, at most 63, not empty) and
// the rest. Fails on an empty payload, a name longer than 63 characters or one that runs past
// the end.
Result<PictureData> splitPictureData(const QByteArray &payload);
// Joins a class name (1 to 63 ASCII characters) and graphic data into a payload.
Result<QByteArray> joinPictureData(const QString &className, const QByteArray &graphicData);

// A picture file: its bytes as on disk and the extension that names its kind (lower case,
// without the dot: "bmp", "jpg", "gif", "ico", "emf", "wmf", "ani").
struct PictureFile {
    QString extension;
    QByteArray bytes;
};

// Wraps a file's bytes into a payload of the graphic class its extension chooses (compared in
// lower case, with or without the dot): .bmp TBitmap, .jpg/.jpeg TJPEGImage, .gif TJvGIFImage,
// .ico TIcon, .emf/.wmf TMetafile, .ani TJvAni. The bytes must be a file of that kind (its
// signature and the lengths in its header are checked); a Windows metafile must be placeable.
Result<QByteArray> pictureDataFromFile(const QByteArray &fileBytes, const QString &extension);

// The file inside a payload, of any of the graphic classes above. Every length is checked
// against the bytes present: a damaged payload gives an Error, never a read past the end.
// An empty bitmap (size 0) gives a file with no bytes and the extension "bmp".
Result<PictureFile> pictureFileFromData(const QByteArray &payload);

} // namespace quill
