#pragma once

#include "printresult.h"

namespace sprout {

class PrintablePicture;
class PrinterSurface;

// Prints the picture as large as the printable area allows without distorting
// it: landscape for a picture wider than tall, portrait otherwise, filling the
// full printable width or height from the top-left corner. Neither starts nor
// ends the document. A picture or printable area without size is refused and
// nothing is drawn. The procedure alone, on any printer surface;
// printOnDefaultPrinter (defaultprinter.h) runs it on the system's printer.
PrintResult PrintFittedPicture(PrinterSurface& printer, const PrintablePicture& picture);

} // namespace sprout
