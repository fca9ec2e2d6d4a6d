// What the document commands share: every saved class registered by name.
#include "DocumentCommands.h"

#include "document/DocumentRecords.h"
#include "objects/ObjectClasses.h"

namespace quill::cli {

void registerStreamClasses()
{
    registerDocumentClasses();
    registerObjectClasses();
}

} // namespace quill::cli
