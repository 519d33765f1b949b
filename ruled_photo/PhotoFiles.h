#pragma once
// A photo on disk: the picture file and, beside it, its sidecar with the
// title, the description and the placing (PhotoSidecar.h). The two are
// written as one pair.
#include <QImage>
#include <QString>

#include "PhotoSidecar.h"

// Writes the picture in the format its name's extension names (a bitmap for
// any other name) and, where such a picture carries one, its sidecar. The
// user has already agreed to replace both files.
// The sidecar is written as every document is (WriteDocumentFile): a UTF-8
// one stays UTF-8, any other is code page 932, and one that is not code page
// 932 text is replaced only with the user's word. A sidecar that exists but
// cannot be read, text it cannot hold, or that word refused stops the save
// before anything is written, so that the window's text never replaces a
// file it did not show.
// When the sidecar cannot be written, the old picture goes back (a new one is
// removed), so that a new picture never lies beside the old title and text.
// Every failure is shown, naming its file; true when the pair was written.
bool SavePhotoFiles(const QString& path, const QImage& picture, const PhotoSidecar& sidecar);
