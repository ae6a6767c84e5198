#pragma once

#include <QDir>

namespace dryfriction {

// Pictures of the real main window at its start-up size, made offscreen:
//   window-start.png          right after start-up;
//   window-run.png            after a whole run with the start-up values;
//   window-coordinate.png     the same run with the coordinate graph chosen;
//   window-phase.png          the same run with the phase portrait chosen;
//   window-filemenu.png       the corner of that window with the File menu open.
// False if a file could not be written or the run did not end.
bool saveWindowShots(const QDir& dir);

}  // namespace dryfriction
