// The command stack, command contexts, the scripted user IO and selection sets.
#include <gtest/gtest.h>

#include "DbCommandContext.h"
#include "DbPoint.h"
#include "DbScriptedUserIO.h"
#include "Ed/EdCommandStack.h"
#include "StaticRxObject.h"

namespace {

class EchoCommand : public OdEdCommand {
 public:
  EchoCommand(const wchar_t* group, const char* name) : m_group(group), m_name(name) {}
  const OdString groupName() const override { return m_group; }
  const OdString globalName() const override { return OdString(m_name, CP_ANSI_1252); }
  void execute(OdEdCommandContext* context) override {
    OdDbCommandContextPtr dbContext(context);  // checked cast, as commands do
    dbContext->dbUserIO()->putString(globalName() + L" ran\n");
  }

 private:
  OdString m_group;
  const char* m_name;
};

// Removes what a test registered, also when it fails half-way.
class CommandStackTest : public testing::Test {
 protected:
  void TearDown() override { odedRegCmds()->removeGroup(L"Test Commands"); }

  OdStaticRxObject<EchoCommand> m_export{L"Test Commands", "Quorlex"};
  OdStaticRxObject<EchoCommand> m_help{L"Test Commands", "QuorlexHelp"};
};

TEST_F(CommandStackTest, RegisterLookUpRunAndRemove) {
  OdEdCommandStackPtr stack = odedRegCmds();
  EXPECT_EQ(stack.get(), odedRegCmds().get()) << "one stack per process";
  stack->addCommand(&m_export);
  stack->addCommand(&m_help);
  EXPECT_EQ(stack->lookupCmd(L"QUORLEX").get(), &m_export) << "names ignore case";
  EXPECT_EQ(stack->lookupCmd(L"quorlexhelp", L"test commands").get(), &m_help);
  EXPECT_TRUE(stack->lookupCmd(L"Quorlex", L"Other Group").isNull());
  EXPECT_EQ(m_export.localName(), m_export.globalName());
  EXPECT_EQ(m_export.flags(), OdEdCommand::kModal);
  EXPECT_EQ(m_export.module(), nullptr);

  OdDbDatabasePtr db = OdDbDatabase::createObject();
  OdDbScriptedUserIOPtr io = OdDbScriptedUserIO::createObject();
  OdDbCommandContextPtr context = OdDbCommandContext::createObject(db, io);
  stack->executeCommand(L"quorlex", context);
  EXPECT_STREQ(io->output().c_str(), L"Quorlex ran\n");
  EXPECT_THROW(stack->executeCommand(L"NoSuchCommand", context), OdError);

  EXPECT_THROW(stack->addCommand(&m_export), OdError) << "the same name twice in one group";
  EXPECT_EQ(stack->removeCmd(L"Test Commands", L"Quorlex"), eOk);
  EXPECT_EQ(stack->removeCmd(L"Test Commands", L"Quorlex"), eKeyNotFound);
  EXPECT_TRUE(stack->lookupCmd(L"Quorlex").isNull());
  EXPECT_FALSE(stack->lookupCmd(L"QuorlexHelp").isNull());
}

TEST_F(CommandStackTest, ListsCommandsAndGroups) {
  OdEdCommandStackPtr stack = odedRegCmds();
  size_t before = stack->commands().size();
  stack->addCommand(&m_export);
  stack->addCommand(&m_help);
  EXPECT_EQ(stack->commands().size(), before + 2);
  int inGroup = 0;
  for (const OdString& group : stack->groups()) inGroup += group == L"Test Commands";
  EXPECT_EQ(inGroup, 1);
  EXPECT_EQ(stack->removeGroup(L"Test Commands"), eOk);
  EXPECT_EQ(stack->commands().size(), before);
}

TEST(RuntimeCommandContext, ContextsAreCheckedCastsOfEachOther) {
  OdDbDatabasePtr db = OdDbDatabase::createObject();
  OdDbScriptedUserIOPtr io = OdDbScriptedUserIO::createObject();
  long dbRefs = db->numRefs();
  {
    OdDbCommandContextPtr context = OdDbCommandContext::createObject(db, io);
    EXPECT_GT(db->numRefs(), dbRefs) << "the context holds the drawing";
    OdEdCommandContext* base = context.get();
    EXPECT_EQ(OdDbCommandContextPtr(base)->database(), db.get());
    EXPECT_EQ(base->baseDatabase(), db.get());
    OdDbUserIOPtr userIO = base->userIO();  // checked cast, as the export command does
    EXPECT_EQ(userIO.get(), io.get());
  }
  EXPECT_EQ(db->numRefs(), dbRefs);
  OdEdCommandContextPtr plain = OdEdCommandContext::createObject(io);
  EXPECT_THROW(OdDbCommandContextPtr{plain.get()}, OdError_NotThatKindOfClass);
}

TEST(RuntimeUserIO, ScriptedAnswersAndOutput) {
  OdDbDatabasePtr db = OdDbDatabase::createObject();
  OdDbObjectId a, b;
  {
    OdDbBlockTableRecordPtr ms = db->getModelSpaceId().safeOpenObject(OdDb::kForWrite);
    a = ms->appendOdDbEntity(OdDbPoint::createObject());
    b = ms->appendOdDbEntity(OdDbPoint::createObject());
  }
  OdDbScriptedUserIOPtr io = OdDbScriptedUserIO::createObject();
  io->queueSelection({b, a, b, OdDbObjectId::kNull});
  io->queueSelection({});
  io->queueString(L"");
  io->queueString(L"12x");

  OdDbSelectionSetPtr picked = io->select(L"Select objects:", 0, nullptr, OdString::kEmpty);
  ASSERT_EQ(picked->numEntities(), 2u) << "each id once, null ids dropped";
  std::vector<OdDbObjectId> order;
  for (OdDbSelectionSetIteratorPtr it = picked->newIterator(); !it->done(); it->next()) {
    order.push_back(it->objectId());
  }
  EXPECT_EQ(order, (std::vector<OdDbObjectId>{b, a})) << "pick order";
  EXPECT_EQ(io->select(L"Select objects:")->numEntities(), 0u);
  EXPECT_THROW(io->select(L"Select objects:"), OdEdCancel) << "nothing queued: the user cancels";
  EXPECT_STREQ(io->getString(L"Name:", 0, L"Export.txt").c_str(), L"Export.txt");
  EXPECT_THROW(io->getInt(L"Count:"), OdError);
  io->putString(L"\nFailure [No entities selected]");
  io->putString(L"Successfully processed 0 points\n");
  EXPECT_STREQ(io->output().c_str(),
               L"\nFailure [No entities selected]Successfully processed 0 points\n");
  ASSERT_EQ(io->prompts().size(), 5u);
  EXPECT_STREQ(io->prompts()[0].c_str(), L"Select objects:");
}

}  // namespace
