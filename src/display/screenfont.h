#pragma once

#include "os/japaneselook.h"

class QWidget;

namespace display {

// One of the screen-font options of the Comment: a new face, a new size, or both (the face
// first). What an option leaves out stays as it was, so size and face are chosen independently.
struct FontChange
{
    const char *face; // UTF-8; null: the face stays
    double points;    // 0: the size stays
};

inline constexpr FontChange size8{{}, 8};
inline constexpr FontChange size9{{}, 9};
inline constexpr FontChange size10{{}, 10};
inline constexpr FontChange size11{{}, 11};
inline constexpr FontChange size12{{}, 12};
inline constexpr FontChange size16{{}, 16};
inline constexpr FontChange gothicFace{os::gothicFace, 0};
inline constexpr FontChange minchoFace{os::minchoFace, 0};
// A bitmap font of one fixed size on Windows; the size setting stays all the same.
inline constexpr FontChange fixedSysFace{"FixedSys", 0};
// Back to the starting face, at 10 points rather than the layout's 9.75.
inline constexpr FontChange defaultFont{os::gothicFace, 10};

// Changes the box's font only; its text stays as it is.
void changeScreenFont(QWidget *box, FontChange change);

} // namespace display
