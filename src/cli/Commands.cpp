#include "Commands.h"

#include "CatalogueCommands.h"
#include "DocumentCommands.h"
#include "PrintCommands.h"
#include "RenderCommands.h"

namespace quill::cli {

const QList<Command> &commands()
{
    static const QList<Command> list{
        {u"sample", u"sample                  summary of the sample document", runSample},
        {u"dump", u"dump DOC                a label document as JSON on standard output",
         dumpCommand},
        {u"build", u"build IN.json -o DOC    a label document from JSON as dump writes it",
         buildCommand},
        {u"stream", u"stream FILE [--offset N] the records and integers of a document, snapshot "
                    u"or clipboard file",
         streamCommand},
        {u"catalogue", u"catalogue list|show ... the label paper products (alone: its options)",
         catalogueCommand},
        {u"new", u"new CODE -o DOC         a new empty document on a catalogue product",
         newCommand},
        {u"data", u"data tables|show|convert  list, print (CSV) or export a data list", runData},
        {u"render", u"render DOC [options] -o OUT.png  one cell drawn as the work area shows it",
         renderCommand},
        {u"fonts", u"fonts                   the document font names and the fonts drawing them",
         fontsCommand},
        {u"print", u"print DOC [options] (--pdf OUT.pdf | --printer QUEUE)  print the sheets",
         printCommand},
        {u"preview", u"preview DOC --sheet N [--scale S] -o OUT.png  a sheet as the preview shows it",
         previewCommand},
        {u"printers", u"printers                the print queues with driver, port and status",
         printersCommand},
    };
    return list;
}

} // namespace quill::cli
