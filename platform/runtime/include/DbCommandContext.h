// OdDbCommandContext: the command context of a drawing: database() is the active drawing,
// dbUserIO() the user IO as OdDbUserIO.
#pragma once

#include "DbDatabase.h"
#include "DbUserIO.h"
#include "Ed/EdCommandContext.h"

class OdDbCommandContext : public OdEdCommandContext {
  ODRX_DECLARE_MEMBERS(OdDbCommandContext);

 public:
  // A context holding references to database and userIO (either may be null).
  static OdSmartPtr<OdDbCommandContext> createObject(OdDbDatabase* database, OdDbUserIO* userIO);

  virtual OdDbDatabase* database() { return m_database.get(); }
  // The user IO as OdDbUserIO; null when there is none.
  virtual OdDbUserIO* dbUserIO() { return m_dbUserIO.get(); }

 protected:
  OdDbCommandContext(OdDbDatabase* database, OdDbUserIO* userIO);

 private:
  OdDbDatabasePtr m_database;
  OdDbUserIOPtr m_dbUserIO;
};

typedef OdSmartPtr<OdDbCommandContext> OdDbCommandContextPtr;
