#include "ProgramSetup.h"

#include "QuillSettings.h"
#include "document/DocumentRecords.h"
#include "objects/CountryCharset.h"
#include "objects/FontSubstitution.h"
#include "objects/ObjectClasses.h"

#include <QSettings>

namespace quill {

void prepareProgram()
{
    registerDocumentClasses();
    registerObjectClasses();
    installFontSubstitutions();
    const auto settings = openUserSettings();
    setDefaultObjectCharset(CountryCharset(*settings));
}

} // namespace quill
