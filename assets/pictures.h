#pragma once

#include <QImage>
#include <QPoint>

// The built-in map's grid: lines 20 pixels apart, the first at x = 10 and y = 20.
namespace BuiltInMap {
constexpr int GridPitch = 20;
constexpr QPoint FirstGridLines(10, 20);
} // namespace BuiltInMap

// The compiled-in pictures as the windows show them, with the same pixels as
// map.gif and faces/<name>.png. They come from the same pictures stored
// uncompressed (<name>.pixels, written by assetgen), so showing them needs no
// image decoder and no image-format plugin: the image reads the compiled-in
// bytes where they lie. Null when the resource is missing or malformed.
QImage dungeonMapPicture();
// The map as the players may see it: without the encounter numbers, which
// are its only red and stand on plain floor.
QImage playerMapPicture();
// `face` as faceButton names it ("edit"); scale 2 gives the @2x face, whose
// device pixel ratio is 2.
QImage buttonFacePicture(const char *face, int scale = 1);
