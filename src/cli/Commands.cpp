#include "Commands.h"

namespace quill::cli {

const QList<Command> &commands()
{
    static const QList<Command> list{
        {u"sample", u"sample                  summary of the sample document", runSample},
    };
    return list;
}

} // namespace quill::cli
