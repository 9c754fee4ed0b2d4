#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include "ZLKRegistry.h"
#include "registry_fixture.h"

namespace {

using ZlkguiRegistryConcurrency = RegistryFileTest;

constexpr int kRounds = 150;
const wchar_t kShared[] = L"Software\\ZELKOR\\Shared";

// One program's saves: each round writes its own key's counter and a complete record of twelve
// values, all carrying its tag, to the key both programs share.
int SaveRounds(int tag) {
  CString own;
  own.Format(L"Software\\ZELKOR\\Program %d", tag);
  for (int round = 1; round <= kRounds; ++round) {
    ZLKRegistry store;
    store.SetKey(own, 1);
    store.WriteInt(L"Round", round);
    if (store.Commit() != 1) return 1;
    store.SetKey(kShared, 1);
    for (int value = 0; value < 11; ++value) {
      CString name;
      name.Format(L"Value %d", value);
      store.WriteInt(name, tag);
    }
    store.WriteString(L"Tag", tag == 1 ? L"one" : L"two");
    if (store.Commit() != 1) return 1;
  }
  return 0;
}

TEST_F(ZlkguiRegistryConcurrency, TwoProgramsSavingAtOnceLoseNothing) {
  pid_t children[2];
  for (int tag = 1; tag <= 2; ++tag) {
    children[tag - 1] = fork();
    ASSERT_GE(children[tag - 1], 0);
    if (children[tag - 1] == 0) _exit(SaveRounds(tag));
  }
  for (pid_t child : children) {
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "a save failed";
  }
  testing::internal::CaptureStderr();
  for (int tag = 1; tag <= 2; ++tag) {
    CString own;
    own.Format(L"Software\\ZELKOR\\Program %d", tag);
    ZLKRegistry store;
    ASSERT_EQ(store.SetKey(own, 1), 1);
    EXPECT_EQ(store.ReadInt(L"Round", 0), kRounds) << "program " << tag << "'s key survived";
  }
  ZLKRegistry store;
  store.SetKey(kShared, 1);
  int tag = store.ReadInt(L"Value 0", 0);
  ASSERT_TRUE(tag == 1 || tag == 2);
  for (int value = 1; value < 11; ++value) {
    CString name;
    name.Format(L"Value %d", value);
    EXPECT_EQ(store.ReadInt(name, 0), tag) << "one program's record, whole";
  }
  EXPECT_EQ(store.ReadString(L"Tag", L""), tag == 1 ? L"one" : L"two");
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "") << "the file parses";
  EXPECT_FALSE(std::filesystem::exists(folder / "registry.reg.corrupt"));
}

}  // namespace
