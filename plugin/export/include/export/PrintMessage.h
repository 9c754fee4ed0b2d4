// PrintMessage: the export command's one way of reporting on the host's command line.
#pragma once

#include "Ed/EdUserIO.h"

// Formats printf-style with the C library's wide rules (%ls for a wide string, %d for an int)
// and prints the text exactly, line breaks included, through userIO->putString. Text of any
// length is printed whole; a format the C library rejects prints nothing.
void PrintMessage(OdEdUserIO* userIO, const wchar_t* format, ...);
