#include "platform/widgets/ProgramPrinter.h"

#include <QPrinter>

namespace platform {

QPrinter &ProgramPrinter()
{
    static QPrinter printer(QPrinter::HighResolution);
    return printer;
}

} // namespace platform
