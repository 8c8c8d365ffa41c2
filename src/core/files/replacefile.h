// Writing over a file the player (or the program) already has without ever damaging it.
#pragma once

#include <QByteArray>
#include <QString>

namespace quillon {

// Replaces the file at path with bytes. They go to a temporary file in the same
// folder, which is renamed over the old file only once every byte has been written;
// on any failure the temporary file is dropped and the old file stays byte for byte
// as it was. The old file is never written in place, so a folder that takes no new
// file is a failure too.
// Returns an empty string on success, otherwise the reason in the system's words
// ("No space left on device").
QString replaceFile(const QString &path, const QByteArray &bytes);

} // namespace quillon
