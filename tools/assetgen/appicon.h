#pragma once

class QByteArray;
class QImage;

// The application icon: a lit room of the dungeon map, its door open and the
// first encounter's number in it, on a dark tile. Drawn from one list of
// shapes, so the PNG and the SVG show the same picture.
QImage drawAppIcon(int pixels);
QByteArray appIconSvg();
