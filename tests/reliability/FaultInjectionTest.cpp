// Every file the program writes (the points file, a saved drawing, the settings store), written
// by the real `quorlex` under each fault a user meets: a full disk, a folder without write
// permission, a missing folder, the target being a folder, the process killed in the middle of
// the save. After each the previous file is as it was, no temporary is left behind (a killed
// save's temporary is gone after the next save), and the failure is reported with the system's
// reason.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "Child.h"
#include "Report.h"

namespace fs = std::filesystem;

namespace reliability {
namespace {

enum class Target { kPoints, kDrawing, kSettings };
enum class Fault { kFullDisk, kNoSpace, kNoPermission, kMissingFolder, kTargetIsFolder, kKilled };

const char* NameOf(Target target) {
  switch (target) {
    case Target::kPoints:
      return "points file";
    case Target::kDrawing:
      return "saved drawing";
    case Target::kSettings:
      return "settings store";
  }
  return "";
}

const char* NameOf(Fault fault) {
  switch (fault) {
    case Fault::kFullDisk:
      return "full disk (file-size limit)";
    case Fault::kNoSpace:
      return "full disk (small file system)";
    case Fault::kNoPermission:
      return "folder without write permission";
    case Fault::kMissingFolder:
      return "missing folder";
    case Fault::kTargetIsFolder:
      return "target is a folder";
    case Fault::kKilled:
      return "killed during the save";
  }
  return "";
}

// The system's reason each fault must be reported with.
const char* ReasonOf(Fault fault) {
  switch (fault) {
    case Fault::kFullDisk:
      return "File too large";
    case Fault::kNoSpace:
      return "No space left on device";
    case Fault::kNoPermission:
      return "Permission denied";
    case Fault::kMissingFolder:
      return "No such file or directory";
    case Fault::kTargetIsFolder:
      return "Is a directory";
    case Fault::kKilled:
      return "";
  }
  return "";
}

const fs::perms kOpen = fs::perms::all;
const fs::perms kReadOnly = fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                            fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec;

// Settings that hold every export option, padded past the full-disk limit below, so that the
// export's "--text" changes one value and the store must write the file again.
std::string PreviousSettings() {
  std::string text =
      "Windows Registry Editor Version 5.00\n\n"
      "[HKEY_CURRENT_USER\\Software\\ZELKOR\\Quorlex for IntelliCAD]\n"
      "\"Text\"=dword:00000000\n";
  for (int i = 0; i < 40; ++i) text += "; kept comment line " + std::to_string(i) + "\n";
  return text;
}

// One run of the program with a fault on one of the files it writes. The folder `work` holds the
// target (unless the fault is its missing folder); other files go to folders that are writable
// by everyone, so that only the target meets the fault.
class Scenario {
 public:
  Scenario(Target target, Fault fault) : target_(target), fault_(fault) {
    for (const char* folder : {"in", "work", "out", "settings"}) {
      fs::create_directory(scratch_ / folder);
      fs::permissions(scratch_ / folder, kOpen);
    }
    fs::copy_file(Fixture(), scratch_ / "in" / "flow.dxf");
    if (fault_ == Fault::kNoSpace) mounted_ = MountSmallFileSystem(scratch_ / "work");
    Prepare();
    if (mounted_) Fill(scratch_ / "work" / "filler");
  }
  ~Scenario() {
    if (mounted_) ::umount2((scratch_ / "work").c_str(), MNT_DETACH);
  }
  Scenario(const Scenario&) = delete;
  Scenario& operator=(const Scenario&) = delete;

  // False when this process may not mount a file system (the fault cannot be given).
  bool mounted() const { return mounted_; }

  ChildResult Run(bool withFault = true) const {
    Faults faults;
    if (withFault) faults = faults_;
    return RunProgram(scratch_.path(), args_, {"QUORLEX_REGISTRY=" + settings_.string()}, faults);
  }

  const fs::path& target() const { return targetPath_; }
  fs::path missingFolder() const { return scratch_ / "missing"; }
  const std::string& previous() const { return previous_; }
  fs::path work() const { return scratch_ / "work"; }
  // The names the folder under fault may hold after the run.
  std::vector<std::string> KeptNames() const { return kept_; }
  // The settings store's lock file stays beside the file by design.
  bool TargetIsFolder() const { return fault_ == Fault::kTargetIsFolder; }

  static fs::path Fixture() { return fs::path(SourceDir()) / "tests/data/export/flow.dxf"; }

 private:
  void Prepare() {
    switch (target_) {
      case Target::kPoints:
        return PreparePoints();
      case Target::kDrawing:
        return PrepareDrawing();
      case Target::kSettings:
        return PrepareSettings();
    }
  }

  void PreparePoints() {
    targetPath_ = Place("points.txt", "1,2,3\n");
    settings_ = scratch_ / "settings" / "registry.reg";
    args_ = {"export", (scratch_ / "in" / "flow.dxf").string(), "-o", targetPath_.string()};
    ApplyFault(".points.txt.", 64);
  }

  // The drawing is saved in place (--save), or with --save-as where the fault is the folder.
  void PrepareDrawing() {
    settings_ = scratch_ / "settings" / "registry.reg";
    const fs::path drawing = scratch_ / "work" / "flow.dxf";
    fs::copy_file(Fixture(), drawing);
    kept_ = {"flow.dxf"};
    args_ = {"export", drawing.string(), "-o", (scratch_ / "out" / "points.txt").string(),
             "--create-points"};
    targetPath_ = drawing;
    previous_ = ReadFile(drawing);
    if (fault_ == Fault::kMissingFolder || fault_ == Fault::kTargetIsFolder) {
      const fs::path saveAs = Place("saved.dxf", "");
      args_.insert(args_.end(), {"--save-as", saveAs.string()});
      if (fault_ == Fault::kTargetIsFolder) targetPath_ = saveAs;
    } else {
      args_.push_back("--save");
    }
    ApplyFault("flow.dxf.tmp", 8192);
  }

  void PrepareSettings() {
    settings_ = Place("registry.reg", PreviousSettings());
    targetPath_ = settings_;
    kept_.push_back("registry.reg.lock");
    if (fs::is_regular_file(settings_)) fs::permissions(settings_, kOpen);
    args_ = {"export", (scratch_ / "in" / "flow.dxf").string(), "-o",
             (scratch_ / "out" / "points.txt").string(), "--text"};
    ApplyFault("registry.reg.tmp", 1024);
  }

  // The target's path under the fault, with its previous content (or a folder in its place).
  fs::path Place(const std::string& name, const std::string& content) {
    if (fault_ == Fault::kMissingFolder) return scratch_ / "missing" / name;
    const fs::path path = scratch_ / "work" / name;
    kept_.push_back(name);
    if (fault_ == Fault::kTargetIsFolder) {
      fs::create_directory(path);
      WriteFile(path / "kept.txt", "kept\n");
      previous_ = "kept\n";
    } else if (!content.empty()) {
      WriteFile(path, content);
      previous_ = content;
    }
    return path;
  }

  // A tmpfs on `folder` in a mount namespace of this test process's own, seen by it and the
  // programs it starts only.
  static bool MountSmallFileSystem(const fs::path& folder) {
    if (::unshare(CLONE_NEWNS) != 0) return false;
    if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) return false;
    return ::mount("tmpfs", folder.c_str(), "tmpfs", 0, "size=256k,mode=0777") == 0;
  }

  // Takes every free block of the file system, after the previous files are in place.
  void Fill(const fs::path& filler) {
    const int fd = ::open(filler.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    ASSERT_GE(fd, 0);
    const std::string block(4096, 'x');
    while (::write(fd, block.data(), block.size()) > 0) {
    }
    ::close(fd);
    kept_.push_back("filler");
  }

  void ApplyFault(const std::string& temporaryPart, rlim_t limit) {
    if (fault_ == Fault::kFullDisk) faults_.fileSizeLimit = limit;
    if (fault_ == Fault::kNoPermission) {
      faults_.user = kNobody;
      fs::permissions(scratch_ / "work", kReadOnly);
    }
    if (fault_ == Fault::kKilled) {
      faults_.watchFolder = scratch_ / "work";
      faults_.killOnCreate = temporaryPart;
    }
  }

  Target target_;
  Fault fault_;
  Scratch scratch_;
  fs::path targetPath_;
  fs::path settings_;
  std::string previous_;
  std::vector<std::string> kept_;
  std::vector<std::string> args_;
  Faults faults_;
  bool mounted_ = false;
};

std::string ContentOf(const fs::path& target, bool folder) {
  if (!folder) return fs::exists(target) ? ReadFile(target) : std::string();
  return fs::is_directory(target) ? ReadFile(target / "kept.txt") : std::string("(not a folder)");
}

// What the program must do about the fault.
enum class Outcome {
  kRefused,  // the failure reported with the system's reason, exit status 1
  // The settings store reports its failures as one warning line on standard error and the export
  // goes on (its points were written): exit status 0.
  kWarned,
  kCreated,  // the settings store creates its missing folder, as it does for the user's own
};

struct FaultCase {
  Target target;
  Fault fault;
  Outcome outcome;
};

class FaultInjection : public testing::TestWithParam<FaultCase> {};

TEST_P(FaultInjection, PreviousFileIntactFailureReportedNothingLeftBehind) {
  const FaultCase& c = GetParam();
  Scenario scenario(c.target, c.fault);
  if (c.fault == Fault::kNoSpace && !scenario.mounted()) {
    GTEST_SKIP() << "this process may not mount a small file system";
  }
  const ChildResult result = scenario.Run();
  const std::string output = result.out + result.err;
  const std::string reason = ReasonOf(c.fault);
  ReportRow("fault", {NameOf(c.target), NameOf(c.fault), std::to_string(result.status),
                      LineWith(output, c.outcome == Outcome::kCreated ? "Successfully" : reason)});

  EXPECT_EQ(c.outcome == Outcome::kRefused ? 1 : 0, result.status) << output;
  EXPECT_EQ(std::vector<std::string>{}, OtherFiles(scenario.work(), scenario.KeptNames()));
  if (c.outcome == Outcome::kCreated) {
    EXPECT_NE(std::string::npos, ReadFile(scenario.target()).find("\"Text\"=dword:00000001"));
    return;
  }
  EXPECT_NE(std::string::npos, output.find(reason)) << output;
  EXPECT_EQ(scenario.previous(), ContentOf(scenario.target(), scenario.TargetIsFolder()));
  EXPECT_FALSE(fs::exists(scenario.missingFolder())) << "a folder was created";
}

constexpr int kKilledStatus = 128 + 9;

INSTANTIATE_TEST_SUITE_P(
    reliability_fault, FaultInjection,
    testing::Values(FaultCase{Target::kPoints, Fault::kFullDisk, Outcome::kRefused},
                    FaultCase{Target::kPoints, Fault::kNoSpace, Outcome::kRefused},
                    FaultCase{Target::kPoints, Fault::kNoPermission, Outcome::kRefused},
                    FaultCase{Target::kPoints, Fault::kMissingFolder, Outcome::kRefused},
                    FaultCase{Target::kPoints, Fault::kTargetIsFolder, Outcome::kRefused},
                    FaultCase{Target::kDrawing, Fault::kFullDisk, Outcome::kRefused},
                    FaultCase{Target::kDrawing, Fault::kNoSpace, Outcome::kRefused},
                    FaultCase{Target::kDrawing, Fault::kNoPermission, Outcome::kRefused},
                    FaultCase{Target::kDrawing, Fault::kMissingFolder, Outcome::kRefused},
                    FaultCase{Target::kDrawing, Fault::kTargetIsFolder, Outcome::kRefused},
                    FaultCase{Target::kSettings, Fault::kFullDisk, Outcome::kWarned},
                    FaultCase{Target::kSettings, Fault::kNoSpace, Outcome::kWarned},
                    FaultCase{Target::kSettings, Fault::kNoPermission, Outcome::kWarned},
                    FaultCase{Target::kSettings, Fault::kMissingFolder, Outcome::kCreated},
                    FaultCase{Target::kSettings, Fault::kTargetIsFolder, Outcome::kWarned}),
    [](const testing::TestParamInfo<FaultCase>& info) {
      const std::string words =
          std::string(NameOf(info.param.target)) + " " + NameOf(info.param.fault);
      std::string name;
      for (char ch : words) {
        if (std::isalnum(static_cast<unsigned char>(ch)))
          name += ch;
        else if (!name.empty() && name.back() != '_')
          name += '_';
      }
      while (name.back() == '_') name.pop_back();
      return name;
    });

// A save killed between creating its temporary and the rename: the target is either the previous
// file or the complete new one, never a part; the next save (no fault) succeeds and leaves no
// temporary, the killed one's included.
class KilledSave : public testing::TestWithParam<Target> {};

TEST_P(KilledSave, TargetWholeAndTemporaryGoneAfterTheNextSave) {
  Scenario scenario(GetParam(), Fault::kKilled);
  const ChildResult killed = scenario.Run();
  ASSERT_TRUE(killed.killedMidSave) << "the program ended before creating its temporary:\n"
                                    << killed.out << killed.err;
  EXPECT_EQ(kKilledStatus, killed.status);
  const std::string afterKill = ContentOf(scenario.target(), false);
  const std::vector<std::string> leftByKill = OtherFiles(scenario.work(), scenario.KeptNames());

  const ChildResult next = scenario.Run(false);
  EXPECT_EQ(0, next.status) << next.out << next.err;
  const std::string complete = ContentOf(scenario.target(), false);
  EXPECT_TRUE(afterKill == scenario.previous() || afterKill == complete)
      << "the killed save left a part of the file";
  std::vector<std::string> kept = scenario.KeptNames();
  if (GetParam() == Target::kDrawing) kept.push_back("flow.dxf.bak");
  const std::vector<std::string> leftAfterNext = OtherFiles(scenario.work(), kept);
  ReportRow("fault",
            {NameOf(GetParam()), NameOf(Fault::kKilled), std::to_string(killed.status),
             (afterKill == scenario.previous() ? "previous file intact; " : "new file complete; ") +
                 std::string(leftAfterNext.empty() ? "no temporary after the next save"
                                                   : "temporary left: " + leftAfterNext[0])});
  EXPECT_EQ(std::vector<std::string>{}, leftAfterNext) << leftByKill.size() << " left by the kill";
}

INSTANTIATE_TEST_SUITE_P(reliability_kill, KilledSave,
                         testing::Values(Target::kPoints, Target::kDrawing, Target::kSettings),
                         [](const testing::TestParamInfo<Target>& info) {
                           std::string name = NameOf(info.param);
                           for (char& ch : name) ch = ch == ' ' ? '_' : ch;
                           return name;
                         });

}  // namespace
}  // namespace reliability
