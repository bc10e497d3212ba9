// In-memory serial port for the flasher's tests: what the link writes goes to a
// BootloaderModel (or only to the record, without one), and its replies wait to be read.
// Every write is checked to happen with the RS-485 driver enabled.
#pragma once

#include <deque>
#include <memory>
#include <mutex>
#include <vector>

#include "support/BootloaderModel.h"
#include "CComPort.h"

class FakeBootloaderPort : public CComPort {
public:
  // Everything a test reads after the run; shared so it outlives the port.
  struct Record {
    std::mutex mutex;
    std::vector<std::vector<uint8_t>> writes;  // each write as it went out
    std::vector<unsigned> writeBauds;
    int opens = 0;
    int writesWithoutDriver = 0;
    bool driverOn = false;
    std::deque<uint8_t> pending;  // bytes waiting to be read

    // Bytes that arrive from the line, as if a module had sent them.
    void inject(const std::vector<uint8_t>& bytes) {
      std::lock_guard<std::mutex> lock(mutex);
      pending.insert(pending.end(), bytes.begin(), bytes.end());
    }
    size_t writeCount() {
      std::lock_guard<std::mutex> lock(mutex);
      return writes.size();
    }
  };

  explicit FakeBootloaderPort(std::shared_ptr<BootloaderModel> model,
                              std::shared_ptr<Record> record = std::make_shared<Record>())
      : model_(std::move(model)), record_(std::move(record)) {}

  bool failOpen = false;

  int OpenComPort(unsigned index, unsigned baud) override {
    std::lock_guard<std::mutex> lock(record_->mutex);
    if (failOpen) return 0;
    ++record_->opens;
    baud_ = baud;
    index_ = static_cast<int>(index);
    open_ = true;
    return 1;
  }
  void CloseComPort() override {
    index_ = -1;
    open_ = false;
  }
  int SendComPort(const uint8_t* data, int length) override {
    std::lock_guard<std::mutex> lock(record_->mutex);
    if (!open_) return 0;
    if (!record_->driverOn) ++record_->writesWithoutDriver;
    record_->writes.emplace_back(data, data + length);
    record_->writeBauds.push_back(baud_);
    if (model_) {
      std::vector<uint8_t> reply = model_->receive(data, static_cast<size_t>(length), baud_);
      record_->pending.insert(record_->pending.end(), reply.begin(), reply.end());
    }
    return length;
  }
  int ReadComPort(uint8_t* buffer, int size) override {
    std::lock_guard<std::mutex> lock(record_->mutex);
    if (!open_) return 0;
    int n = 0;
    while (n < size && !record_->pending.empty()) {
      buffer[n++] = record_->pending.front();
      record_->pending.pop_front();
    }
    return n;
  }
  int SetDriverEnable(int value) override {
    std::lock_guard<std::mutex> lock(record_->mutex);
    record_->driverOn = value != 0;
    return 0;
  }

private:
  std::shared_ptr<BootloaderModel> model_;
  std::shared_ptr<Record> record_;
  unsigned baud_ = 0;
};
