#pragma once

#include <QByteArrayView>

// The layout of an uncompressed picture, as assetgen writes it and the
// program reads it in place: the magic, then width, height and colour count
// as little-endian 32-bit numbers, then the colours as little-endian QRgb,
// then the pixels row after row with no padding: one colour index a pixel,
// or with no colours, four bytes a pixel (red, green, blue, unused).
namespace RawPicture {

constexpr QByteArrayView Magic("DBPX");
constexpr qint64 HeaderSize = 16; // the magic and three numbers

} // namespace RawPicture
