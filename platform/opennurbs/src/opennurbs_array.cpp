// Point arrays.
#include "opennurbs_array.h"

ON_3dPointArray::ON_3dPointArray(int capacity) : ON_SimpleArray<ON_3dPoint>(capacity) {}
ON_2dPointArray::ON_2dPointArray(int capacity) : ON_SimpleArray<ON_2dPoint>(capacity) {}
