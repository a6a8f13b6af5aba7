#pragma once

class QImage;

// The dungeon map, 500 x 680 pixels, in its five colours (Format_Indexed8).
QImage drawDungeonMap();
