#ifndef PIRUMO_UI_SAVEFILE_H
#define PIRUMO_UI_SAVEFILE_H

class QByteArray;
class QString;

// Replaces the file at path with bytes, all or nothing: on any failure the
// file that was there stays as it was and no partial file is left behind.
bool writeWholeFile(const QString &path, const QByteArray &bytes);

#endif
