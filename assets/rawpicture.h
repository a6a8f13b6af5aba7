#pragma once

#include <QByteArrayView>

// The layout of an uncompressed indexed picture, as assetgen writes it and
// the program reads it in place: the magic, then width, height and colour
// count as little-endian 32-bit numbers, the colours as little-endian QRgb,
// then one byte per pixel, row after row, with no padding.
namespace RawPicture {

constexpr QByteArrayView Magic("DBPX");
constexpr qint64 HeaderSize = 16; // the magic and three numbers

} // namespace RawPicture
