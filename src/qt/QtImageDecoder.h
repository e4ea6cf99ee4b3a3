#pragma once

#include "app/Platform.h"

#include <QString>

// Qt's image readers behind the platform's decoding: the format found from
// the file's content, a reduced size asked of the reader (JPEG then decodes
// at a fraction of its size), and a bound on what a reader may allocate.
DecodedImage qtImageSize(const QString& path);
DecodedImage qtDecodeImage(const QString& path, int width, int height);
