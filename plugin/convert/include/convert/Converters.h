// Every entity converter and geometry extractor of the export, in one include.
#pragma once

#include "convert/ConvertCurves.h"
#include "convert/ConvertMeshes.h"
#include "convert/ConvertPolylines.h"
#include "convert/ConvertSpline.h"
#include "convert/ConvertText.h"
