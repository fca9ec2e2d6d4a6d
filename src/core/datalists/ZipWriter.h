// Builds a zip archive in memory (the container of .xlsx and .ods files), stored or deflated.
#pragma once

#include <QByteArray>
#include <QList>

namespace quill {

struct ZipMember {
    QByteArray name; // path inside the archive, UTF-8
    QByteArray data;
    bool deflated = true;
    // When set: the bytes stored in place of the (compressed) data, for making damaged archives.
    QByteArray storedAs;
};

// The archive bytes: each member's local header and data, then the central directory. Members
// keep their order (an OpenDocument file's stored "mimetype" must come first).
QByteArray zipArchive(const QList<ZipMember> &members);

} // namespace quill
