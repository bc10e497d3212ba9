// Archive commands and the factory reset in a sandbox: the real tar runs on sandbox
// paths; names that a shell would read as syntax never reach a command.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ORV_fileManip.h"
#include "orv_test_sandbox.h"

namespace {

// A gzip tar in the sandbox holding the given files (device paths) under their names.
void makeArchive(const TestSandbox& box, const std::string& archive, const std::string& dir,
                 const std::vector<std::string>& names) {
  box.mkdirs(archive.substr(0, archive.find_last_of('/')));
  std::string cmd = "tar czf '" + box.path(archive) + "' -C '" + box.path(dir) + "'";
  for (const std::string& name : names) cmd += " '" + name + "'";
  ASSERT_EQ(0, box.run(cmd).status);
}

TEST(ORV_fileManipArchive, UnpackDeletesTheArchiveWhateverHappened) {
  TestSandbox box;
  ORV_fileManip files;
  box.write("/tmp/src/module_HPF.v10.50.hex", ":00000001FF\n");
  makeArchive(box, "/home/ORV/firmware/module_HPF.v10.5.tar.gz", "/tmp/src", {"module_HPF.v10.50.hex"});
  box.write("/home/ORV/firmware/module_MESURE.v3.1.tar.gz", "not a gzip archive");

  EXPECT_EQ(0, files.uncomp_targz("/home/ORV/firmware/module_HPF.v10.5.tar.gz", "/home/ORV/firmware/"));
  EXPECT_EQ(":00000001FF\n", box.read("/home/ORV/firmware/module_HPF.v10.50.hex"));
  EXPECT_FALSE(box.exists("/home/ORV/firmware/module_HPF.v10.5.tar.gz"));
  EXPECT_NE(std::string::npos,
            box.commands().find("tar xvzf /home/ORV/firmware/module_HPF.v10.5.tar.gz -C /home/ORV/firmware/\n"));

  EXPECT_NE(0, files.uncomp_targz("/home/ORV/firmware/module_MESURE.v3.1.tar.gz", "/home/ORV/firmware/"));
  EXPECT_FALSE(box.exists("/home/ORV/firmware/module_MESURE.v3.1.tar.gz"));
}

TEST(ORV_fileManipArchive, NamesAShellWouldReadAreRefusedUnrun) {
  TestSandbox box;
  ORV_fileManip files;
  const std::vector<std::string> hostile{"/home/ORV/firmware/a;touch PWN;.tar.gz",
                                         "/home/ORV/firmware/$(touch PWN).tar.gz",
                                         "/home/ORV/firmware/../../x.tar.gz", "-x.tar.gz"};
  for (const std::string& archive : hostile) {
    SCOPED_TRACE(archive);
    if (archive[0] == '/') box.write(archive, "x");
    EXPECT_EQ(-1, files.uncomp_targz(archive, "/home/ORV/firmware/"));
    std::vector<std::string> list{"/home/ORV/journal.log"};
    EXPECT_EQ(-1, files.comp_targz(archive, &list));
  }
  std::vector<std::string> hostileFile{"/home/ORV/journal.log", "/home/ORV/a b"};
  EXPECT_EQ(-1, files.comp_targz("/home/ORV/backup.tar.gz", &hostileFile));
  EXPECT_EQ("", box.commands());
  EXPECT_EQ("", box.run("find '" + box.root() + "' -name PWN").out);
}

TEST(ORV_fileManipArchive, PackTheFilesInOrderAndNothingForAnEmptyList) {
  TestSandbox box;
  ORV_fileManip files;
  box.write("/home/ORV/journal.log", "journal\n");
  box.write("/home/ORV/config.conf", "[General]\n");
  std::vector<std::string> none;
  EXPECT_EQ(-1, files.comp_targz("/home/ORV/backup.tar.gz", &none));
  EXPECT_EQ(-1, files.comp_targz("/home/ORV/backup.tar.gz", nullptr));
  EXPECT_EQ("", box.commands());

  std::vector<std::string> two{"/home/ORV/journal.log", "/home/ORV/config.conf"};
  EXPECT_EQ(0, files.comp_targz("/home/ORV/backup.tar.gz", &two));
  EXPECT_EQ("tar cvfz /home/ORV/backup.tar.gz /home/ORV/journal.log /home/ORV/config.conf\n",
            box.commands().substr(box.commands().find("tar ")));
  std::string listing = box.run("tar tzf '" + box.path("/home/ORV/backup.tar.gz") + "'").out;
  EXPECT_NE(std::string::npos, listing.find("home/ORV/journal.log\n"));
  EXPECT_NE(std::string::npos, listing.find("home/ORV/config.conf\n"));
}

// Every file of the six kinds goes, by unlink: a day file whose name a shell would run is
// deleted like any other and runs nothing.
TEST(ORV_fileManipArchive, FactoryResetDeletesTheSixKindsOfFiles) {
  TestSandbox box;
  ORV_fileManip files;
  const std::vector<std::string> deleted{
      "tension.log", "tension-1.log", "traceroute.log", "ORV_2024_02_29.msr", "ORV_2024_03_01.msr",
      "ORV_a_b_$(touch PWN).msr", "journal.log", "config.conf", "moy.msr"};
  const std::vector<std::string> kept{"fluides.norvale", "numerodossier.txt", "ORV_2024.msr",
                                      "orvSysUpdate.sh"};
  for (const std::string& name : deleted) box.write("/home/ORV/" + name, "x\n");
  for (const std::string& name : kept) box.write("/home/ORV/" + name, "x\n");
  box.write("/ramdisk/ORV_2024_03_01.msr", "x\n");

  EXPECT_EQ(1, files.factory_Reset());

  for (const std::string& name : deleted) EXPECT_FALSE(box.exists("/home/ORV/" + name)) << name;
  for (const std::string& name : kept) EXPECT_TRUE(box.exists("/home/ORV/" + name)) << name;
  EXPECT_TRUE(box.exists("/ramdisk/ORV_2024_03_01.msr"));
  EXPECT_EQ("", box.commands());
  EXPECT_EQ("", box.run("find '" + box.root() + "' -name PWN").out);
  EXPECT_EQ(1, files.factory_Reset()) << "nothing left to delete";
}

}  // namespace
