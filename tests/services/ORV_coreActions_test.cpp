// The action codes and shell commands that the server sends through its remote actions
// file, on a core with its store and file services and worker objects that are not
// started (the exchange thread only queues its upload requests).
#include <gtest/gtest.h>

#include <chrono>
#include <list>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "core_device.h"

namespace {

using Actions = std::list<std::pair<int, bool>>;
using Lines = std::vector<std::string>;

// Device 12, sane sensors, learning started two days ago (not over), no alarm, a
// reference level of 3.5.
class ActionsDevice : public CoreDevice {
public:
  ActionsDevice()
      : CoreDevice("CONFIG_SRV_ID=12\nFLAG_ALARM=0\nMOYENNE_REFERENCE=3.5\nFLAG_PREM_DEMARRAGE=" +
                   std::to_string(twoDaysBeforeTheClock()) + "\n") {
    // Valid mass and card readings: the sensor check lets relearning through.
    for (int index : {504, 627, 628, 624}) {
      float reading = 12.5f;
      core->datas()->setMES_struct(index, &reading);
    }
  }

private:
  static long twoDaysBeforeTheClock() {
    setenv("ORV_CLOCK_START", "2024-03-01 10:00:00", 1);
    orv::resetWallClock();
    return static_cast<long>(orv::wallClockNow()) - 2 * 86400;
  }
};

class ActionsBench : public ::testing::Test, public ActionsDevice {};

// Each list on a fresh device: result, journal lines, queued upload requests (sorted) and
// FLAG_ALARM and the reference level afterwards. The acknowledgement (2), relearning (3) and alarm request (4)
// send the alarm file (request 1); 2, 3 and 8 ask for the results (request 5) once.
TEST(ORV_coreActions, ActionCodesJournalWhatTookPlaceAndAskForTheResults) {
  struct Case {
    const char* what;
    Actions actions;
    int flagAlarm;
    int result;
    Lines journal;
    std::vector<int> uploads;
    int flagAlarmAfter;
    float referenceAfter;
  } cases[] = {
      {"empty list", {}, 0, 0, {}, {}, 0, 3.5f},
      {"acknowledge, journalled", {{2, true}}, 0, 1, {"5001;;;NET;"}, {1, 5}, 0, 3.5f},
      {"acknowledge, not journalled", {{2, false}}, 0, 1, {}, {1, 5}, 0, 3.5f},
      {"relearn", {{3, true}}, 0, 1, {"5002;;;NET;"}, {1, 5}, 1, 0.0f},
      {"relearn while learning: refused", {{3, false}}, 1, 1, {}, {5}, 1, 3.5f},
      {"recalculation before the learning days are over: refused, reference kept", {{8, true}},
       0, 1, {}, {5}, 0, 3.5f},
      {"2, 3 and 8 together: one request 5", {{2, true}, {3, true}, {8, true}}, 0, 1,
       {"5001;;;NET;", "5002;;;NET;"}, {1, 5}, 1, 0.0f},
      {"alarm state to the server", {{4, true}}, 0, 1, {"5003;;;NET;"}, {1}, 0, 3.5f},
      {"module commands without modules, 14 and unknown codes",
       {{10, true}, {12, true}, {13, true}, {15, true}, {14, true}, {99, true}}, 0, 1, {}, {}, 0,
       3.5f},
      {"journal flag on a code without journal event", {{6, true}}, 0, 1, {}, {}, 0, 3.5f},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ActionsDevice bench;
    int flag = c.flagAlarm;
    bench.core->datas()->setCFG_struct(CFG_FLAG_ALARM, &flag);
    Actions actions = c.actions;

    EXPECT_EQ(c.result, bench.core->dispatchNetACTIONS_List(actions));

    EXPECT_EQ(c.journal, bench.journal());
    EXPECT_EQ(c.uploads, bench.uploads());
    EXPECT_EQ(c.flagAlarmAfter, bench.cfgInt("FLAG_ALARM"));
    EXPECT_FLOAT_EQ(c.referenceAfter,
                    bench.core->datas()->getCFG_struct(CFG_MOYENNE_REFERENCE).floatValue);
  }
}

TEST_F(ActionsBench, RecalculationOnceTheLearningDaysAreOver) {
  int startedLongAgo = static_cast<int>(orv::wallClockNow()) - 30 * 86400;
  core->datas()->setCFG_struct(orvDatas::getCFG_ID_fromKeyString("FLAG_PREM_DEMARRAGE"), &startedLongAgo);
  Actions actions{{8, true}};

  EXPECT_EQ(1, core->dispatchNetACTIONS_List(actions));

  Lines lines = journal();
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ("5004;;;NET;", lines.back());
  EXPECT_EQ(1, cfgInt("FLAG_RECALC_MOYREF"));
  EXPECT_EQ((std::vector<int>{1, 5}), uploads());
}

TEST_F(ActionsBench, AlarmRequestWritesTheAlarmFile) {
  Actions actions{{4, false}};
  core->dispatchNetACTIONS_List(actions);
  EXPECT_EQ("12\nadd_mac\n01/03/2024\n10 H 00 Min\n7\n1\n1\n", box.read("/home/ORV/yORV.12"));
}

TEST_F(ActionsBench, DayFileAndHourlyMeansAreDeletedByTheirCodes) {
  const std::string today = "ORV_2024_03_01.msr";
  for (const char* dir : {"/home/ORV/", "/ramdisk/"}) box.write(dir + today, "line\n");
  box.write("/home/ORV/ORV_2024_02_29.msr", "yesterday\n");
  box.write("/home/ORV/moy.msr", "1;2;3;\n");

  Actions dayFile{{5, true}};
  EXPECT_EQ(1, core->dispatchNetACTIONS_List(dayFile));
  EXPECT_FALSE(box.exists("/home/ORV/" + today));
  EXPECT_FALSE(box.exists("/ramdisk/" + today));
  EXPECT_TRUE(box.exists("/home/ORV/ORV_2024_02_29.msr"));
  EXPECT_TRUE(box.exists("/home/ORV/moy.msr"));

  Actions means{{6, false}, {5, false}};  // the day file is gone already: ignored
  EXPECT_EQ(1, core->dispatchNetACTIONS_List(means));
  EXPECT_FALSE(box.exists("/home/ORV/moy.msr"));
  EXPECT_EQ(std::string::npos, box.commands().find("rm ")) << "unlinked, never through a shell";
  EXPECT_TRUE(journal().empty());
}

// The commands are recorded by the command runner of the host build and never run; the
// workers are paused meanwhile and only those that ran are resumed.
TEST_F(ActionsBench, CommandsRunInOrderWithTheWorkersPaused) {
  const std::string marker = "/tmp/orv-remote-command-ran";
  std::vector<std::string> commands{"touch " + marker, "echo second > /home/ORV/x"};
  int result = 0;
  std::thread run([&] { result = core->dispatchNetCMDS_List(commands); });
  std::this_thread::sleep_for(std::chrono::milliseconds(400));
  EXPECT_EQ("upd/proc", paused()) << "while the commands run";
  run.join();

  EXPECT_EQ(1, result);
  EXPECT_EQ("-/-", paused());
  EXPECT_NE(std::string::npos,
            box.commands().find("touch " + marker + "\necho second > /home/ORV/x\n"));
  EXPECT_NE(std::string::npos, box.platformCalls().find("server-command touch " + marker + "\n"));
  EXPECT_FALSE(box.exists(marker));
  EXPECT_FALSE(box.exists("/home/ORV/x"));
  EXPECT_NE(0, access(marker.c_str(), F_OK));

  proc->change_sleepThreadState(true);  // a screen paused the processing
  std::vector<std::string> one{"true"};
  EXPECT_EQ(1, core->dispatchNetCMDS_List(one));
  EXPECT_EQ("-/proc", paused());

  std::vector<std::string> none;
  EXPECT_EQ(0, core->dispatchNetCMDS_List(none));
}

}  // namespace
