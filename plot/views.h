#pragma once

#include "canvas.h"

namespace dryfriction {

// The five picture boxes: Picture1 the animation view, Picture2..Picture5 the
// graphs of coordinate, velocity projection, relative energy and path.
struct Views {
    Canvas& picture1;
    Canvas& picture2;
    Canvas& picture3;
    Canvas& picture4;
    Canvas& picture5;
};

// The four time graphs alone, which a run draws on.
struct GraphViews {
    Canvas& picture2;
    Canvas& picture3;
    Canvas& picture4;
    Canvas& picture5;
};

inline GraphViews graphViews(const Views& v)
{
    return {v.picture2, v.picture3, v.picture4, v.picture5};
}

}  // namespace dryfriction
