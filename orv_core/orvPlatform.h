// The one seam between the controller and the machine it runs on.
//
// Device paths, shell commands and the wall clock all pass through here. On the board
// (ORV_DEVICE_BUILD) they are the real ones. In the host build:
//  - every absolute device path ("/home/ORV/...", "/dev/ttyS1", "/etc/...") resolves under
//    the sandbox root $ORV_ROOT (default: "orv_sandbox" in the working directory, never "/");
//  - shell commands run with platform/stubs first on PATH, so programs that would change
//    the machine (reboot, ifconfig, hwclock, insmod, ...) only record their argv in
//    "$ORV_ROOT/platform_calls.log" and exit with a scripted status;
//  - the wall clock starts at $ORV_CLOCK_START ("YYYY-MM-DD HH:MM:SS", local time) when set,
//    runs on in real time, and "setting the clock" moves only the program's own clock.
#pragma once

#include <cstdint>
#include <ctime>
#include <string>
#include <sys/time.h>
#include <vector>

namespace orv {

// Sandbox root of the host build ("" on the device). Read from the environment on every
// call so that tests can switch sandboxes.
std::string sandboxRoot();

// Resolves an absolute device path to where it lives on this machine. Relative paths
// (program-relative data such as "gui_langues/") are returned unchanged.
std::string devicePath(const std::string& path);

// The reverse of devicePath: the device path of a path on this machine (a file the user
// chose in a standard dialog opened on the sandbox). A path outside the sandbox is
// returned unchanged. Identity on the device.
std::string devicePathFromHost(const std::string& hostPath);

// Rewrites the device paths named in a shell command text and points absolute program
// paths of machine-changing programs at their stubs. Identity on the device.
std::string deviceCommandText(const std::string& command);

// Runs a shell command (after deviceCommandText). Returns the wait status as system()
// does: -1 when the shell could not be started.
int runCommand(const std::string& command);

// Runs a program with this argument vector and no shell, so that no argument (a file name
// from the server, say) is ever read as shell syntax; waits for it. argv[0] is the
// program's device path (host: resolved like a command word, stubs included; the call is
// kept in the command log as the words joined by blanks). Returns the wait status, -1
// when it could not be started; a program that cannot be executed exits with 127.
int runProgram(const std::vector<std::string>& argv);

// runProgram with the program's standard output written to the device file `outputPath`
// (created or emptied first, as a shell's ">" does). -1 when the file cannot be opened.
int runProgramToFile(const std::vector<std::string>& argv, const std::string& outputPath);

// runProgram for a program that works on the files its arguments name (tar): host build,
// the arguments that are absolute device paths are resolved under the sandbox for the
// run, and kept in the command log as given.
int runProgramOnFiles(const std::vector<std::string>& argv);

// Runs a command line that the supervision server sent (the shell-command element of the
// remote actions file) through the shell. Host build: kept in the command log and
// recorded in the call log as "server-command <text>", never executed; returns 0.
int runServerCommand(const std::string& command);

// Runs a shell command and returns what it printed on stdout. `status` (optional)
// receives the wait status, -1 when the command could not be started.
std::string captureCommand(const std::string& command, int* status = nullptr);

// Records a machine-changing call made without a shell (settimeofday, reboot(2), ...)
// in the host's call log. Does nothing on the device.
void recordPlatformCall(const std::string& line);

// Sets a direction-control line through the driver of `device` (opened as `fd`): ioctl
// request `level` (1 transmit, 0 receive). Host: `device` is a plain file of the sandbox,
// so the call is recorded as "ioctl <file name> <level>" and succeeds. Returns ioctl's
// result.
int directionControlIoctl(int fd, const std::string& device, int level);

// Path of the host's call log of machine-changing programs and calls.
std::string platformCallLog();
// Path of the host's log of every command text run through the runner, as built with
// device paths ("$ORV_ROOT/log/commands.log").
std::string commandLog();

// Host build: scripted disk space of the data file systems, read from
// "$ORV_ROOT/platform_stub/diskspace" ("FREE_BYTES TOTAL_BYTES"). Returns false when no
// such file exists (then the real file system answers). Always false on the device.
bool diskSpaceOverride(int64_t* freeBytes, int64_t* totalBytes);

// Wall clock of the program: all time stamps, deadlines and file names read it.
time_t wallClockNow();
struct timeval wallClockTimeOfDay();
// Sets the wall clock (the core's time setting). Host: moves the program clock only and
// records "settimeofday <epoch>". Returns 0 on success, -1 on failure.
int setWallClock(time_t when);
// Forgets the clock offset so that the next read takes $ORV_CLOCK_START again (tests).
void resetWallClock();

// Milliseconds of a monotonic clock, for timers and timeouts: never steps with the
// wall clock.
int64_t monotonicMs();

}  // namespace orv
