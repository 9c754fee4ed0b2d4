#include "EntityWriter.h"

#include <cstdio>

#include "DbCircle.h"
#include "DbLine.h"
#include "DbPoint.h"
#include "Ge/GeMatrix3d.h"
#include "dxf/DxfError.h"

namespace dxf {

std::string encodeText(const OdString& text, bool utf8) {
  if (utf8) return text.toUtf8();
  std::string out;
  for (wchar_t c : text.wide()) {
    if (c >= 0x20 && c < 0x80) {
      out += static_cast<char>(c);
      continue;
    }
    char buf[12];
    std::snprintf(buf, sizeof buf, "\\U+%04X", static_cast<unsigned>(c) & 0xFFFFu);
    out += buf;
  }
  return out;
}

const std::string& LayerTexts::of(const OdDbEntity* entity) {
  OdDbObjectId id = entity->layerId();
  for (const auto& [layer, text] : texts_) {
    if (layer == id) return text;
  }
  texts_.emplace_back(id, encodeText(entity->layer(), utf8_));
  return texts_.back().second;
}

void EntityWriter::common(const OdDbEntity* e, const char* dxfName, const char* subclass) {
  out_.text(0, dxfName);
  if (habits_.handles) out_.handle(5, e->getDbHandle());
  if (habits_.owners) out_.handle(330, habits_.ownerHandle);
  if (habits_.subclassMarkers) out_.text(100, "AcDbEntity");
  out_.text(8, layers_.of(e));
  if (habits_.subclassMarkers) out_.text(100, subclass);
}

void EntityWriter::write(const OdDbEntity* e, const std::string& file) {
  if (auto* p = OdDbPoint::cast(e).get()) {
    common(e, "POINT", "AcDbPoint");
    OdGePoint3d q = p->position();
    return out_.point(10, q.x, q.y, q.z);
  }
  if (auto* l = OdDbLine::cast(e).get()) {
    common(e, "LINE", "AcDbLine");
    OdGePoint3d a = l->startPoint();
    OdGePoint3d b = l->endPoint();
    out_.point(10, a.x, a.y, a.z);
    return out_.point(11, b.x, b.y, b.z);
  }
  if (auto* c = OdDbCircle::cast(e).get()) {
    common(e, "CIRCLE", "AcDbCircle");
    // The file keeps the centre in object coordinates.
    OdGeVector3d n = c->normal();
    OdGePoint3d o = OdGeMatrix3d::worldToPlane(n) * c->center();
    out_.point(10, o.x, o.y, o.z);
    out_.real(40, c->radius());
    if (n != OdGeVector3d::kZAxis) out_.point(210, n.x, n.y, n.z);
    return;
  }
  throw DxfError(file, "cannot save entity " + e->getDbHandle().asciiNarrow() + " of class " +
                           e->isA()->name().toUtf8() +
                           ": only points, lines and circles are saved");
}

}  // namespace dxf
