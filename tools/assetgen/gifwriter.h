#pragma once

class QByteArray;
class QImage;

// Encodes an 8-bit indexed image of at most 16 colours as a single-frame
// GIF89a with a 16-entry global colour table. Qt reads GIF but cannot write it.
QByteArray encodeGif(const QImage &image);
