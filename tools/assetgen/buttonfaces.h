#pragma once

#include <array>

class QImage;
class QString;

enum class ButtonFace { Edit, Clear, Close, Ok, Cancel };

inline constexpr std::array AllButtonFaces = {
    ButtonFace::Edit, ButtonFace::Clear, ButtonFace::Close, ButtonFace::Ok, ButtonFace::Cancel,
};

// "edit", "clear", ...: the file name without scale suffix and extension.
QString buttonFaceName(ButtonFace face);

// The face at 100 x 25 logical pixels, drawn for the given device pixel ratio.
QImage drawButtonFace(ButtonFace face, int devicePixelRatio);
