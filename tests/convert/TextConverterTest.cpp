// Single-line text: the exported point is the text's position, whatever else the text says.
#include <gtest/gtest.h>

#include "TestDrawing.h"
#include "convert/ConvertText.h"

namespace {

struct TextData {
  const char* name;
  const wchar_t* content;
  double height;
  OdGePoint3d position;
  OdGePoint3d alignment;
  OdGeVector3d normal;
};

class convert_Text : public ::testing::Test {
 protected:
  OdDbTextPtr AddText(const TextData& data) {
    OdDbTextPtr text = OdDbText::createObject();
    text->setTextString(data.content);
    text->setHeight(data.height);
    text->setPosition(data.position);
    text->setAlignmentPoint(data.alignment);
    text->setNormal(data.normal);
    text->setRotation(0.7);
    return drawing.AddAndOpen(text);
  }

  TestDrawing drawing;
};

// One working object for all rows, as the export uses it: each row must carry nothing of the
// previous one.
TEST_F(convert_Text, TextsInARowEachGiveTheirOwnPositionTextAndHeight) {
  const TextData rows[] = {
      {"plain", L"Station 12", 2.5, {612345.678, 5123456.789, 301.25}, {0, 0, 0}, {0, 0, 1}},
      {"aligned elsewhere", L"MH-3", 1.0, {10, 20, 0}, {55, 66, 0}, {0, 0, 1}},
      {"tilted normal", L"\u00e9l\u00e9vation", 0.5, {-3, 4, 7.5}, {-1, 4, 7.5}, {0, 0.6, 0.8}},
      {"negative extrusion", L"x", 3.0, {1, 2, 3}, {1, 2, 3}, {0, 0, -1}},
      {"empty string", L"", 1.25, {5, 6, 7}, {5, 6, 7}, {0, 0, 1}},
  };
  ON_TextEntity working;
  working.SetUserText(L"left over");
  for (const TextData& row : rows) {
    SCOPED_TRACE(row.name);
    OdDbTextPtr text = AddText(row);
    const HandleState before = HandleState::Of(*text);
    ASSERT_EQ(1, ConvertText(text, working));
    EXPECT_POINT_EQ(On(row.position.x, row.position.y, row.position.z), working.Plane().origin);
    EXPECT_NEAR(row.normal.z, working.Plane().zaxis.z, 1e-15);
    EXPECT_EQ(ON_wString(row.content), working.DefaultText());
    EXPECT_TRUE(working.UserText().IsEmpty());
    EXPECT_EQ(row.height, working.Height());
    EXPECT_EQ(before, HandleState::Of(*text));
  }
}

}  // namespace
