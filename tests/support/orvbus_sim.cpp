#include "orvbus_sim.h"

#include <poll.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <sstream>

namespace {
// A loaded machine may take its time to start a Python program.
constexpr int kReadyWaitMs = 30000;

std::string simulatorProgram() { return testSourceDir() + "/platform/orvbus-sim/orvbus-sim"; }
}  // namespace

BusSimulator::BusSimulator(const TestSandbox& box, const std::string& scenario) : box_(box) {
  box_.write("/orvbus-sim.scenario", scenario);
  int out[2];
  if (pipe(out) != 0) return;
  pid_ = fork();
  if (pid_ == 0) {
    dup2(out[1], STDOUT_FILENO);
    close(out[0]);
    close(out[1]);
    std::string program = simulatorProgram();
    std::string scenarioPath = box_.path("/orvbus-sim.scenario");
    execlp("python3", "python3", program.c_str(), "--root", box_.root().c_str(), "--scenario",
           scenarioPath.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  close(out[1]);
  // The simulator prints one "orvbus-sim ready ..." line once it is set up.
  std::string seen;
  struct pollfd p {out[0], POLLIN, 0};
  while (pid_ > 0 && seen.find('\n') == std::string::npos && poll(&p, 1, kReadyWaitMs) > 0) {
    char buf[512];
    ssize_t n = read(out[0], buf, sizeof buf);
    if (n <= 0) break;
    seen.append(buf, n);
  }
  close(out[0]);
  ready_ = seen.rfind("orvbus-sim ready", 0) == 0;
}

BusSimulator::~BusSimulator() {
  if (pid_ <= 0) return;
  kill(pid_, SIGTERM);
  int status;
  waitpid(pid_, &status, 0);
}

std::string BusSimulator::command(const std::string& line) const {
  int fd = socket(AF_UNIX, SOCK_STREAM, 0);
  struct sockaddr_un addr {};
  addr.sun_family = AF_UNIX;
  std::string path = box_.path("/orvbus-sim.sock");
  std::strncpy(addr.sun_path, path.c_str(), sizeof addr.sun_path - 1);
  std::string answer;
  if (fd >= 0 && connect(fd, reinterpret_cast<struct sockaddr*>(&addr), sizeof addr) == 0) {
    std::string text = line + "\n";
    if (write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size())) {
      char c;
      while (read(fd, &c, 1) == 1 && c != '\n') answer += c;
    }
  }
  if (fd >= 0) close(fd);
  return answer;
}

std::string BusSimulator::log() const { return box_.read("/orvbus-sim.log"); }

std::vector<BusSimulator::LoggedFrame> BusSimulator::frames() const {
  // "YYYY-MM-DD HH:MM:SS.mmm DIR HEX HEX ... | TEXT" for frames, "... DIR TEXT" for notes.
  std::vector<LoggedFrame> result;
  std::istringstream in(log());
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream words(line);
    std::string date, time, rest;
    LoggedFrame frame;
    words >> date >> time >> frame.direction;
    std::getline(words, rest);
    size_t bar = rest.find(" | ");
    if (bar == std::string::npos) {
      frame.text = rest.empty() ? rest : rest.substr(1);
    } else {
      std::istringstream hex(rest.substr(0, bar));
      std::string byte;
      while (hex >> byte) frame.bytes.push_back(static_cast<unsigned char>(std::stoi(byte, nullptr, 16)));
      frame.text = rest.substr(bar + 3);
    }
    if (!frame.direction.empty()) result.push_back(frame);
  }
  return result;
}

int BusSimulator::requestsSeen(const std::vector<unsigned char>& bytes) const {
  int count = 0;
  for (const LoggedFrame& f : frames())
    if (f.direction == "RX" && f.bytes == bytes) ++count;
  return count;
}

std::string garbledModules(std::initializer_list<int> addresses) {
  std::string lines;
  for (int address : addresses) {
    if (address == 0) {
      lines += "module 0 mesv1\nset 0 header 00 00\n";
      continue;
    }
    std::string a = std::to_string(address);
    const char* type = address == 1 ? "mesv2" : address == 5 ? "hpf" : "energie";
    lines += "module " + a + " " + type + "\nfault " + a + " crc\n";
  }
  return lines;
}
