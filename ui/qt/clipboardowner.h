#ifndef PIRUMO_QT_CLIPBOARDOWNER_H
#define PIRUMO_QT_CLIPBOARDOWNER_H

// Whether a program holds the clipboard, as the display server says without
// asking that program. On X11 an owner that does not answer leaves Qt with no
// formats, just like an empty clipboard; this tells the two apart. False
// where the server cannot be asked.
bool anotherProgramOwnsClipboard();

#endif
