#include "export/RunExport.h"

#include <utility>

#include "DbCommandContext.h"
#include "KVPoints.h"
#include "afxdlgs.h"
#include "create/PointCreation.h"
#include "export/CollectPoints.h"
#include "export/DelimiterText.h"
#include "export/PrintMessage.h"
#include "host/HostWindow.h"
#include "host/ProductTitle.h"
#include "options/options_dialog.h"

namespace {

constexpr int kFormatYXZ = 1;

void ShowNoDrawingMessage(HWND* mainWindow) {
  MessageBoxW(mainWindow ? *mainWindow : nullptr, L"This command needs an active drawing",
              ProductTitle(), MB_ICONWARNING);
}

// One point entity at each collected point, in list order; a point that cannot be added is
// passed over, and the export goes on.
void CreatePointEntities(const ON_3dPointArray& points, const OdDbDatabasePtr& database) {
  for (int i = 0; i < points.Count(); ++i) CreatePointEntity(points[i], database);
}

// "Y, X, Z" hands the writer each point with x and y exchanged; the points in the drawing are
// not affected. Only then is the list copied.
ON_3dPointArray ExchangeXY(const ON_3dPointArray& points) {
  ON_3dPointArray exchanged(points);
  for (int i = 0; i < exchanged.Count(); ++i) std::swap(exchanged[i].x, exchanged[i].y);
  return exchanged;
}

bool WritePoints(OdEdUserIO* userIO, const ON_3dPointArray& points, const CString& path,
                 const ExportOptions& options) {
  const wchar_t* delimiter = DelimiterText(options.delimiter, options.other);
  const int written = options.format == kFormatYXZ
                          ? KVPoints::Write(ExchangeXY(points), path, delimiter)
                          : KVPoints::Write(points, path, delimiter);
  if (!written) {
    PrintMessage(userIO, L"Failure [%ls]\n", KVPoints::GetError().GetString());
    return false;
  }
  PrintMessage(userIO, L"Successfully processed %d points\n", points.Count());
  return true;
}

}  // namespace

bool RunExport(OdEdCommandContext* context, HWND* mainWindow) {
  if (context == nullptr) {
    ShowNoDrawingMessage(mainWindow);
    return false;
  }
  OdDbCommandContextPtr drawingContext(context);  // checked: throws for another class
  OdDbDatabasePtr database = drawingContext->database();
  OdDbUserIOPtr userIO(drawingContext->userIO());  // checked as well
  OdDbSelectionSetPtr selection =
      userIO->select(L"Select objects:", 0, nullptr, OdString::kEmpty, nullptr);
  if (selection->numEntities() == 0) {
    PrintMessage(userIO, L"\nFailure [No entities selected]");
    return false;
  }
  CFileDialog fileDialog(FALSE, L"txt", L"Export.txt", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                         L"Points Text Files (*.txt)|*.txt||", OwnerWindow(mainWindow));
  if (fileDialog.DoModal() == IDCANCEL) {
    PrintMessage(userIO, L"Failure [Command cancelled]\n");
    return false;
  }
  ExportOptions options;
  if (!ShowOptionsDialog(mainWindow, options)) {
    PrintMessage(userIO, L"Failure [Command cancelled]\n");
    return false;
  }
  ON_3dPointArray points;
  // At least one point an entity is the rule in survey drawings; the list then never doubles
  // (and copies) at its last growth.
  points.Reserve(static_cast<int>(selection->numEntities()));
  CollectPoints(*selection, options, points);
  // Not needed past the walk: its id list (8 bytes an entity) is given back before the point
  // entities are made and the file is written, when the run needs the most memory.
  selection = nullptr;
  if (options.createPoints) CreatePointEntities(points, database);
  return WritePoints(userIO, points, fileDialog.GetPathName(), options);
}
