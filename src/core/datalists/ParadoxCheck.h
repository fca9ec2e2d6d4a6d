// The sanity check of a Paradox table's header made before pxlib is given the file.
#pragma once

#include <QIODevice>
#include <QString>

namespace quill {

// What is wrong with the Paradox table in file (open for reading); empty when pxlib can be
// trusted with it. pxlib believes its header: it reads a short header into uninitialised
// memory, walks block counts the file cannot hold, follows the chain of data blocks without end
// when it loops, reads field values of any stated width with fixed-size reads and reads names
// past the header's end, so every value it will use is checked here first. Encrypted tables are
// refused: their block chain cannot be checked before pxlib decrypts it.
QString paradoxFileProblem(QIODevice &file);

} // namespace quill
