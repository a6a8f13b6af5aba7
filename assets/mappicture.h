#pragma once

#include <QImage>

// The dungeon map as its windows show it, with the same pixels as map.gif.
// It comes from map.pixels, the same picture stored uncompressed beside the
// GIF, so showing it needs no image decoder and no image-format plugin: the
// image reads the compiled-in bytes where they lie. Null when the resource
// is missing or malformed.
QImage dungeonMapPicture();
