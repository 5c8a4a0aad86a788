#pragma once
// The program's one printer: the printer, paper and copies the print set-up and the print
// dialog leave (QtInteraction), on which every window prints.

class QPrinter;

namespace platform {

QPrinter &ProgramPrinter();

} // namespace platform
