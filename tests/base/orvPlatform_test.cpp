#include "orvPlatform.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include "orv_test_sandbox.h"

TEST(DevicePath, ResolvesUnderTheSandboxRoot) {
  TestSandbox box;
  EXPECT_EQ(orv::devicePath("/home/ORV/config.conf"), box.root() + "/home/ORV/config.conf");
  EXPECT_EQ(orv::devicePath("/dev/ttyS1"), box.root() + "/dev/ttyS1");
  EXPECT_EQ(orv::devicePath("gui_langues/orvQT_de.qm"), "gui_langues/orvQT_de.qm");
  EXPECT_EQ(orv::devicePath(box.root() + "/ramdisk/x"), box.root() + "/ramdisk/x");
  EXPECT_EQ(orv::devicePath("/dev/null"), "/dev/null");
}

TEST(DevicePath, HostPathsTurnBackIntoDevicePaths) {
  TestSandbox box;
  EXPECT_EQ(orv::devicePathFromHost(box.root() + "/home/usbkey1/my backup"),
            "/home/usbkey1/my backup");
  EXPECT_EQ(orv::devicePathFromHost(orv::devicePath("/media/usb_drive/")), "/media/usb_drive/");
  EXPECT_EQ(orv::devicePathFromHost(box.root()), "/");
  EXPECT_EQ(orv::devicePathFromHost(box.root() + "x/y"), box.root() + "x/y");  // a neighbour
  EXPECT_EQ(orv::devicePathFromHost("/srv/elsewhere"), "/srv/elsewhere");
}

TEST(DevicePath, NeverResolvesToTheRealRoot) {
  setenv("ORV_ROOT", "/", 1);
  EXPECT_NE(orv::devicePath("/etc/init.d/rcS"), "/etc/init.d/rcS");
  unsetenv("ORV_ROOT");
  EXPECT_NE(orv::devicePath("/etc/init.d/rcS"), "/etc/init.d/rcS");
}

TEST(CommandText, RewritesDevicePathsAndStubsMachinePrograms) {
  TestSandbox box;
  const std::string stubs = testSourceDir() + "/platform/stubs";
  struct Case {
    const char* in;
    std::string out;
  } cases[] = {
      {"cp /ramdisk/a.msr /home/ORV/", "cp " + box.root() + "/ramdisk/a.msr " + box.root() + "/home/ORV/"},
      {"ls > /dev/null 2>&1", "ls > /dev/null 2>&1"},
      {"/sbin/reboot", stubs + "/reboot"},
      {"/sbin/hwclock -w; /usr/bin/fwloader 5 /home/ORV/firmware/x.hex",
       stubs + "/hwclock -w; " + box.root() + "/usr/bin/fwloader 5 " + box.root() + "/home/ORV/firmware/x.hex"},
      {"echo a/home/ORV", "echo a/home/ORV"},
      {"cat /homeless", "cat " + box.root() + "/homeless"},
      // Whatever path a command names, the machine's own files stay out of reach...
      {"cp /home/ORV/config.conf /usr/share/", "cp " + box.root() + "/home/ORV/config.conf " + box.root() + "/usr/share/"},
      {"rm -rf /var/lib/x /root", "rm -rf " + box.root() + "/var/lib/x " + box.root() + "/root"},
      // ...but programs, zone files, a lone "/" and URLs stay as they are.
      {"ln -s /usr/share/zoneinfo/Etc/GMT-2 /etc/localtime",
       "ln -s /usr/share/zoneinfo/Etc/GMT-2 " + box.root() + "/etc/localtime"},
      {"/bin/sh -c true", "/bin/sh -c true"},
      {"tar -xzf a.tgz -C /", "tar -xzf a.tgz -C /"},
      {"curl sftp://127.0.0.1/x", "curl sftp://127.0.0.1/x"},
  };
  for (const auto& c : cases) EXPECT_EQ(orv::deviceCommandText(c.in), c.out) << c.in;
}

TEST(Commands, MachineChangingProgramsOnlyRecordTheirCall) {
  TestSandbox box;
  box.scriptStub("ifconfig", 3);
  EXPECT_EQ(WEXITSTATUS(orv::runCommand("reboot")), 0);
  EXPECT_EQ(WEXITSTATUS(orv::runCommand("/sbin/ifconfig eth0 10.0.0.2 up")), 3);
  int status = -1;
  EXPECT_EQ(orv::captureCommand("uname -r", &status), "2.6.35.3-orv-host\n");
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_EQ(orv::captureCommand("dmesg"), "");
  EXPECT_EQ(box.platformCalls(), "reboot\nifconfig eth0 10.0.0.2 up\nuname -r\ndmesg\n");
  EXPECT_EQ(box.commands(), "reboot\n/sbin/ifconfig eth0 10.0.0.2 up\nuname -r\ndmesg\n");
}

TEST(Commands, TarRunsOnlyInsideTheSandbox) {
  TestSandbox box;
  box.write("/home/ORV/a.txt", "x");
  EXPECT_EQ(orv::runCommand("tar -czf /tmp/a.tgz -C /home/ORV a.txt"), 0);
  EXPECT_TRUE(box.exists("/tmp/a.tgz"));
  EXPECT_EQ(orv::runCommand("cd /tmp && tar -xzf a.tgz -C /"), 0);  // "/" stays real: only recorded
  EXPECT_NE(box.platformCalls().find("tar -xzf a.tgz -C /\n"), std::string::npos);

  // A folder of this machine outside the sandbox, named however tar may be told of it.
  char outsideTemplate[] = "/tmp/orv-tar-outside-XXXXXX";
  const std::string outside = mkdtemp(outsideTemplate);
  const std::string tarStub = "'" + testSourceDir() + "/platform/stubs/tar'";
  const std::string archive = box.path("/tmp/a.tgz");
  for (const std::string& words :
       {"-xzf " + archive + " --directory=" + outside, "-xzf " + archive + " -C" + outside,
        "-xzf " + archive + " -C " + box.root() + "/../" + outside.substr(5),
        "-xzPf " + archive + " -C " + box.root() + "/tmp", "xzPf " + archive + " -C " + box.root() + "/tmp"}) {
    box.run("ORV_ROOT='" + box.root() + "' " + tarStub + " " + words);
    EXPECT_NE(box.platformCalls().find("tar " + words + "\n"), std::string::npos) << words;
  }
  EXPECT_EQ(box.run("ls -A '" + outside + "'").out, "");
  EXPECT_FALSE(box.exists("/tmp/a.txt"));
  std::system(("rm -rf '" + outside + "'").c_str());
}

TEST(WallClock, StartsAtTheConfiguredTimeAndCanBeSet) {
  TestSandbox box;
  setenv("ORV_CLOCK_START", "2026-03-01 23:59:30", 1);
  orv::resetWallClock();
  time_t now = orv::wallClockNow();
  struct tm tm {};
  localtime_r(&now, &tm);
  EXPECT_EQ(tm.tm_year, 126);
  EXPECT_EQ(tm.tm_mon, 2);
  EXPECT_EQ(tm.tm_hour, 23);
  EXPECT_NEAR(tm.tm_sec, 30, 2);

  EXPECT_EQ(orv::setWallClock(1000000000), 0);
  // The second set starts now, as on the board: it reads the same for the next second.
  usleep(300000);
  EXPECT_EQ(orv::wallClockNow(), 1000000000);
  EXPECT_GE(orv::wallClockTimeOfDay().tv_usec, 300000);
  EXPECT_EQ(box.platformCalls(), "settimeofday 1000000000\n");
  unsetenv("ORV_CLOCK_START");
  orv::resetWallClock();
}
