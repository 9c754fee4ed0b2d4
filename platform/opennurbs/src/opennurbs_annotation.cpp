// Annotations and text entities.
#include "opennurbs_annotation.h"

ON_Annotation::ON_Annotation() { Create(); }

void ON_Annotation::Create() {
  m_type = ON::dtNothing;
  m_plane = ON_xy_plane;
  m_points.Destroy();
  m_usertext.Empty();
  m_defaulttext.Empty();
  m_userpositionedtext = false;
}

ON::eAnnotationType ON_Annotation::Type() const { return m_type; }
void ON_Annotation::SetType(ON::eAnnotationType type) { m_type = type; }
ON::eTextDisplayMode ON_Annotation::TextDisplayMode() const { return m_textdisplaymode; }
void ON_Annotation::SetTextDisplayMode(ON::eTextDisplayMode mode) { m_textdisplaymode = mode; }
void ON_Annotation::SetPlane(const ON_Plane& plane) { m_plane = plane; }
ON_Plane ON_Annotation::Plane() const { return m_plane; }
int ON_Annotation::PointCount() const { return m_points.Count(); }
void ON_Annotation::SetPoints(const ON_2dPointArray& points) { m_points = points; }
const ON_2dPointArray& ON_Annotation::Points() const { return m_points; }

ON_2dPoint ON_Annotation::Point(int i) const {
  const ON_2dPoint* p = m_points.At(i);
  return p != nullptr ? *p : ON_2dPoint();
}

void ON_Annotation::SetUserText(const wchar_t* text) { m_usertext = text; }
const ON_wString& ON_Annotation::UserText() const { return m_usertext; }
void ON_Annotation::SetDefaultText(const wchar_t* text) { m_defaulttext = text; }
const ON_wString& ON_Annotation::DefaultText() const { return m_defaulttext; }
void ON_Annotation::SetUserPositionedText(bool on) { m_userpositionedtext = on; }
bool ON_Annotation::UserPositionedText() const { return m_userpositionedtext; }
bool ON_Annotation::IsValid() const { return m_type != ON::dtNothing; }

ON_TextEntity::ON_TextEntity() = default;

void ON_TextEntity::SetHeight(double height) { m_height = height; }
double ON_TextEntity::Height() const { return m_height; }
void ON_TextEntity::SetFontWeight(int weight) { m_fontweight = weight; }
int ON_TextEntity::FontWeight() const { return m_fontweight; }
void ON_TextEntity::SetFaceName(const wchar_t* name) { m_facename = name; }
const ON_wString& ON_TextEntity::FaceName() const { return m_facename; }
