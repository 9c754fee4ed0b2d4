// The text converter: a single-line text entity becomes a text annotation whose plane origin is
// the text's position point.
//
// Contract as in ConvertCurves.h. All host values are read before the output is touched, so a 0
// leaves the output as it was.
#pragma once

#include "DbText.h"
#include "opennurbs.h"

// Resets output (ON_Annotation::Create, so nothing of a previous text survives in a reused
// object), then sets the default text to the text string, the height to the text height and the
// plane to the one through position() with normal() as its normal. position() is kept exactly;
// justification, alignment point, rotation, width factor and style are not read.
int ConvertText(OdDbTextPtr text, ON_TextEntity& output);
