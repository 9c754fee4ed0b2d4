// Single-line text.
#include "HostErrorGuard.h"
#include "HostValues.h"
#include "convert/ConvertText.h"

using convert_internal::GuardHostErrors;
using convert_internal::NormalOrWorldZ;
using convert_internal::ToOn;

int ConvertText(OdDbTextPtr text, ON_TextEntity& output) {
  return GuardHostErrors([&] {
    OdString content = text->textString();
    content.syncUnicode();
    const double height = text->height();
    const OdGeVector3d normal = text->normal();
    const OdGePoint3d position = text->position();
    output.Create();
    output.SetDefaultText(content.c_str());
    output.SetHeight(height);
    // The plane's origin is the position as given; the normal only orients the plane.
    output.SetPlane(ON_Plane(ToOn(position), ToOn(NormalOrWorldZ(normal))));
    return 1;
  });
}
