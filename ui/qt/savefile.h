#ifndef PIRUMO_UI_SAVEFILE_H
#define PIRUMO_UI_SAVEFILE_H

#include "window.h"

class QByteArray;
class QString;

// Saves bytes under path as a careful editor does, deciding from what is
// there when the user saves:
// - no file yet, or a plain file of the saver's own: a new file takes the
//   old one's place, all or nothing, with the old file's mode;
// - a file that such a swap would change (more than one name, another
//   owner or group, special mode bits, an access list): it is rewritten in
//   place, and on any failure its old contents are put back;
// - a named pipe or a character device: written into, never replaced;
// - anything else is refused before a byte is written.
// A link that leads nowhere yet is followed and the file it names made.
pirumo::SaveOutcome writeWholeFile(const QString &path, const QByteArray &bytes);

#endif
