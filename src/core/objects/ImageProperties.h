// The picture work of the picture properties dialog, without widgets: which picture the dialog
// adjusts, picture files read into it, brightness and contrast, and the confirmed result.
#pragma once

#include "Result.h"

#include <QImage>
#include <QString>

namespace quill {

class TZR_DBImage;

// The picture an image object shows, as the properties dialog sees it.
struct AdjustablePicture {
    enum class Kind {
        None, // no picture, an empty one or one that cannot be decoded: only loading makes sense
        Raster, // a picture the dialog adjusts through a 24-bit copy
        Metafile, // a metafile, or the clipped display of a source picture: not adjustable
    };
    Kind kind = Kind::None;
    QImage image; // the 24-bit copy of a raster picture
};

// What the object shows: the clipped source when SrcImage holds a picture (always a metafile),
// otherwise Picture. Bitmaps, JPEG, GIF, icons and animated cursors are raster pictures.
AdjustablePicture adjustablePicture(const TZR_DBImage &image);

// Reads a picture file for the dialog and gives its 24-bit copy. The extension chooses the
// decoder (bmp, jpg, jpeg, gif, ico, emf, wmf, ani; any case); a file of another kind (PNG,
// say), or one whose content does not match its extension, is read by its content. A file
// that cannot be read, or holds no picture with pixels, gives an Error for the user.
Result<QImage> readPictureFile(const QString &path);

// The preview of the dialog's brightness and contrast bars (positions 1 ... 100): the base
// brightened by 2 x brightness, then contrasted by 3 x contrast, as a 24-bit copy.
QImage adjustedPicture(const QImage &base, int brightness, int contrast);

// Confirms the dialog on an object: its picture becomes a 24-bit bitmap of `picture` whatever
// kind it was, Fixed takes `ratioReleased`, and Width and Height the sizes in millimetres
// (ToPixels at 100 %, at least 1 pixel). Left and Top stay. Fails, leaving the object
// untouched, when the picture is empty or cannot be written.
Status applyImageProperties(TZR_DBImage &image, const QImage &picture, bool ratioReleased,
                            double widthMillimetres, double heightMillimetres);

} // namespace quill
