// Point creation: adding one point entity to a drawing's model space for each exported point.
//
// Both functions hold their own references for the call and release them on every way out. A
// host error (OdError and its subclasses, a failed narrowing among them) turns into false;
// nothing is shown or printed, and an entity that was not appended is destroyed with its last
// reference, so a failure leaves the drawing as it was. Other exceptions pass to the caller.
#pragma once

#include "DbDatabase.h"
#include "DbEntity.h"
#include "opennurbs.h"

// Appends a new point entity at exactly (x, y, z) of point to the model space of database, with
// every other property as the host gives a new entity. True when it was appended.
bool CreatePointEntity(const ON_3dPoint& point, OdDbDatabasePtr database);

// Opens database's model space for write, appends entity and closes model space again before
// returning: one open per call, never held between points. True when the append gave a non-null
// object id. Fails (false) while model space is open elsewhere.
bool AppendToModelSpace(OdDbDatabasePtr database, OdDbEntityPtr entity);
