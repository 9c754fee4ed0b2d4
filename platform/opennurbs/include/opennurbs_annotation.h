// ON_Annotation (the common part of annotation objects: type, plane, points, texts) and
// ON_TextEntity (a text block annotation with font and height).
#pragma once

#include "opennurbs_array.h"
#include "opennurbs_plane.h"
#include "opennurbs_wstring.h"

class ON_Annotation {
 public:
  ON_Annotation();  // calls Create()
  virtual ~ON_Annotation() = default;
  // Copies everything, the default text included (the platform's copy dropped the default text;
  // a copy here is a complete copy).
  ON_Annotation(const ON_Annotation&) = default;
  ON_Annotation& operator=(const ON_Annotation&) = default;

  // Resets the annotation: type dtNothing, plane ON_xy_plane, no points, empty user and default
  // texts, not user-positioned. The display mode and the ON_TextEntity font and height are left
  // as they are.
  void Create();

  ON::eAnnotationType Type() const;
  void SetType(ON::eAnnotationType type);
  ON::eTextDisplayMode TextDisplayMode() const;
  void SetTextDisplayMode(ON::eTextDisplayMode mode);

  // Stored as given, without normalisation.
  void SetPlane(const ON_Plane& plane);
  ON_Plane Plane() const;

  int PointCount() const;
  void SetPoints(const ON_2dPointArray& points);
  const ON_2dPointArray& Points() const;
  ON_2dPoint Point(int i) const;  // (0,0) when i is out of range

  void SetUserText(const wchar_t* text);  // null gives the empty text
  const ON_wString& UserText() const;
  void SetDefaultText(const wchar_t* text);  // null gives the empty text
  const ON_wString& DefaultText() const;
  void SetUserPositionedText(bool on);
  bool UserPositionedText() const;

  // False only while the type is dtNothing.
  bool IsValid() const;

 protected:
  ON::eAnnotationType m_type = ON::dtNothing;
  ON::eTextDisplayMode m_textdisplaymode = ON::dtNormal;
  ON_Plane m_plane;
  ON_2dPointArray m_points;
  ON_wString m_usertext;
  ON_wString m_defaulttext;
  bool m_userpositionedtext = false;
};

class ON_TextEntity : public ON_Annotation {
 public:
  // Create() plus font weight 400, height 20, face name empty; the type stays dtNothing until
  // SetType(ON::dtTextBlock).
  ON_TextEntity();

  // Stores any value (no check).
  void SetHeight(double height);
  double Height() const;
  void SetFontWeight(int weight);
  int FontWeight() const;
  void SetFaceName(const wchar_t* name);
  const ON_wString& FaceName() const;

 private:
  ON_wString m_facename;
  int m_fontweight = 400;
  double m_height = 20.0;
};
