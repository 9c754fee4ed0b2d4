// Reference counting, checked casts, runtime classes, static objects and the module template.
#include <gtest/gtest.h>

#include <filesystem>

#include "DbGenericEntity.h"
#include "DbLine.h"
#include "DbPoint.h"
#include "RxDynamicModule.h"
#include "StaticRxObject.h"

namespace {

// Counts the objects a scope leaves alive.
class LiveObjects {
 public:
  long leaked() const { return odrxLiveObjectCount() - m_before; }

 private:
  long m_before = odrxLiveObjectCount();
};

TEST(RuntimeRefCount, LastReleaseDestroysAndScopesLeaveNothing) {
  LiveObjects live;
  {
    OdDbLinePtr line = OdDbLine::createObject();
    EXPECT_EQ(line->numRefs(), 1);
    OdDbEntityPtr entity = line;
    OdRxObjectPtr object = entity;
    EXPECT_EQ(line->numRefs(), 3);
    object.release();
    EXPECT_TRUE(object.isNull());
    EXPECT_EQ(line->numRefs(), 2);
    EXPECT_EQ(live.leaked(), 1);
  }
  EXPECT_EQ(live.leaked(), 0);
}

TEST(RuntimeRefCount, AttachTakesOverAReference) {
  LiveObjects live;
  OdDbLine* raw = OdDbLine::createObject().detach();
  EXPECT_EQ(raw->numRefs(), 1);
  {
    OdDbLinePtr attached(raw, kOdRxObjAttach);
    EXPECT_EQ(raw->numRefs(), 1);
  }
  EXPECT_EQ(live.leaked(), 0);
}

TEST(RuntimeRefCount, ReleaseBelowZeroAsserts) {
#ifdef NDEBUG
  GTEST_SKIP() << "asserts are compiled out";
#else
  auto* point = new OdRxObjectImpl<OdDbPoint>;
  EXPECT_DEATH(point->release(), "release below zero");
  delete point;
#endif
}

TEST(RuntimeRefCount, DestroyingAReferencedObjectAsserts) {
#ifdef NDEBUG
  GTEST_SKIP() << "asserts are compiled out";
#else
  auto* point = new OdRxObjectImpl<OdDbPoint>;
  point->addRef();
  EXPECT_DEATH(delete point, "references to it remain");
  point->release();
#endif
}

TEST(RuntimeCast, CheckedCastThrowsWithBothClasses) {
  OdDbEntityPtr entity = OdDbPoint::createObject();
  try {
    OdDbLinePtr line = entity;
    FAIL() << "a point became a line";
  } catch (const OdError_NotThatKindOfClass& e) {
    EXPECT_EQ(e.actualClass(), OdDbPoint::desc());
    EXPECT_EQ(e.wantedClass(), OdDbLine::desc());
    EXPECT_EQ(e.code(), eNotThatKindOfClass);
    EXPECT_STREQ(e.description().c_str(), L"Object of class AcDbPoint can't be cast to AcDbLine");
  }
  EXPECT_EQ(entity->numRefs(), 1) << "a failed cast must not keep a reference";
}

TEST(RuntimeCast, NullStaysNullAndQueryXGivesNullForOtherClasses) {
  OdDbEntityPtr none;
  OdDbLinePtr line = none;
  EXPECT_TRUE(line.isNull());
  EXPECT_TRUE(OdDbLine::cast(nullptr).isNull());

  OdDbPointPtr point = OdDbPoint::createObject();
  EXPECT_EQ(point->queryX(OdDbLine::desc()), nullptr);
  EXPECT_TRUE(OdDbLine::cast(point).isNull());
  OdRxObject* asEntity = point->queryX(OdDbEntity::desc());
  ASSERT_EQ(asEntity, point.get());
  EXPECT_EQ(point->numRefs(), 2) << "queryX adds a reference";
  asEntity->release();
  EXPECT_THROW(point->x(OdDbLine::desc()), OdError_NotThatKindOfClass);
}

TEST(RuntimeClass, NamesParentsAndCreation) {
  EXPECT_STREQ(OdDbLine::desc()->name().c_str(), L"AcDbLine");
  EXPECT_EQ(OdDbLine::desc()->parent(), OdDbCurve::desc());
  EXPECT_TRUE(OdDbLine::desc()->isDerivedFrom(OdDbEntity::desc()));
  EXPECT_FALSE(OdDbEntity::desc()->isDerivedFrom(OdDbLine::desc()));
  EXPECT_EQ(odrxFindClass(L"AcDbLine"), OdDbLine::desc());
  EXPECT_EQ(odrxFindClass(L"acdbline"), nullptr) << "class names are case-sensitive";

  OdRxObjectPtr created = OdDbPoint::desc()->create();
  EXPECT_EQ(created->isA(), OdDbPoint::desc());
  EXPECT_THROW(OdDbCurve::desc()->create(), OdError);
}

TEST(RuntimeClass, GenericEntitiesHaveTheirOwnClassNames) {
  struct Case {
    const wchar_t* dxf;
    const wchar_t* className;
  };
  const Case cases[] = {{L"MTEXT", L"AcDbMText"},
                        {L"INSERT", L"AcDbBlockReference"},
                        {L"HATCH", L"AcDbHatch"},
                        {L"3DSOLID", L"AcDb3dSolid"},
                        {L"NOSUCHKIND", L"AcDbProxyEntity"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.dxf);
    OdDbGenericEntityPtr entity = OdDbGenericEntity::createObject(c.dxf);
    EXPECT_STREQ(entity->isA()->name().c_str(), c.className);
    EXPECT_STREQ(entity->dxfName().c_str(), c.dxf);
    OdDbEntityPtr asEntity = entity;
    EXPECT_FALSE(asEntity.isNull());
    EXPECT_THROW(OdDbLinePtr line = entity, OdError_NotThatKindOfClass);
  }
  EXPECT_EQ(odrxGetOrCreateGenericClass(L"AcDbMText"), odrxGetOrCreateGenericClass(L"AcDbMText"));
  EXPECT_THROW(odrxGetOrCreateGenericClass(L"AcDbLine"), OdError)
      << "a named entity class must never be shadowed by a generic one";
  OdDbGenericEntityPtr custom = OdDbGenericEntity::createObject(L"ACME_THING", L"AcmeThing");
  EXPECT_STREQ(custom->isA()->name().c_str(), L"AcmeThing");
}

class TestModule : public OdRxModule {
 public:
  void initApp() override {}
  void uninitApp() override {}
  OdStaticRxObject<OdDbPoint> member;
};

TEST(RuntimeModule, ReleaseNeverDeletesAndDeleteModuleClearsTheSlot) {
  LiveObjects live;
  OdRxModule* slot = nullptr;
  auto* module = new OdRxWin32Module<TestModule>(reinterpret_cast<HINSTANCE>(0x1234), &slot);
  slot = module;
  EXPECT_EQ(module->numRefs(), 0);
  module->addRef();
  module->release();
  module->release();
  EXPECT_EQ(module->numRefs(), -1);
  EXPECT_EQ(module->sysData(), reinterpret_cast<void*>(0x1234));
  module->member.addRef();
  module->member.release();
  module->member.release();  // static objects ignore both
  module->deleteModule();
  EXPECT_EQ(slot, nullptr);
  EXPECT_EQ(live.leaked(), 0);
}

TEST(RuntimeModule, ModuleNameIsTheInstantiatingBinary) {
  OdRxWin32Module<TestModule> module;
  std::filesystem::path path(module.moduleName().toUtf8());
  EXPECT_TRUE(path.is_absolute()) << path;
  EXPECT_EQ(path, std::filesystem::canonical("/proc/self/exe"))
      << "the test executable instantiates the template, not the runtime library";
}

}  // namespace
